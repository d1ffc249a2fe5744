#pragma once

#include <cstdint>
#include <exception>
#include <optional>

namespace PokerEngine {

// The engine's refusals. Thrown by its operations; the caller's state is left as it was.
// There is no message text: the screens supply all wording.
class EngineError : public std::exception {
  public:
    enum class Kind {
        amountBelowMinimum,
        notYourTurn,
        illegalAction,
        amountAboveStack,
        handNotInProgress,
        handInProgress,
        notEnoughPlayers,
        seatOccupied,
    };

    // A bet or raise below the seat's minimum, which it carries.
    static EngineError amountBelowMinimum(std::int64_t min) {
        return EngineError(Kind::amountBelowMinimum, min);
    }
    static EngineError notYourTurn() { return EngineError(Kind::notYourTurn); }
    static EngineError illegalAction() { return EngineError(Kind::illegalAction); }
    static EngineError amountAboveStack() { return EngineError(Kind::amountAboveStack); }
    static EngineError handNotInProgress() { return EngineError(Kind::handNotInProgress); }
    static EngineError handInProgress() { return EngineError(Kind::handInProgress); }
    static EngineError notEnoughPlayers() { return EngineError(Kind::notEnoughPlayers); }
    static EngineError seatOccupied() { return EngineError(Kind::seatOccupied); }

    Kind kind() const { return kind_; }
    // Present for amountBelowMinimum only.
    std::optional<std::int64_t> min() const { return min_; }

    // The case name, for logs and test output.
    const char* what() const noexcept override;

    bool operator==(const EngineError& other) const { return kind_ == other.kind_ && min_ == other.min_; }

  private:
    explicit EngineError(Kind kind, std::optional<std::int64_t> min = std::nullopt)
        : kind_(kind)
        , min_(min) {}

    Kind kind_;
    std::optional<std::int64_t> min_;
};

} // namespace PokerEngine
