#pragma once

#include "Support/TestPaths.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

// What a player does to a widget in an offscreen test, and the desktop a gallery shot stands in.
namespace WidgetEvents {

// A key pressed and released on `widget`; the window's shortcuts see it first, as they would a real one.
inline void key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

// A left click at `at` (the centre when not given).
inline void click(QWidget* widget, QPoint at = {-1, -1}) {
    const QPointF point = at.x() < 0 ? QRectF(widget->rect()).center() : QPointF(at);
    const QPointF global = widget->mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The folder of an area's gallery under the build folder, made when missing.
inline QString galleryFolder(const QString& area) {
    const QString path = TestPaths::buildFolder() + QStringLiteral("/gallery/") + area;
    QDir().mkpath(path);
    return path;
}

// Satin panels follow the desktop's appearance; a dark shot has the desktop go dark with it.
class DesktopAppearance {
  public:
    // With `contrast`, the desktop asks for increased contrast too; without, it is left as it was.
    explicit DesktopAppearance(bool dark, bool contrast = false)
        : saved_(QApplication::palette())
        , contrast_(contrast) {
        if (contrast_)
            qputenv("CHIPWHISTLE_INCREASE_CONTRAST", "1");
        QPalette palette = saved_;
        palette.setColor(QPalette::Window, dark ? QColor(30, 30, 30) : QColor(236, 236, 236));
        if (dark) {
            // Fields and plain labels go light on dark, as a dark desktop draws them.
            palette.setColor(QPalette::WindowText, QColor(235, 235, 235));
            palette.setColor(QPalette::Base, QColor(45, 45, 45));
            palette.setColor(QPalette::Text, QColor(235, 235, 235));
            palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
        }
        QApplication::setPalette(palette);
    }
    ~DesktopAppearance() {
        QApplication::setPalette(saved_);
        if (contrast_)
            qunsetenv("CHIPWHISTLE_INCREASE_CONTRAST");
    }
    DesktopAppearance(const DesktopAppearance&) = delete;
    DesktopAppearance& operator=(const DesktopAppearance&) = delete;

  private:
    QPalette saved_;
    bool contrast_;
};

} // namespace WidgetEvents
