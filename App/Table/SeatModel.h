#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/PlayerView.h"
#include "PokerEngine/SeatStatus.h"
#include "Style/AvatarModel.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// One seat as the table draws it: its slot round the table (the player always at slot 0), the name
// and avatar, the line under the name, the markers and the cards shown face up.
struct SeatModel {
    // What the line under the name says.
    struct StackLine {
        enum class Kind { chips, folded, out, sittingOut, empty };

        static StackLine chips(std::int64_t stack) { return {Kind::chips, stack}; }
        // The stack of a seat that folded on this street.
        static StackLine folded(std::int64_t stack) { return {Kind::folded, stack}; }
        static StackLine out() { return {Kind::out, 0}; }
        static StackLine sittingOut() { return {Kind::sittingOut, 0}; }
        static StackLine empty() { return {Kind::empty, 0}; }

        Kind kind = Kind::empty;
        // The stack for chips and folded; 0 otherwise.
        std::int64_t stack = 0;
        bool operator==(const StackLine&) const = default;
    };

    // The engine's seat index; also the model's identity.
    std::int64_t seat = 0;
    int slot = 0;
    QString name;
    AvatarModel avatar;
    PokerEngine::SeatStatus status = PokerEngine::SeatStatus::empty;
    bool isHero = false;
    std::int64_t stack = 0;
    std::int64_t streetBet = 0;
    StackLine stackLine;
    bool isActing = false;
    // Won chips in this hand.
    bool isWinner = false;
    bool isDealer = false;
    // "SB" or "BB" when the seat posted that blind this hand.
    std::optional<QString> blind;
    std::optional<std::vector<PokerEngine::Card>> shownCards;
    // Holds hole cards, shown or not.
    bool hasCards = false;

    bool operator==(const SeatModel&) const = default;

    // The nameplate's spoken label, such as "Rascal, 1,480 chips, bet 40, big blind, to act".
    QString accessibilityLabel() const;
    // What the seat's markers mean, in the glossary's words; empty when it has none.
    QString accessibilityHint() const;
    // The parts of that hint, also the tooltips of the dealer button and the plate's tags: "Dealer: the
    // D disc…", "Small blind: the smaller…" ("SB") or "Big blind: the larger…" (any other blind).
    static QString dealerHint();
    static QString blindHint(const QString& blind);
    // The glossary's line on going all-in.
    static QString allInExplanation();

    using NameOf = std::function<QString(std::int64_t seat)>;
    using AvatarOf = std::function<AvatarModel(std::int64_t seat)>;
    using ShownCards = std::map<std::int64_t, std::vector<PokerEngine::Card>>;

    // One model per seat of the view, in the view's order. `name` is asked for every seat, `avatar` for
    // every seat but the player's; `unshown` holds cards to show face up for seats the view hides.
    static std::vector<SeatModel> seats(const PokerEngine::PlayerView& view, const NameOf& name,
                                        const AvatarOf& avatar, const ShownCards& unshown = {});
};
