#include "PokerEngine/EngineError.h"

namespace PokerEngine {

const char* EngineError::what() const noexcept {
    switch (kind_) {
    case Kind::amountBelowMinimum:
        return "amountBelowMinimum";
    case Kind::notYourTurn:
        return "notYourTurn";
    case Kind::illegalAction:
        return "illegalAction";
    case Kind::amountAboveStack:
        return "amountAboveStack";
    case Kind::handNotInProgress:
        return "handNotInProgress";
    case Kind::handInProgress:
        return "handInProgress";
    case Kind::notEnoughPlayers:
        return "notEnoughPlayers";
    case Kind::seatOccupied:
        break;
    }
    return "seatOccupied";
}

} // namespace PokerEngine
