#pragma once

#include <QString>
#include <QVersionNumber>

class QAccessibleInterface;

// Qt's AT-SPI bridge before 6.8 (6.4 here) tells readers of a new name or description with the element
// itself where the new words belong. Orca takes that for words, cannot speak it and drops the change
// ("bad content sent to speak()"): a focused control's new name or explanation is never heard. Installed
// once at start, this sends those two changes with their words instead, and only when the words really
// changed; every other event goes its usual way. From 6.8 the bridge sends the words itself and tells
// readers of a table's new rows, so nothing is installed there.
namespace ReaderChangeEvents {

// Whether the bridge of the Qt the program runs with sends the words itself. A build against an older
// Qt may run with a newer one, which keeps its binary interface.
bool bridgeSendsWords(const QVersionNumber& running);

// Takes over the two changes where the running Qt's bridge needs it; does nothing elsewhere.
void install();

// The AT-SPI object path Qt's bridge gives `element`: where a change must come from for a reader to
// match it to the element it already knows.
QString objectPath(QAccessibleInterface* element);

} // namespace ReaderChangeEvents
