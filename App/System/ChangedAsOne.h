#pragma once

#include <functional>

class QAccessibleEvent;
class QWidget;

// A screen that stops taking input under a panel, or leaves view behind it, tells a reader so of itself
// and of every control in it: a table is some fifty of each, and Orca, past fifty waiting, drops the rest,
// the panel's own words among them. Changed as one, the whole tells its own change alone, and each part
// keeps what the reader last heard of it. Once the whole is back in view and taking input, the parts whose
// standing really changed meanwhile (hidden, disabled, shown or made while the whole was away) are told
// then, so the reader never holds a part as it no longer is.
namespace ChangedAsOne {

// Where the changes of parts are told: Qt's accessibility unless given.
using Tell = std::function<void(QAccessibleEvent*)>;

// Runs `change`, which shows, hides, enables or disables `whole`, with its parts kept as they were told.
void change(QWidget* whole, const std::function<void()>& change, const Tell& tell = {});

// Runs `make`, which makes a child of `parent` and shows it, all at once: a reader can have met none of the
// child's parts, and reads each as it comes to it, so of all the child's making only the child is told.
void made(QWidget* parent, const std::function<void()>& make);

// Whether `event` tells of a part of a whole changing as one, or of a part of one being made, and so goes no
// further: what the reader holds of a changing whole's part is noted, to be compared once the whole is back.
bool keeps(QAccessibleEvent* event);

} // namespace ChangedAsOne
