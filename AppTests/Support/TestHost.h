#pragma once

#include <QCoreApplication>
#include <QtGlobal>

// The test-host variables set for one test and cleared after it: no storage, no hotkey, nothing shown
// at launch unless `launchSurface` ("menuBar", "window") forces a surface.
class TestHostEnvironment {
  public:
    explicit TestHostEnvironment(const char* launchSurface = nullptr) {
        qputenv("XCTestConfigurationFilePath", "/dev/null");
        if (launchSurface) {
            qputenv("CHIPWHISTLE_LAUNCH_SURFACE", launchSurface);
        }
    }
    ~TestHostEnvironment() {
        qunsetenv("XCTestConfigurationFilePath");
        qunsetenv("CHIPWHISTLE_LAUNCH_SURFACE");
    }
    TestHostEnvironment(const TestHostEnvironment&) = delete;
    TestHostEnvironment& operator=(const TestHostEnvironment&) = delete;
};

// Runs what the host posted for after the current event.
inline void runPosted() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}
