#include "Views/Support/FocusedButton.h"

#include <QAbstractButton>

namespace FocusedButton {

QAbstractButton* in(const QWidget* scope) {
    if (!scope)
        return nullptr;
    auto* button = qobject_cast<QAbstractButton*>(scope->window()->focusWidget());
    if (!button || !button->isVisible() || !button->isEnabled())
        return nullptr;
    if (button != scope && !scope->isAncestorOf(button))
        return nullptr;
    return button;
}

void pressOr(const QWidget* scope, QAbstractButton* fallback) {
    if (QAbstractButton* focused = in(scope))
        focused->click();
    else if (fallback && fallback->isVisible() && fallback->isEnabled())
        fallback->click();
}

} // namespace FocusedButton
