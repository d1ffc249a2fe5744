#pragma once

#include "Game/GameMode.h"
#include "Game/GameSetup.h"
#include "Persistence/SetAsideReason.h"

#include <QString>

#include <cstdint>
#include <variant>

// What the lobby shows over its column: a mode the spendable chips can't pay for, a new game
// waiting for the player to give up the saved one, or a saved game that could not be resumed, why,
// and where its file was kept. Equal when the case and the whole payload are equal, the setup's seed
// included.
class HomeNotice {
  public:
    struct CantAfford {
        GameMode mode = GameMode::quickHand;
        std::int64_t needs = 0;
        bool operator==(const CantAfford&) const = default;
    };
    struct ReplaceSaved {
        GameSetup setup;
        bool operator==(const ReplaceSaved&) const = default;
    };

    struct SaveSetAside {
        // Empty when the save was removed.
        QString keptAt;
        SetAsideReason reason = SetAsideReason::damaged;
        bool operator==(const SaveSetAside&) const = default;
    };

    static HomeNotice cantAfford(GameMode mode, std::int64_t needs) {
        return HomeNotice(CantAfford{mode, needs});
    }
    static HomeNotice replaceSaved(const GameSetup& setup) { return HomeNotice(ReplaceSaved{setup}); }
    static HomeNotice saveSetAside(QString keptAt, SetAsideReason reason = SetAsideReason::damaged) {
        return HomeNotice(SaveSetAside{std::move(keptAt), reason});
    }

    const CantAfford* asCantAfford() const { return std::get_if<CantAfford>(&value_); }
    const ReplaceSaved* asReplaceSaved() const { return std::get_if<ReplaceSaved>(&value_); }
    const SaveSetAside* asSaveSetAside() const { return std::get_if<SaveSetAside>(&value_); }

    bool operator==(const HomeNotice&) const = default;

  private:
    explicit HomeNotice(std::variant<CantAfford, ReplaceSaved, SaveSetAside> value)
        : value_(std::move(value)) {}

    std::variant<CantAfford, ReplaceSaved, SaveSetAside> value_;
};
