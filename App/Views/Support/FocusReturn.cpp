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

namespace {

// The controls of `scope` in Tab order, whether or not a shade over them holds them disabled now.
QList<QWidget*> controlsOf(const QWidget* scope) {
    QList<QWidget*> controls;
    for (QWidget* next = scope->nextInFocusChain(); next && next != scope; next = next->nextInFocusChain()) {
        if (scope->isAncestorOf(next) && next->isVisibleTo(scope) && (next->focusPolicy() & Qt::TabFocus))
            controls << next;
    }
    return controls;
}

} // namespace

int FocusReturn::placeOf(const QWidget* scope, const QWidget* widget) {
    return scope && widget ? int(controlsOf(scope).indexOf(widget)) : -1;
}

QWidget* FocusReturn::controlAt(const QWidget* scope, int place) {
    const QList<QWidget*> controls = scope ? controlsOf(scope) : QList<QWidget*>{};
    return place >= 0 && place < controls.size() ? controls[place] : nullptr;
}
