#include "Views/Support/FocusReturn.h"

namespace {

bool takesKeys(const QWidget* widget) {
    return widget && widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

} // namespace

void FocusReturn::remember(const QWidget* scope) {
    held_ = scope ? scope->window()->focusWidget() : nullptr;
}

void FocusReturn::restore(QWidget* fallback) {
    QWidget* target = takesKeys(held_) ? held_.data() : fallback;
    held_.clear();
    if (target)
        target->setFocus(Qt::TabFocusReason);
}

QWidget* FocusReturn::firstControl(QWidget* scope) {
    for (QWidget* next = scope->nextInFocusChain(); next && next != scope; next = next->nextInFocusChain()) {
        if (scope->isAncestorOf(next) && takesKeys(next))
            return next;
    }
    return scope;
}

void FocusReturn::enter(QWidget* opened) {
    firstControl(opened)->setFocus(Qt::TabFocusReason);
}
