#include "Table/Screen/TableKeys.h"

#include "Table/ActionBarModel.h"
#include "Table/TurnGate.h"

#include <QStringList>

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

// The keys that bet: f, c, Space, r, the preset digits and Return.
bool isActionKey(const TableKeyPress& press, const QString& typed) {
    static const QStringList letters{QStringLiteral("f"), QStringLiteral("c"), QStringLiteral("r"),
                                     QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4")};
    return isReturn(press) || isSpace(press) || letters.contains(typed);
}

std::optional<TableKeyCommand> practiceKey(const TableKeyPress& press, const QString& typed,
                                           const TableKeyContext& context) {
    if (!isReturn(press) && !isSpace(press)) {
        return isActionKey(press, typed) ? std::optional<TableKeyCommand>(TableCommand::Tell{context.notNow})
                                         : std::nullopt;
    }
    const PracticeCaption& caption = *context.caption;
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
            // The focus stays on the table, and the player hears why.
            return TableCommand::Tell{TurnGate::noRaise(*context.view)};
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

bool controlsSeen(double now, double shownAt, double advancedAt) {
    return now - shownAt >= controlsSettleSeconds || shownAt - advancedAt >= controlsSettleSeconds;
}

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
        return practiceKey(press, typed, context);
    }
    if (typed == QStringLiteral("p")) {
        return TableCommand::TogglePause{};
    }
    if (dealsNextHand(press, context)) {
        return TableCommand::DealNextHand{};
    }
    if (!isActionKey(press, typed)) {
        return std::nullopt;
    }
    // Never lost without a word, and never kept for later: it would act on a decision not yet shown.
    const bool unseenControls = !context.controlsSeen && (isReturn(press) || isSpace(press));
    if (!context.view->legalActions || !context.pauseReasons.empty() || !context.turnOpen || unseenControls) {
        return TableCommand::Tell{context.notNow};
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
    if (!context.view || context.confirmingLeave) {
        return std::nullopt;
    }
    if (context.guideOpen) {
        // The table's keys reach it from inside the guide over it: the player hears why they do nothing.
        const QString typed = press.text.toLower();
        const bool tableKey =
            typed == QStringLiteral("?") || typed == QStringLiteral("p") || isActionKey(press, typed);
        return tableKey ? std::optional<TableKeyCommand>(TableCommand::Tell{context.notNow}) : std::nullopt;
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
