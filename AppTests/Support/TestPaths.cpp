#include "Support/TestPaths.h"

namespace TestPaths {

QString buildFolder() {
    return QStringLiteral(CHIPWHISTLE_TEST_OUTPUT_DIR);
}

QString sourceFolder() {
    return QStringLiteral(CHIPWHISTLE_SOURCE_DIR);
}

} // namespace TestPaths
