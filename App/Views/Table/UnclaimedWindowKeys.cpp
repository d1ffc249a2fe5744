#include "Views/Table/UnclaimedWindowKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include "Views/Support/FocusedButton.h"

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
        if (!offered()) {
            return QObject::eventFilter(watched, event);
        }
        // A button that lets Return pass (a toolbar's) is still pressed by it, as on the rest of this
        // desktop, rather than the table answering over it.
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (QAbstractButton* button = FocusedButton::in(window_); button && enter) {
            if (!key->isAutoRepeat()) {
                button->click();
            }
            key->accept();
            return true;
        }
        if (answer_(*key)) {
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
