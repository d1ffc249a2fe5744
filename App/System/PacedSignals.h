#pragma once

#include "System/ReaderChangeQueue.h"

#include <QString>

#include <cstddef>
#include <functional>

class QObject;

// The game's own changes told to screen readers over the accessibility bus, in order, merged while they
// wait (see ReaderChangeQueue) and at a pace a reader keeps up with (see EventPace): the bursts of a
// table built at once, or of a hand's rows all gone together, reach the reader spread over a moment
// instead of flooding it. What Qt's bridge sends itself cannot wait, but is counted, so ours make room
// for it.
namespace PacedSignals {

// The connection Qt's bridge opens to the accessibility bus: a change must come from the same sender as
// the element for a reader to place it.
inline const QString busConnection = QStringLiteral("a11y");

// Tells `change` once the pace allows; `known` is what the reader held before it.
void tell(const ReaderChangeQueue::Change& change, const QString& known);
// Tells `change` at once, before what waits: an announcement, which a reader speaks as it comes.
void tellNow(const ReaderChangeQueue::Change& change);
// Runs `then` once every change waiting now has been told (at the next turn of the event loop after the
// last, unless `context` is gone by then), or at once when none waits. What it says then reaches the
// reader after them: said before, it would wait in the reader's queue while they pile up behind it, and
// a reader flooded so drops what is not about the focus (Orca past 50).
void afterWaiting(QObject* context, std::function<void()> then);
// How many changes wait to be told.
std::size_t waiting();
// Notes a signal Qt's bridge sends now.
void noteSentByTheBridge();
// Forgets what still waits: the program is ending, and a reader lets go of all of it together.
void dropWaiting();

} // namespace PacedSignals
