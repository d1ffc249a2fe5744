#pragma once

#include <QApplication>

// The one application a benchmark's widgets and pixmaps need, made on first use on the offscreen
// platform, so benchmarks run without a display.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "benchmark";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)application;
}
