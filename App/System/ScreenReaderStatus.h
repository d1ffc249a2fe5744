#pragma once

#include <QStringList>

// Whether a screen reader runs in this desktop session, as against any other assistive program (an
// on-screen keyboard, a magnifier) that also turns the accessibility bus on.
namespace ScreenReaderStatus {

// `readerEnabled`: the accessibility bus launcher's ScreenReaderEnabled, which the desktop's own
// screen-reader switch sets; `clients`: the command names of the programs on the accessibility bus. A
// reader started by hand (Orca from a terminal) turns on only the bus's IsEnabled, as every assistive
// program does, so it is known by its name.
bool runs(bool readerEnabled, const QStringList& clients);

// Asks the session bus now; false without a session bus or an accessibility bus on it. Each answer is
// a local call of well under a millisecond, made only when a menu is about to open.
bool runsNow();

} // namespace ScreenReaderStatus
