#include "Views/Support/ScreenFit.h"

#include "Views/WindowFit.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ScreenFit {

namespace {

// The screen a window opening now opens on: the one under the pointer, else the primary one; null when
// there is no screen at all.
QScreen* openingScreen() {
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) {
        return screen;
    }
    return QGuiApplication::primaryScreen();
}

} // namespace

void open(QWidget& window, QSize wanted) {
    const QScreen* screen = openingScreen();
    if (!screen) {
        window.resize(wanted);
        return;
    }
    window.setGeometry(WindowFit::frame(wanted, window.minimumSize(), screen->availableGeometry()));
}

} // namespace ScreenFit
