// Saves what the X display shows (all of it, or the rectangle x y w h) as a PNG: the end-to-end tests'
// and the developer's screenshots of the tray, the popover and the window.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 6) {
        std::fputs("usage: grab_screen out.png [x y width height]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    QPixmap shot = argc == 6
                       ? screen->grabWindow(0, atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]))
                       : screen->grabWindow(0);
    return shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
