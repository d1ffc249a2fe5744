#pragma once

#include <QWidget>

#include "Style/TableTheme.h"
#include "Table/LogEntry.h"

// The three kinds of action log row, each a small widget the log stacks.
namespace LogRows {

// A street heading in small capitals with the cards dealt on that street.
QWidget* heading(const TableTheme& theme, const LogEntry::Heading& row, QWidget* parent);
// A sentence beside a dot in the seat's colour (a hollow dot for a row about no one seat).
QWidget* line(const TableTheme& theme, const LogEntry::Line& row, const RGB& seatColor, QWidget* parent);
// The highlighted prompt while the player is to act.
QWidget* yourTurn(const TableTheme& theme, const LogEntry::YourTurn& row, QWidget* parent);

} // namespace LogRows
