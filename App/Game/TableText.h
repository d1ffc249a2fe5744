#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandEvent.h"
#include "PokerEngine/LegalActions.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The action log's English sentence for each hand event. The player's own seat is named "You",
// and its verbs then take their plain form ("You call 20", "Goldie calls 20").
struct TableText {
    std::function<QString(std::int64_t seat)> name;

    std::optional<QString> sentence(const PokerEngine::HandEvent& event) const;
    // The same sentence as a reader hears it, in the log's rows and as it happens: cards by their names,
    // not their symbols ("Flop: Ace of spades, Ten of hearts, Two of clubs", "Goldie shows King of
    // diamonds and King of hearts, Pair of Kings").
    std::optional<QString> spokenSentence(const PokerEngine::HandEvent& event) const;

  private:
    std::optional<QString> worded(const PokerEngine::HandEvent& event, bool spoken) const;
};

// A shown hand's cards as a reader hears them, wherever they are named: "King of diamonds and King of
// hearts".
QString shownCardNames(const std::vector<PokerEngine::Card>& cards);

// What a screen reader hears when new events arrive, and the prompt on the player's turn.
namespace TableAnnouncer {

// The lines to announce for `events`, in order; the player's own actions are not repeated back.
// With `heroTurn` the turn prompt comes last.
QStringList lines(const std::vector<PokerEngine::HandEvent>& events, std::optional<std::int64_t> heroSeat,
                  const std::optional<PokerEngine::LegalActions>& heroTurn, const TableText& text);

QString turnPrompt(const PokerEngine::LegalActions& legal);

} // namespace TableAnnouncer

// A card as the log writes it: "10♠", "A♥".
QString cardText(const PokerEngine::Card& card);
