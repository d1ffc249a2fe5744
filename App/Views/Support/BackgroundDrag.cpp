#include "Views/Support/BackgroundDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

BackgroundDrag::BackgroundDrag(QWidget& window)
    : QObject(&window)
    , window_(window) {
    window_.installEventFilter(this);
}

bool BackgroundDrag::eventFilter(QObject* watched, QEvent* event) {
    // A press a control took never comes this far; one on the art or the backdrop does.
    if (watched != &window_ || !window_.isWindow())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            break;
        press->accept();
        QWindow* handle = window_.windowHandle();
        if (handle && handle->startSystemMove()) {
            grip_.reset();
            return true;
        }
        grip_ = press->globalPosition().toPoint() - window_.pos();
        return true;
    }
    case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        if (grip_ && (move->buttons() & Qt::LeftButton)) {
            window_.move(move->globalPosition().toPoint() - *grip_);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && grip_) {
            grip_.reset();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
