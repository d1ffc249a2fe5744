#pragma once

#include "Game/GameSetup.h"
#include "Game/TableOver.h"
#include "Persistence/NewGameChoices.h"

#include <QString>

#include <cstdint>
#include <optional>

// The panel that sums up a finished game and offers the next one. Pure: the screen draws it and does
// what a press of its buttons comes to.
struct TableOverModel {
    enum class Action { playAgain, quickHand, home, leaveTable };
    struct Button {
        QString title;
        Action action = Action::home;
        bool operator==(const Button&) const = default;
    };

    QString title;
    QString detail;
    Button primary;
    std::optional<Button> secondary;
    // What "Play Again" or "Play a Quick Hand" starts, and what it costs.
    std::optional<GameSetup> offer;
    std::int64_t offerCost = 0;

    bool operator==(const TableOverModel&) const = default;

    struct Inputs {
        TableOver over;
        std::optional<GameSetup> setup;
        NewGameChoices choices;
        std::int64_t bankroll = 0;
        std::int64_t spendable = 0;
        bool savedGame = false;
        // A fresh random seed for the offered game.
        std::uint64_t seed = 0;
    };
    static TableOverModel make(const Inputs& inputs);

    // The title and detail lines alone.
    struct Text {
        QString title;
        QString detail;
        bool operator==(const Text&) const = default;
    };
    static Text text(const TableOver& over, std::int64_t bankroll);
    // What the player sat down with at a game they may leave before it is over, against which the chips
    // in front of them are won or lost: a cash table's buy-in, or a Quick Hand's starting stack (its
    // hands are booked one by one, and the stack carries from hand to hand). None for a Sit & Go, whose
    // leaving forfeits the buy-in, or a practice hand, which plays for nothing.
    static std::optional<std::int64_t> broughtIn(const GameSetup& setup);
    // What a reader hears as the player leaves such a game: the chips in front of them, the win or loss
    // against what they brought, and the bankroll.
    static QString leftTable(std::int64_t takenBack, std::int64_t broughtIn, std::int64_t bankroll);

    // What leaving a game before its end takes away.
    struct Leaving {
        // At a cash table or a Quick Hand: the chips in front of the player, and what they sat down with.
        std::int64_t takenBack = 0;
        std::int64_t broughtIn = 0;
        // At a Sit & Go: the buy-in lost with it. Its chips were never the player's to take away.
        std::optional<std::int64_t> forfeited;
        bool operator==(const Leaving&) const = default;
    };
    // Leaving `setup` now, with `stack` chips in front of the player and `forfeit` the cost of leaving
    // (the controller's leave forfeit). Absent for a practice hand, which plays for nothing.
    static std::optional<Leaving> leaving(const GameSetup& setup, std::int64_t stack, std::int64_t forfeit);
    // What a reader hears as the player goes: what they took away, or what ended and what it cost; and
    // the bankroll.
    static QString leftTable(const Leaving& leaving, std::int64_t bankroll);

    // A fresh game like `current` from the remembered choices and the chips the player can spend now;
    // absent without a game.
    static std::optional<GameSetup> nextSetup(const std::optional<GameSetup>& current,
                                              const NewGameChoices& choices, std::int64_t spendable,
                                              std::uint64_t seed);
    // Why an offer pressed after the chips went could not start.
    static QString refusal(std::int64_t cost, std::int64_t spendable);

    // What a press of a button comes to: leaving the table, starting the offer, or, when the chips
    // have gone since the panel showed (`spendable`: what the player can spend at the press), the
    // refusal to show in place of the detail.
    struct Press {
        bool leaves = false;
        std::optional<GameSetup> starts;
        std::optional<QString> refusal;
        bool operator==(const Press&) const = default;
    };
    Press press(Action action, std::int64_t spendable) const;
};
