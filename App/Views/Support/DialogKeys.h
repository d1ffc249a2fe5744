#pragma once

#include <functional>

class QAbstractButton;
class QShortcut;
class QWidget;

// Return for a card's default button and Escape for its cancel action, while the keyboard focus is
// anywhere inside `scope` (the card). Enter on the keypad counts as Return.
namespace DialogKeys {

// One default per scope: two would make Return ambiguous, and Qt then runs neither.
void bindDefault(QWidget* scope, QAbstractButton* button);
// For a card whose default button changes: `press` clicks whichever is the default now.
void bindDefault(QWidget* scope, std::function<void()> press);
// The binding, for a card whose Escape holds only at times: disabled, it lets Escape pass on.
QShortcut* bindCancel(QWidget* scope, std::function<void()> action);

} // namespace DialogKeys
