#pragma once

#include "BotKit/StartingHand.h"
#include "PokerEngine/HandValue.h"
#include "PokerEngine/Suit.h"

#include <QString>

// How the learning aids name hands in sentences.

// "King-queen suited", "Seven-two offsuit", "Pair of sixes".
QString spokenName(const BotKit::StartingHand& hand);

// The engine's name, except that straights and flushes say how high they are
// ("Ten-high Straight", "Ace-high Flush", "Royal Flush").
QString plainName(const PokerEngine::HandValue& value);
// "Pair", "Full House", or "Royal Flush" for an ace-high straight flush.
QString categoryName(const PokerEngine::HandValue& value);
// How a hand is named when both players hold the same one: "four Kings", "Jacks and Fours",
// "a Pair of Aces".
QString kickerName(const PokerEngine::HandValue& value);

// "A Pair of Kings", "An Ace-high Flush"; hands that read without an article stay as they are.
QString withArticle(const QString& text);
// withArticle with its leading "A "/"An " lowered, for use mid-sentence.
QString withLowerArticle(const QString& text);

// A suit's symbol as text ("♠" followed by U+FE0E), so that it never renders as a colour emoji.
QString suitText(PokerEngine::Suit suit);
