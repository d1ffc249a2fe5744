#include "Table/SeatModel.h"

#include "Game/TableText.h"
#include "PokerEngine/HandEvent.h"
#include "Table/SeatLayout.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <set>

using PokerEngine::HandEvent;
using PokerEngine::SeatStatus;

namespace {

// What one pass over the hand's log tells about the seats.
struct LogMarkers {
    std::set<std::int64_t> foldedThisStreet;
    std::map<std::int64_t, QString> blinds;
    std::set<std::int64_t> winners;
};

LogMarkers readLog(const std::vector<HandEvent>& log) {
    LogMarkers markers;
    for (const auto& event : log) {
        if (const auto* acted = event.as<HandEvent::Acted>()) {
            if (acted->kind == PokerEngine::ActionKind::fold) {
                markers.foldedThisStreet.insert(acted->seat);
            }
        } else if (event.is<HandEvent::BoardDealt>()) {
            markers.foldedThisStreet.clear();
        } else if (const auto* blind = event.as<HandEvent::BlindPosted>()) {
            markers.blinds[blind->seat] =
                blind->blind == PokerEngine::BlindKind::small ? QStringLiteral("SB") : QStringLiteral("BB");
        } else if (const auto* awarded = event.as<HandEvent::PotAwarded>()) {
            for (const auto& share : awarded->shares) {
                markers.winners.insert(share.seat);
            }
        }
    }
    return markers;
}

SeatModel::StackLine stackLineOf(const PokerEngine::SeatView& seat, const LogMarkers& markers) {
    switch (seat.status) {
    case SeatStatus::empty:
        return SeatModel::StackLine::empty();
    case SeatStatus::sittingOut:
        return SeatModel::StackLine::sittingOut();
    case SeatStatus::busted:
        return SeatModel::StackLine::out();
    case SeatStatus::folded:
        return markers.foldedThisStreet.count(seat.index) > 0 ? SeatModel::StackLine::folded(seat.stack)
                                                              : SeatModel::StackLine::chips(seat.stack);
    case SeatStatus::active:
    case SeatStatus::allIn:
        break;
    }
    return SeatModel::StackLine::chips(seat.stack);
}

QString chips(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}

// The glossary's short line with its first letter lower-cased, after a prefix.
QString hintPart(const QString& prefix, const QString& sentence) {
    return prefix + sentence.left(1).toLower() + sentence.mid(1);
}

} // namespace

std::vector<SeatModel> SeatModel::seats(const PokerEngine::PlayerView& view, const NameOf& name,
                                        const AvatarOf& avatar, const ShownCards& unshown) {
    std::vector<SeatModel> models;
    if (view.seats.empty()) {
        return models;
    }
    const LogMarkers markers = readLog(view.log);
    const bool markersOn = !(view.log.empty() && view.street == PokerEngine::Street::handComplete);
    const auto n = static_cast<std::int64_t>(std::clamp<std::size_t>(view.seats.size(), 2, 6));
    const std::vector<int> slotList = SeatLayout::slotsForSeatCount(static_cast<int>(n));
    const std::int64_t base = view.seatIndex.value_or(0);

    for (const auto& seat : view.seats) {
        SeatModel model;
        model.seat = seat.index;
        model.isHero = view.seatIndex && *view.seatIndex == seat.index;
        const std::int64_t position = ((seat.index - base) % n + n) % n;
        model.slot = slotList[static_cast<std::size_t>(position)];
        model.name = name(seat.index);
        model.avatar = model.isHero ? AvatarModel::hero() : avatar(seat.index);
        model.status = seat.status;
        model.stack = seat.stack;
        model.streetBet = seat.streetBet;
        model.hasCards = seat.hasCards;
        model.stackLine = stackLineOf(seat, markers);
        model.isActing = view.actingIndex && *view.actingIndex == seat.index;
        model.isWinner = markers.winners.count(seat.index) > 0;
        model.isDealer = markersOn && seat.status != SeatStatus::empty && view.buttonIndex == seat.index;
        if (markersOn && view.street != PokerEngine::Street::handComplete) {
            if (const auto blind = markers.blinds.find(seat.index); blind != markers.blinds.end()) {
                model.blind = blind->second;
            }
        }
        if (model.isHero) {
            model.shownCards = view.holeCards;
        } else if (seat.holeCards) {
            model.shownCards = seat.holeCards;
        } else if (const auto cards = unshown.find(seat.index); cards != unshown.end()) {
            model.shownCards = cards->second;
        }
        models.push_back(std::move(model));
    }
    return models;
}

QString SeatModel::accessibilityLabel() const {
    if (status == SeatStatus::empty) {
        return QStringLiteral("Empty seat");
    }
    QStringList parts{name};
    if (status == SeatStatus::sittingOut) {
        parts << QStringLiteral("sitting out");
    } else if (status == SeatStatus::busted) {
        parts << QStringLiteral("out");
    } else {
        parts << chips(stack) + QStringLiteral(" chips");
    }
    if (streetBet >= 1) {
        parts << QStringLiteral("bet ") + chips(streetBet);
    }
    if (isDealer) {
        parts << QStringLiteral("dealer");
    }
    if (blind) {
        parts << (*blind == QLatin1String("SB") ? QStringLiteral("small blind")
                                                : QStringLiteral("big blind"));
    }
    if (status == SeatStatus::folded) {
        parts << QStringLiteral("folded");
    } else if (status == SeatStatus::allIn) {
        parts << QStringLiteral("all-in");
    }
    if (isActing) {
        parts << (isHero ? QStringLiteral("your turn") : QStringLiteral("to act"));
    }
    if (isWinner) {
        parts << QStringLiteral("winner");
    }
    if (!isHero && shownCards) {
        parts << QStringLiteral("shows ") + shownCardNames(*shownCards);
    }
    return parts.join(QStringLiteral(", "));
}

QString SeatModel::dealerHint() {
    return hintPart(QStringLiteral("Dealer: "),
                    QStringLiteral("The D disc. It marks the dealer and moves one seat each hand."));
}

QString SeatModel::blindHint(const QString& blind) {
    if (blind == QLatin1String("SB")) {
        return hintPart(QStringLiteral("Small blind: "),
                        QStringLiteral("The smaller forced bet, half the big blind, put in by the player "
                                       "after the button."));
    }
    return hintPart(QStringLiteral("Big blind: "),
                    QStringLiteral("The larger forced bet, put in by the second player after the button."));
}

QString SeatModel::allInExplanation() {
    return QStringLiteral("Betting every chip you have. Nobody can make you fold after that.");
}

QString SeatModel::accessibilityHint() const {
    QStringList parts;
    if (isDealer) {
        parts << dealerHint();
    }
    if (blind) {
        parts << blindHint(*blind);
    }
    if (status == SeatStatus::allIn) {
        parts << hintPart(QStringLiteral("All-in: "), allInExplanation());
    }
    return parts.join(QLatin1Char(' '));
}
