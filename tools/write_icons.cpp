// Writes the game's icon as PNG files for the desktop's icon theme, one per size, painted at that
// size: <folder>/<size>x<size>/apps/chipwhistle.png. The build runs it; `cmake --install` installs them.
//
//   write_icons folder

#include "Views/TrayIconArt.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_icons folder\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const int size : TrayIconArt::themeSizes) {
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps) || !TrayIconArt::image(size, false).save(apps + "/chipwhistle.png")) {
            std::fprintf(stderr, "write_icons: cannot write %s/chipwhistle.png\n", qPrintable(apps));
            return 1;
        }
    }
    return 0;
}
