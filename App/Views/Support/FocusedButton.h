#pragma once

class QAbstractButton;
class QWidget;

// On this desktop Return, like Space, presses the button that has the keyboard focus; a screen's
// default action is for Return only when no button has it.
namespace FocusedButton {

// The button inside `scope` (or `scope` itself) that holds its window's keyboard focus and can be
// pressed now; null when focus is elsewhere or on something that is not a button.
QAbstractButton* in(const QWidget* scope);

// Presses the focused button inside `scope` if there is one, otherwise runs `fallback`'s click.
void pressOr(const QWidget* scope, QAbstractButton* fallback);

} // namespace FocusedButton
