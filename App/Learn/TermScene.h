#pragma once

#include "Learn/Term.h"

// The small picture beside a term's explanation, chosen by the term.
enum class TermScene {
    // One lit stack of chips: bankroll, buy-in, pot…
    chips,
    // The two blinds, each a tag over its chips.
    blinds,
    // The dealer button alone.
    dealerButton,
    // A miniature table with three bots.
    table,
    // The same table with one bot.
    headsUpTable,
    // Two overlapping avatars.
    avatars,
    // The ace of spades and the king of hearts.
    cards
};

TermScene termScene(Term term);
