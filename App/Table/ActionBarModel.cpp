#include "Table/ActionBarModel.h"

#include <QLocale>

#include <algorithm>

#include "Style/ControlKind.h"
#include "Style/SpokenSentences.h"

namespace {
QString amountText(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}
} // namespace

std::int64_t ActionBarModel::current() const {
    return std::min(std::max(raiseTo, legal.minRaiseTo.value_or(0)), legal.maxRaiseTo);
}

std::int64_t ActionBarModel::shownTarget() const {
    return std::max(raiseTo, legal.minRaiseTo.value_or(0));
}

QString ActionBarModel::passiveTitle() const {
    if (legal.canCheck)
        return QStringLiteral("Check");
    if (!legal.callAmount)
        return QStringLiteral("Call");
    QString title = QStringLiteral("Call ") + amountText(*legal.callAmount);
    if (callIsAllIn())
        title += QStringLiteral(" (all-in)");
    return title;
}

bool ActionBarModel::callIsAllIn() const {
    if (!legal.callAmount || !view.seatIndex)
        return false;
    return std::any_of(view.seats.begin(), view.seats.end(), [this](const auto& seat) {
        return seat.index == *view.seatIndex && seat.stack == *legal.callAmount;
    });
}

QString ActionBarModel::raiseTitle() const {
    const std::int64_t target = shownTarget();
    if (legal.maxRaiseTo <= target)
        return QStringLiteral("All-in ") + amountText(legal.maxRaiseTo);
    return (legal.opensBetting ? QStringLiteral("Bet ") : QStringLiteral("Raise to ")) + amountText(target);
}

QString ActionBarModel::passiveTooltip() const {
    return (legal.canCheck ? QStringLiteral("Check") : QStringLiteral("Call")) +
           QStringLiteral(" (C or Space)");
}

QString ActionBarModel::raiseTooltip() const {
    return (legal.opensBetting ? QStringLiteral("Bet") : QStringLiteral("Raise")) +
           QStringLiteral(" (R to edit, Return to confirm)");
}

PokerEngine::Action ActionBarModel::passiveAction() const {
    return legal.canCheck ? PokerEngine::Action::check() : PokerEngine::Action::call();
}

RaisePresetAmounts ActionBarModel::presetAmounts() const {
    RaisePresetAmounts amounts;
    // The presets size themselves from the legal actions handed to the bar.
    PokerEngine::PlayerView sized = view;
    sized.legalActions = legal;
    for (RaisePreset preset : allRaisePresets)
        if (const auto value = amount(preset, sized))
            amounts.emplace(preset, *value);
    return amounts;
}

std::optional<RaisePreset> ActionBarModel::selectedPreset() const {
    return selectedRaisePreset(current(), chosenPreset, presetAmounts());
}

std::optional<PokerEngine::Action> ActionBarModel::confirmRaise() const {
    if (!legal.minRaiseTo)
        return std::nullopt;
    const std::int64_t minimum = *legal.minRaiseTo;
    const std::int64_t target = std::min(std::max(minimum, raiseTo), legal.maxRaiseTo);
    if (legal.maxRaiseTo <= std::max(minimum, raiseTo) && legal.canAllIn)
        return PokerEngine::Action::allIn();
    return legal.opensBetting ? PokerEngine::Action::bet(target) : PokerEngine::Action::raise(target);
}

ActionBarModel::ButtonWidths ActionBarModel::buttonWidths(double width) const {
    const double w = width - 2 * buttonSpacing;
    if (!canRaise())
        return {0.24 * w, 0.76 * w, 0};
    return {0.24 * w, 0.34 * w, 0.42 * w};
}

double ActionBarModel::presetSpacing(const TableTheme& theme) {
    return theme.style == TableStyleID::pixel ? 2 * theme.pixelUnit : 6;
}

double ActionBarModel::amountRowHeight(const TableTheme& theme) {
    return theme.surface == TableSurface::window ? 28 : 24;
}

double ActionBarModel::amountFieldWidth(const TableTheme& theme) {
    return theme.surface == TableSurface::window ? 120 : 96;
}

double ActionBarModel::buttonRowHeight(const TableTheme& theme) {
    return ControlStyle::buttonHeight(ControlSize::main, theme) +
           (theme.style == TableStyleID::satin ? 4 : 0);
}

double ActionBarModel::columnHeight(const TableTheme& theme, double presetHeight) const {
    double height = buttonRowHeight(theme);
    if (canRaise()) {
        height += presetHeight + 8 + amountRowHeight(theme) + 8;
    }
    return height;
}

ActionBarModel::RowTops ActionBarModel::rowTops(const TableTheme& theme, double presetHeight,
                                                double bandHeight) const {
    RowTops tops;
    tops.buttons = bandHeight - buttonRowHeight(theme);
    if (canRaise()) {
        tops.amount = tops.buttons - 8 - amountRowHeight(theme);
        tops.presets = *tops.amount - 8 - presetHeight;
    }
    return tops;
}

std::vector<ActionBarControl> ActionBarModel::readingOrder() {
    using Kind = ActionBarControl::Kind;
    std::vector<ActionBarControl> order;
    for (RaisePreset preset : allRaisePresets)
        order.push_back({Kind::preset, preset});
    for (Kind kind : {Kind::slider, Kind::amountField, Kind::fold, Kind::passive, Kind::raise})
        order.push_back({kind, std::nullopt});
    return order;
}

QString ordinal(std::int64_t number) {
    // The remainders keep the sign of the number, so zero and negatives take "th".
    const std::int64_t lastTwo = number % 100;
    const std::int64_t last = number % 10;
    QString suffix = QStringLiteral("th");
    if (lastTwo != 11 && lastTwo != 12 && lastTwo != 13) {
        if (last == 1)
            suffix = QStringLiteral("st");
        else if (last == 2)
            suffix = QStringLiteral("nd");
        else if (last == 3)
            suffix = QStringLiteral("rd");
    }
    return QString::number(number) + suffix;
}

double actionMessageButtonWidth(const TableTheme& theme, double widestButton) {
    const double frame = theme.style == TableStyleID::pixel ? 60 * theme.pixelUnit : 140;
    return std::max(frame, widestButton);
}

QString actionMessageAnnouncement(const QString& title, const std::optional<QString>& detail) {
    return SpokenSentences::join({title, detail.value_or(QString())});
}
