#include "Table/TableSpeaker.h"

#include "Learn/HandTag.h"
#include "Table/LogDiff.h"

using PokerEngine::HandEvent;
using PokerEngine::PlayerView;

namespace {

// What the hand's tag says of the player's cards, in learning mode: said with them wherever they are.
std::optional<QString> tagOf(const PlayerView& view, bool learning) {
    if (!learning) {
        return std::nullopt;
    }
    const auto made = HandTag::make(view);
    return made ? std::optional(made->spoken) : std::nullopt;
}

} // namespace

void TableSpeaker::newTable() {
    told_ = PlayerView{};
    held_.clear();
    heldHand_.reset();
    prompted_.reset();
    caption_.clear();
    leaving_ = false;
}

void TableSpeaker::viewChanged(std::uint64_t table, const PlayerView& to, bool heard, const TableText& text,
                               bool learning) {
    const auto events = LogDiff::newEvents(told_, to);
    told_ = to;
    if (!heard) {
        return;
    }
    const HandKey hand = handOf(table, to);
    if (heldHand_ && *heldHand_ != hand) {
        // The game moved on before that hand's cards came to rest: what waited for them is said now.
        release();
    }
    // Other players' first moves wait behind the player's own cards, read with the table or not; the
    // hand's start does not.
    const bool cardsAwaited = (cardsTold_ != hand || readComing_ == hand) && to.holeCards.size() == 2;
    for (const HandEvent& event : events) {
        const auto line = TableSpeech::line(event, to.seatIndex, text);
        if (!line) {
            continue;
        }
        if (cardsAwaited && !event.is<HandEvent::HandStarted>()) {
            held_ << *line;
            heldHand_ = hand;
            heldCards_ = cardsTold_ == hand
                             ? QString()
                             : TableSpeech::holeCards(to, tagOf(to, learning)).value_or(QString());
        } else {
            saying_ << *line;
        }
    }
}

void TableSpeaker::release() {
    if (!heldCards_.isEmpty()) {
        saying_ << heldCards_;
        cardsTold_ = heldHand_;
    }
    saying_ << held_;
    held_.clear();
    heldHand_.reset();
    heldCards_.clear();
}

void TableSpeaker::caption(const QString& words) {
    caption_ = words;
}

void TableSpeaker::arrived(std::uint64_t table, const PlayerView& shown, bool cardsComing) {
    // A table whose start the reader is still to hear (a new game) tells it as it comes, ahead of the
    // table's reading; one under way waits for that reading.
    if (LogDiff::newEvents(told_, shown).empty()) {
        reading_ = true;
    }
    if (shown.holeCards.size() != 2) {
        return;
    }
    // The cards are read with the table even on their way: a reader reads the table only when it gets to
    // where the keys landed, often after the cards have come to rest, and cards said as they rest would
    // then be heard twice.
    cardsTold_ = handOf(table, shown);
    if (cardsComing) {
        readComing_ = cardsTold_;
        return;
    }
    // A screen made for a hand dealt a while ago (the table moved to the other surface) tells it from here
    // on: its start was heard where it was dealt.
    if (!told_) {
        told_ = shown;
    }
}

void TableSpeaker::joined(std::uint64_t table, const PlayerView& now) {
    told_ = now;
    if (now.holeCards.size() == 2) {
        cardsTold_ = handOf(table, now);
    }
}

void TableSpeaker::covering() {
    covered_ = true;
}

void TableSpeaker::uncovering() {
    covered_ = false;
    reading_ = true;
    // The guide hid the turn's controls: an open turn is told again once the table has been read.
    turnTold_ = false;
}

void TableSpeaker::read() {
    reading_ = false;
}

void TableSpeaker::away() {
    away_ = true;
    turnTold_ = false;
}

void TableSpeaker::back() {
    away_ = false;
}

void TableSpeaker::leaving() {
    leaving_ = true;
}

QString TableSpeaker::speak(const Moment& moment) {
    if (reading_ || covered_) {
        // What is due keeps: the lines of the game in `saying_`, the rest worked out afresh once read.
        return {};
    }
    QStringList said;
    said.swap(saying_);
    const PlayerView* shown = moment.heard ? moment.shown : nullptr;
    if (shown) {
        const HandKey hand = handOf(moment.table, *shown);
        if (cardsTold_ != hand && !moment.cardsComing) {
            if (const auto cards = TableSpeech::holeCards(*shown, tagOf(*shown, moment.learning))) {
                said << *cards;
                cardsTold_ = hand;
            }
        }
        if (!moment.cardsComing && readComing_ == hand) {
            readComing_.reset();
        }
        // Dealt no cards to wait for, the hand's lines go on without them.
        if (heldHand_ == hand && !moment.cardsComing) {
            heldCards_.clear();
            said << held_;
            held_.clear();
            heldHand_.reset();
        }
        const PlayerView* current = moment.current;
        const bool eventsTold = told_ && current && *told_ == *current;
        const bool currentCardsTold =
            current && (current->holeCards.size() != 2 || cardsTold_ == handOf(moment.table, *current));
        if (!caption_.isEmpty() && eventsTold && currentCardsTold && !heldHand_) {
            said << caption_;
            caption_.clear();
        }
        // After the cards of a hand that ended as they were dealt.
        if (moment.resultWaits && !moment.cardsComing && waitTold_ != hand && !heldHand_) {
            said << TableSpeech::nextHandWaits(moment.over);
            waitTold_ = hand;
        }
    }
    const bool onScreen = shown && moment.turnOpen && !leaving_ && !away_;
    bool told = false;
    if (onScreen) {
        const auto decision = TableSpeech::decision(moment.table, *shown);
        if (TableSpeech::promptDue(turnTold_, prompted_, decision) && !heldHand_) {
            said << TableSpeech::prompt(*shown, moment.namingKeys);
            prompted_ = decision;
        }
        told = prompted_ == decision;
    }
    turnTold_ = told;
    return said.join(QLatin1Char(' '));
}

QString TableSpeaker::standing(std::uint64_t table, const PlayerView& shown, bool learning) const {
    return TableSpeech::standing(shown, cardsTold_ == handOf(table, shown), tagOf(shown, learning));
}
