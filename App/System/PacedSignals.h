#pragma once

#include <QString>

class QDBusMessage;

// The game's own signals to screen readers, sent in order at a pace a reader keeps up with (see
// EventPace): the bursts of a table built at once, or of a hand's rows all gone together, reach the
// reader spread over a moment instead of flooding it. What Qt's bridge sends itself cannot wait, but
// is counted, so ours make room for it.
namespace PacedSignals {

// Sends `signal` on the accessibility bus connection named `connection`, now or after those waiting.
void send(const QString& connection, const QDBusMessage& signal);
// Notes a signal Qt's bridge sends now.
void noteSentByTheBridge();
// Forgets what still waits: the program is ending, and a reader lets go of all of it together.
void dropWaiting();

} // namespace PacedSignals
