#pragma once

#include "Learn/GuideContent.h"

#include "BotKit/HandReading.h"
#include "BotKit/StartingHand.h"
#include "PokerEngine/Card.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace PokerEngine {
struct PlayerView;
}

// What learning mode says beside the player's cards: before the flop a rating of the two cards, from the
// flop on the name of the best five-card hand with up to two short lines of detail.
struct HandTag {
    // "Good start", "Two Pair", "Pair of Aces".
    QString title;
    // 1 to 5 before the flop; absent after it.
    std::optional<int> pips;
    // Up to two detail lines under the title.
    QStringList lines;
    // The longer explanation shown on hover.
    QString help;
    // What a screen reader says for the whole tag.
    QString spoken;

    bool operator==(const HandTag&) const = default;

    // A hint line and what it means: "Top pair" and a sentence.
    struct Hint {
        QString text;
        QString explanation;
        bool operator==(const Hint&) const = default;
    };

    // The viewer's tag; none for a spectator, a folded seat or a seat without exactly two cards.
    static std::optional<HandTag> make(const PokerEngine::PlayerView& view);
    // The chart's band, one step better with three players or fewer.
    static StartingBand band(const BotKit::StartingHand& hand, int players);
    static HandTag preflop(const BotKit::StartingHand& hand, int players);
    // Two hole cards and three to five board cards.
    static HandTag postflop(const std::vector<PokerEngine::Card>& hole,
                            const std::vector<PokerEngine::Card>& board);
    static std::optional<Hint> helper(const BotKit::HandReading& reading,
                                      const std::vector<PokerEngine::Card>& hole,
                                      const std::vector<PokerEngine::Card>& board);
};

// The category of what the viewer holds from the flop on ("Two Pair", "Royal Flush"), for the guide to
// point at; none before the flop, for a spectator or a folded seat.
std::optional<QString> heldRankName(const PokerEngine::PlayerView& view);
