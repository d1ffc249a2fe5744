#include "Sound/TestHost.h"

#include <QString>

bool isTestHostWithoutUI() {
    const bool testHost = qEnvironmentVariableIsSet("XCTestConfigurationFilePath");
    return testHost && qEnvironmentVariable("CHIPWHISTLE_UI_SMOKE") != QLatin1String("1");
}
