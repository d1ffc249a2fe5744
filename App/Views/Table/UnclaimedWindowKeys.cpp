#include "Views/Table/UnclaimedWindowKeys.h"

#include <QKeyEvent>
#include <QWidget>

UnclaimedWindowKeys::UnclaimedWindowKeys(QWidget& owner, std::function<bool(const QKeyEvent&)> answer)
    : QObject(&owner)
    , owner_(owner)
    , answer_(std::move(answer)) {}

void UnclaimedWindowKeys::follow() {
    QWidget* window = owner_.window();
    if (window == window_) {
        return;
    }
    if (window_) {
        window_->removeEventFilter(this);
    }
    window_ = window;
    // A widget that is its own window already sees every press that reaches it.
    if (window_ && window_ != &owner_) {
        window_->installEventFilter(this);
    }
}

bool UnclaimedWindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (offered() && answer_(*key)) {
            key->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool UnclaimedWindowKeys::offered() const {
    if (!owner_.isVisible() || !owner_.isEnabled()) {
        return false;
    }
    const QWidget* focus = window_->focusWidget();
    if (!focus) {
        return true;
    }
    if (focus == &owner_ || owner_.isAncestorOf(focus)) {
        return false;
    }
    return !focus->testAttribute(Qt::WA_InputMethodEnabled);
}
