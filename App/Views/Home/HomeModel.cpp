#include "Views/Home/HomeModel.h"
#include "Game/GameModeRules.h"

#include "AppState.h"
#include "GameController.h"
#include "Views/Home/LobbyText.h"

#include <QRandomGenerator>

std::uint64_t HomeModel::systemSeed() {
    return QRandomGenerator::system()->generate64();
}

HomeModel::HomeModel(AppState& appState, GameController& controller, SeedSource seeds, QObject* parent)
    : QObject(parent)
    , appState_(appState)
    , controller_(controller)
    , seeds_(std::move(seeds)) {}

void HomeModel::setSheet(std::optional<NewGameSheetModel> sheet, bool animated) {
    const bool changed = sheet.has_value() != sheet_.has_value() ||
                         (sheet && (sheet->mode() != sheet_->mode() || sheet->seed() != sheet_->seed()));
    sheet_ = std::move(sheet);
    if (changed)
        emit sheetChanged(animated);
}

void HomeModel::setNotice(std::optional<HomeNotice> notice, bool animated) {
    if (notice == notice_)
        return;
    notice_ = std::move(notice);
    emit noticeChanged(animated);
}

void HomeModel::setGuide(std::optional<GuideDestination> guide, bool animated) {
    if (guide == guide_)
        return;
    guide_ = std::move(guide);
    emit guideChanged(animated);
}

GameSetup HomeModel::setupFor(GameMode mode, std::uint64_t seed) const {
    // Quick Hand and Sit & Go cost the same whatever the choices, so the bankroll plays no part here.
    return NewGameSheetModel(mode, seed).setup(appState_.choices(), appState_.spendable());
}

void HomeModel::play(GameMode mode) {
    if (!LobbyText::isAffordable(mode, appState_.spendable())) {
        setNotice(HomeNotice::cantAfford(mode, GameModeRules::entryCost(mode)), true);
        return;
    }
    if (mode == GameMode::cashTable) {
        openSheet(mode);
        return;
    }
    begin(setupFor(mode, seeds_()));
}

void HomeModel::choose(GameMode mode) {
    if (!LobbyText::isAffordable(mode, appState_.spendable())) {
        setNotice(HomeNotice::cantAfford(mode, GameModeRules::entryCost(mode)), true);
        return;
    }
    openSheet(mode);
}

void HomeModel::openSheet(GameMode mode) {
    setNotice(std::nullopt, false);
    setSheet(NewGameSheetModel(mode, seeds_()), true);
}

void HomeModel::closeSheet() {
    setSheet(std::nullopt, true);
}

void HomeModel::begin(GameSetup setup) {
    // Checked here too, whoever built the setup: chips that went meanwhile (a refill undone, a saved
    // game's stake) must not seat a table the bankroll can't pay for.
    const std::int64_t cost = GameModeRules::setupCost(setup);
    if (appState_.spendable() < cost) {
        setSheet(std::nullopt, true);
        setNotice(HomeNotice::cantAfford(setup.mode(), cost), true);
        return;
    }
    if (const auto& saved = appState_.savedGame();
        saved && SavedGame::forfeit(saved->setup, saved->state, saved->hero) >= 1) {
        const HomeNotice question = HomeNotice::replaceSaved(setup);
        if (notice_ != question) {
            setSheet(std::nullopt, true);
            setNotice(question, true);
            return;
        }
    }
    setNotice(std::nullopt, false);
    setSheet(std::nullopt, false);
    appState_.abandonSavedGame();
    controller_.start(setup);
}

void HomeModel::startPractice() {
    setNotice(std::nullopt, false);
    setSheet(std::nullopt, false);
    setGuide(std::nullopt, false);
    controller_.start(NewGameSheetModel::practiceSetup());
}

void HomeModel::resume() {
    // A copy: restoring checkpoints the table, which replaces the app state's saved game.
    if (const std::optional<SavedGame> saved = appState_.savedGame())
        controller_.restore(*saved);
}

void HomeModel::dismissNotice() {
    setNotice(std::nullopt, true);
}

void HomeModel::openGuide(const GuideDestination& destination) {
    setGuide(destination, true);
}

void HomeModel::closeGuide() {
    setGuide(std::nullopt, true);
}

void HomeModel::dismissPracticeRow() {
    Profile profile = appState_.profile();
    profile.practiceRowDismissed = true;
    appState_.setProfile(profile);
}

void HomeModel::appeared() {
    appState_.refillIfNewDay();
    // Told once, the first time the lobby shows, and never over a question already asked.
    if (const auto setAside = appState_.untoldSetAsideSave(); setAside && !notice_) {
        setNotice(HomeNotice::saveSetAside(setAside->keptAt, setAside->reason), true);
        appState_.setAsideSaveTold();
    }
}
