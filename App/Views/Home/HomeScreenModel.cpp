#include "Views/Home/HomeScreenModel.h"
#include "Game/GameModeRules.h"

#include "AppState.h"
#include "Style/SatinPalette.h"
#include "Views/Home/LobbyText.h"

#include <algorithm>

HomeHero HomeHero::choose(bool hasSavedGame, GameMode defaultTable) {
    return hasSavedGame ? resume() : of(defaultTable);
}

std::vector<GameMode> HomeHero::rows(const HomeHero& hero) {
    std::vector<GameMode> rows;
    for (GameMode mode : {GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable})
        if (hero.mode != mode)
            rows.push_back(mode);
    return rows;
}

HeroCardModel HomeScreenModel::heroCardFor(const HomeHero& hero, const Profile& profile,
                                           const std::optional<SavedGame>& saved, std::int64_t spendable) {
    HeroCardModel card;
    if (hero.isResume()) {
        if (!saved)
            return card;
        card.title = QStringLiteral("Resume ") + LobbyText::modeTitle(saved->setup.mode());
        card.detail = LobbyText::resumeDetail(*saved);
        card.artHeight = 92;
        card.primary = QStringLiteral("Resume");
        card.seatedBots = LobbyText::seatedBots(*saved);
        card.board = LobbyText::resumeBoard(*saved);
        return card;
    }
    const GameMode mode = *hero.mode;
    const std::int64_t cost = GameModeRules::entryCost(mode);
    const bool affordable = LobbyText::isAffordable(mode, spendable);
    card.title = LobbyText::modeTitle(mode);
    card.detail = LobbyText::detail(mode, true, profile.choices);
    card.cost = LobbyText::grouped(cost);
    if (!affordable)
        card.needs = LobbyText::needsLine(cost);
    card.artHeight = 108;
    card.primary =
        (mode == GameMode::sitAndGo ? QStringLiteral("Register · ") : QStringLiteral("Deal · ")) + *card.cost;
    card.offersOptions = affordable;
    card.optionsHelp = card.title + QStringLiteral(" Options…");
    return card;
}

ModeRowModel HomeScreenModel::rowFor(GameMode mode, const NewGameChoices& choices, std::int64_t spendable) {
    ModeRowModel row;
    const std::int64_t cost = GameModeRules::entryCost(mode);
    row.mode = mode;
    row.title = LobbyText::modeTitle(mode);
    row.detail = LobbyText::detail(mode, false, choices);
    row.costText =
        (mode == GameMode::cashTable ? QStringLiteral("from ") : QString()) + LobbyText::grouped(cost);
    row.affordable = LobbyText::isAffordable(mode, spendable);
    if (!row.affordable)
        row.needs = LobbyText::needsLine(cost);
    row.accessibleName = row.title + QStringLiteral(". ") + row.detail;
    row.accessibleValue = row.affordable ? QStringLiteral("Costs %1 chips").arg(row.costText) : *row.needs;
    row.accessibleHint = row.affordable ? QStringLiteral("Opens its options")
                                        : QStringLiteral("Explains why you can't play it yet");
    return row;
}

HomeScreenModel HomeScreenModel::make(const Profile& profile, const std::optional<SavedGame>& saved,
                                      std::int64_t spendable, std::int64_t lastRefillAmount) {
    HomeScreenModel model;
    model.bankroll = LobbyText::grouped(profile.bankroll);
    model.bankrollSpoken = LobbyText::spokenBankroll(profile.bankroll);
    model.status = LobbyText::status(saved, lastRefillAmount);
    model.hero = HomeHero::choose(saved.has_value(), profile.settings.defaultTable);
    model.heroCard = heroCardFor(model.hero, profile, saved, spendable);
    model.sectionHeading = model.hero.isResume() ? QStringLiteral("New game") : QStringLiteral("More tables");
    for (GameMode mode : HomeHero::rows(model.hero))
        model.rows.push_back(rowFor(mode, profile.choices, spendable));
    model.offersPractice = profile.settings.learningMode && !profile.practiceRowDismissed;
    return model;
}

HomeScreenModel HomeScreenModel::make(const AppState& state) {
    return make(state.profile(), state.savedGame(), state.spendable(), state.lastRefillAmount());
}

BodyControl HomeScreenModel::keep(const BodyControl& control) const {
    bool kept = false;
    switch (control.part) {
    case BodyControl::Part::heroPrimary:
        kept = true;
        break;
    case BodyControl::Part::heroOptions:
        kept = heroCard.offersOptions;
        break;
    case BodyControl::Part::row:
        kept = std::any_of(rows.begin(), rows.end(),
                           [&](const ModeRowModel& row) { return row.mode == control.mode; });
        break;
    case BodyControl::Part::practicePlay:
    case BodyControl::Part::practiceClose:
        kept = offersPractice;
        break;
    }
    return kept ? control : BodyControl{};
}

namespace HomeLook {

TableTheme lobbyTheme(const TableTheme& art) {
    TableTheme theme = art;
    theme.style = TableStyleID::satin;
    theme.pixelUnit = art.surface == TableSurface::window ? 3 : 2;
    theme.palette = SatinPalette::palette(art.dark, art.increaseContrast);
    return theme;
}

AnimationCurve lobbyMotion() {
    return AnimationCurve::easeOut(0.24);
}

LayerPlacement placement(LayerEntrance entrance, bool reduceMotion, double shown, double travel) {
    if (reduceMotion)
        entrance = LayerEntrance::fade;
    LayerPlacement placement;
    if (entrance != LayerEntrance::fade)
        placement.dy = (1 - shown) * travel;
    if (entrance != LayerEntrance::rise)
        placement.opacity = std::clamp(shown, 0.0, 1.0);
    return placement;
}

SurfaceSwitch surfaceSwitch(TableSurface surface) {
    if (surface == TableSurface::window)
        return {QStringLiteral("arrow.down.right.and.arrow.up.left"),
                {"###..", "##...", "#.#.#", "...##", "..###"},
                QStringLiteral("Back to System Tray")};
    return {QStringLiteral("arrow.up.left.and.arrow.down.right"),
            {"..###", "...##", "#.#.#", "##...", "###.."},
            QStringLiteral("Open in Window")};
}

} // namespace HomeLook
