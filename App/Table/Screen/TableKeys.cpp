#include "Table/Screen/TableKeys.h"

#include "Table/ActionBarModel.h"

using PokerEngine::Action;
using PokerEngine::LegalActions;

namespace {

bool isReturn(const TableKeyPress& press) {
    return press.key == Qt::Key_Return || press.key == Qt::Key_Enter;
}

bool isSpace(const TableKeyPress& press) {
    return press.key == Qt::Key_Space || press.text == QStringLiteral(" ");
}

bool isEscape(const TableKeyPress& press) {
    return press.key == Qt::Key_Escape;
}

bool dealsNextHand(const TableKeyPress& press, const TableKeyContext& context) {
    return context.view->street == PokerEngine::Street::handComplete && context.showingResult &&
           (isReturn(press) || isSpace(press));
}

std::optional<TableKeyCommand> practiceKey(const TableKeyPress& press, const PracticeCaption& caption) {
    if (!isReturn(press) && !isSpace(press)) {
        return std::nullopt;
    }
    if (std::holds_alternative<PracticeCaption::Folded>(caption.kind)) {
        return TableCommand::PracticeAgain{};
    }
    return TableCommand::AcknowledgePractice{};
}

std::optional<TableKeyCommand> actionKey(const TableKeyPress& press, const QString& typed,
                                         const TableKeyContext& context) {
    const LegalActions& legal = *context.view->legalActions;
    if (typed == QStringLiteral("f")) {
        return TableCommand::Act{Action::fold()};
    }
    if (typed == QStringLiteral("c") || isSpace(press)) {
        return TableCommand::Act{legal.canCheck ? Action::check() : Action::call()};
    }
    if (typed == QStringLiteral("r")) {
        if (!legal.minRaiseTo) {
            return std::nullopt;
        }
        return TableCommand::FocusRaiseField{};
    }
    if (typed.size() == 1) {
        if (const auto preset = raisePresetForDigit(typed.front())) {
            const auto target = amount(*preset, *context.view);
            if (!target) {
                return std::nullopt;
            }
            return TableCommand::ChoosePreset{*preset, *target};
        }
    }
    if (isReturn(press)) {
        // The same bet or raise the action bar's button would send for this target.
        const ActionBarModel bar{*context.view, legal, context.raiseTo, std::nullopt};
        if (const auto action = bar.confirmRaise()) {
            return TableCommand::Act{*action};
        }
    }
    return std::nullopt;
}

} // namespace

namespace TableKeys {

namespace {

std::optional<TableKeyCommand> onTheTable(const TableKeyPress& press, const TableKeyContext& context) {
    if (context.focus == TableFocus::raiseField) {
        if (isEscape(press)) {
            return TableCommand::FocusTable{};
        }
        return std::nullopt; // the field handles its own keys
    }
    const QString typed = press.text.toLower();
    if (typed == QStringLiteral("?")) {
        return TableCommand::OpenGuide{};
    }
    if (context.caption && typed != QStringLiteral("p")) {
        return practiceKey(press, *context.caption);
    }
    if (typed == QStringLiteral("p")) {
        return TableCommand::TogglePause{};
    }
    if (dealsNextHand(press, context)) {
        return TableCommand::DealNextHand{};
    }
    if (!context.view->legalActions || !context.pauseReasons.empty() || context.dealingToPlayer) {
        return std::nullopt;
    }
    if (!context.controlsSeen && (isReturn(press) || isSpace(press))) {
        return std::nullopt;
    }
    return actionKey(press, typed, context);
}

} // namespace

std::optional<TableKeyCommand> handle(const TableKeyPress& press, const TableKeyContext& context) {
    constexpr Qt::KeyboardModifiers windowModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (press.modifiers & windowModifiers) {
        return std::nullopt;
    }
    if (press.autoRepeat) {
        return std::nullopt;
    }
    if (!context.view || context.confirmingLeave || context.guideOpen) {
        return std::nullopt;
    }
    if (!press.fromElsewhere) {
        return onTheTable(press, context);
    }
    // The amount field is not where the keys are.
    TableKeyContext elsewhere = context;
    elsewhere.focus = TableFocus::table;
    return onTheTable(press, elsewhere);
}

} // namespace TableKeys
