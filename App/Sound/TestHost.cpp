#include "Sound/TestHost.h"

#include <QString>

bool isTestHost() {
    return qEnvironmentVariableIsSet("XCTestConfigurationFilePath");
}

bool isTestHostWithoutUI() {
    return isTestHost() && qEnvironmentVariable("CHIPWHISTLE_UI_SMOKE") != QLatin1String("1");
}
