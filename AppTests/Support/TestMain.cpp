#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// One QApplication for the whole test run, so widget and model tests share the setup a player's
// process has; the locale is pinned so "10,000" formats the same on every machine.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
