#include "Learn/PracticeNarration.h"

#include "Learn/PracticeCaption.h"

#include "PokerEngine/PlayerView.h"

#include <QLocale>

using PokerEngine::HandEvent;
using PokerEngine::Street;

std::vector<PracticeStep> PracticeNarration::reached(const PokerEngine::PlayerView& view) {
    if (!view.seatIndex) {
        return {};
    }
    const auto seat = *view.seatIndex;
    bool dealt = false;
    bool blindPosted = false;
    bool acted = false;
    std::set<Street> boards;
    for (const HandEvent& event : view.log) {
        if (const auto* cards = event.as<HandEvent::HoleCardsDealt>()) {
            dealt = dealt || cards->seat == seat;
        } else if (event.as<HandEvent::BlindPosted>()) {
            blindPosted = true;
        } else if (const auto* board = event.as<HandEvent::BoardDealt>()) {
            boards.insert(board->street);
        } else if (const auto* action = event.as<HandEvent::Acted>()) {
            acted = acted || action->seat == seat;
        }
    }
    std::vector<PracticeStep> steps;
    if (dealt) {
        steps.push_back(PracticeStep::yourCards);
        if (blindPosted) {
            steps.push_back(PracticeStep::blinds);
        }
    }
    if (acted || view.isMyTurn()) {
        steps.push_back(PracticeStep::firstDecision);
    }
    for (const auto& [street, step] :
         {std::pair{Street::flop, PracticeStep::flop}, std::pair{Street::turn, PracticeStep::turn},
          std::pair{Street::river, PracticeStep::river}}) {
        if (boards.contains(street)) {
            steps.push_back(step);
        }
    }
    if (view.street == Street::handComplete && !heroFolded(view)) {
        steps.push_back(PracticeStep::showdown);
    }
    return steps;
}

bool PracticeNarration::heroFolded(const PokerEngine::PlayerView& view) {
    if (!view.seatIndex) {
        return false;
    }
    for (const HandEvent& event : view.log) {
        const auto* action = event.as<HandEvent::Acted>();
        if (action && action->seat == *view.seatIndex && action->kind == PokerEngine::ActionKind::fold) {
            return true;
        }
    }
    return false;
}

std::optional<PracticeStep> PracticeNarration::pendingStep(const PokerEngine::PlayerView& view) const {
    for (const PracticeStep step : reached(view)) {
        if (!acknowledged.contains(step)) {
            return step;
        }
    }
    return std::nullopt;
}

bool PracticeNarration::holds(const PokerEngine::PlayerView& view) const {
    return !heroFolded(view) && pendingStep(view).has_value();
}

std::optional<QString> PracticeNarration::tip(const PokerEngine::PlayerView& view) {
    if (!view.legalActions) {
        return std::nullopt;
    }
    QString next;
    switch (view.street) {
    case Street::preflop:
        next = QStringLiteral("the flop");
        break;
    case Street::flop:
        next = QStringLiteral("the turn");
        break;
    case Street::turn:
        next = QStringLiteral("the river");
        break;
    default:
        next = QStringLiteral("the showdown");
        break;
    }
    if (view.legalActions->canCheck) {
        return QStringLiteral("Tip: check to see %1 for free.").arg(next);
    }
    if (view.legalActions->callAmount) {
        return QStringLiteral("Tip: call %1 to see %2.")
            .arg(QLocale().toString(static_cast<qint64>(*view.legalActions->callAmount)), next);
    }
    return std::nullopt;
}
