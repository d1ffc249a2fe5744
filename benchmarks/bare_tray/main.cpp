// The yardstick for the game's start-up: the least a Qt program needs to put an icon in the tray.
#include <QApplication>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QPixmap chip(22, 22);
    chip.fill(Qt::darkGreen);
    QSystemTrayIcon icon{QIcon(chip)};
    icon.show();
    return QApplication::exec();
}
