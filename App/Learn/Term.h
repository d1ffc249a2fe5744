#pragma once

#include "PokerEngine/BlindSchedule.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

struct GuideDestination;

// The thirty words the learning aids explain. Declared in alphabetical order of their titles.
enum class Term {
    allIn,
    ante,
    bankroll,
    bet,
    bigBlind,
    blinds,
    board,
    button,
    buyIn,
    call,
    cashTable,
    check,
    difficulty,
    flop,
    fold,
    headsUp,
    holeCards,
    kicker,
    pot,
    quickHand,
    raise,
    river,
    showdown,
    sidePot,
    sitAndGo,
    smallBlind,
    stack,
    stakes,
    suited,
    turn
};

inline constexpr std::size_t termCount = 30;
const std::array<Term, termCount>& allTerms();

// The case name ("allIn", "sidePot"); parsing is exact and case-sensitive.
std::string_view toString(Term term);
std::optional<Term> termFromString(std::string_view text);

// The stakes a term is explained for; absent where no table or setup is in view.
struct TermNumbers {
    std::optional<PokerEngine::BlindLevel> blinds;
    bool operator==(const TermNumbers&) const = default;
};

// "Big blind (BB)".
QString title(Term term);
// The one-line definition, plain text.
QString shortText(Term term);
// A Markdown paragraph; terms without a text of their own explain themselves with their short line.
QString explanation(Term term, const TermNumbers& numbers);
// The explanation as a reader hears it: plain text, cards by their names as the table says them
// ("Ace of spades and Jack of spades"), not their symbols.
QString spokenExplanation(Term term, const TermNumbers& numbers);
// The caption of the link from a term's explanation into the guide: "Hand rankings in Poker Basics".
QString guideLinkTitle(Term term);
// Where that link opens the guide.
GuideDestination guideDestination(Term term);

// Every term sorted by title, ignoring case; built once.
const std::vector<Term>& alphabeticalTerms();
