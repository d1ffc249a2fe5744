#pragma once

class GameController;
class QObject;

// A hand drawn and played frees plenty of short-lived memory (art drawn for a frame, the bots' hand
// readings on their worker threads) that the C library keeps mapped between blocks still in use, so
// the resident size creeps up over an evening though nothing leaks. Once each hand's result shows,
// with the table still for a moment, the freed pages go back to the system.
namespace HeapTrim {

// Returns freed pages whenever `controller` starts showing a hand's result, for as long as `context`
// lives.
void afterEachHand(const GameController& controller, const QObject* context);

} // namespace HeapTrim
