#pragma once

#include "Learn/PracticeStep.h"

#include <QString>

#include <optional>
#include <set>
#include <vector>

namespace PokerEngine {
struct PlayerView;
}

struct PracticeCaption;

// The script of the practice hand: which steps the hand has reached, which one still waits for the
// player, and what each caption says. A plain value the game controller keeps and replaces.
struct PracticeNarration {
    // The practice bot's display name, used in the texts.
    QString opponent;
    // The steps whose caption the player has dismissed.
    std::set<PracticeStep> acknowledged;

    bool operator==(const PracticeNarration&) const = default;

    // The steps the hand has reached, in step order.
    static std::vector<PracticeStep> reached(const PokerEngine::PlayerView& view);
    static bool heroFolded(const PokerEngine::PlayerView& view);
    // A one-line betting tip for the player's turn.
    static std::optional<QString> tip(const PokerEngine::PlayerView& view);

    // The first reached step not yet acknowledged.
    std::optional<PracticeStep> pendingStep(const PokerEngine::PlayerView& view) const;
    // Whether the table must wait for the player; never after the player folded.
    bool holds(const PokerEngine::PlayerView& view) const;
    // What to show now: the fold caption after a fold, else the pending step's caption.
    std::optional<PracticeCaption> caption(const PokerEngine::PlayerView& view) const;
};
