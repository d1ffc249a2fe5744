#include "Views/Home/HomeScreenModel.h"

#include "Home/LobbyHarness.h"

#include <gtest/gtest.h>

namespace {

Profile withDefault(GameMode mode, std::int64_t bankroll = 10000) {
    Profile profile;
    profile.bankroll = bankroll;
    profile.settings.defaultTable = mode;
    return profile;
}

std::vector<GameMode> modesOf(const HomeScreenModel& model) {
    std::vector<GameMode> modes;
    for (const auto& row : model.rows)
        modes.push_back(row.mode);
    return modes;
}

} // namespace

TEST(HomeHeroChoice, RowsLeaveOutTheHerosModeAndNeverOfferPractice) {
    using M = GameMode;
    EXPECT_EQ(HomeHero::rows(HomeHero::of(M::quickHand)), (std::vector{M::sitAndGo, M::cashTable}));
    EXPECT_EQ(HomeHero::rows(HomeHero::of(M::sitAndGo)), (std::vector{M::quickHand, M::cashTable}));
    EXPECT_EQ(HomeHero::rows(HomeHero::of(M::cashTable)), (std::vector{M::quickHand, M::sitAndGo}));
    EXPECT_EQ(HomeHero::rows(HomeHero::of(M::practice)),
              (std::vector{M::quickHand, M::sitAndGo, M::cashTable}));
    EXPECT_EQ(HomeHero::rows(HomeHero::resume()), (std::vector{M::quickHand, M::sitAndGo, M::cashTable}));
    EXPECT_EQ(HomeHero::choose(true, M::practice), HomeHero::resume());
    EXPECT_EQ(HomeHero::choose(false, M::practice), HomeHero::of(M::practice));
}

TEST(HomeScreen, DefaultSitAndGoWithPlentyOfChips) {
    const auto model = HomeScreenModel::make(withDefault(GameMode::sitAndGo), std::nullopt, 10000, 0);
    EXPECT_EQ(model.bankroll, "10,000");
    EXPECT_EQ(model.bankrollSpoken, "Bankroll: 10,000 chips");
    EXPECT_EQ(model.status, std::nullopt);
    EXPECT_EQ(model.heroCard.title, "Sit & Go");
    EXPECT_EQ(model.heroCard.cost, "500");
    EXPECT_EQ(model.heroCard.needs, std::nullopt);
    EXPECT_EQ(model.heroCard.primary, "Register · 500");
    EXPECT_TRUE(model.heroCard.offersOptions);
    EXPECT_EQ(model.heroCard.optionsHelp, "Sit & Go Options…");
    EXPECT_EQ(model.heroCard.artHeight, 108);
    EXPECT_EQ(model.sectionHeading, "More tables");
    ASSERT_EQ(modesOf(model), (std::vector{GameMode::quickHand, GameMode::cashTable}));
    EXPECT_EQ(model.rows[0].costText, "2,000");
    EXPECT_EQ(model.rows[1].costText, "from 400");
    for (const auto& row : model.rows) {
        EXPECT_TRUE(row.affordable);
        EXPECT_EQ(row.needs, std::nullopt);
    }
    EXPECT_EQ(model.rows[1].accessibleName, "Cash Table. 2–6 players · leave any time");
    EXPECT_EQ(model.rows[1].accessibleValue, "Costs from 400 chips");
    EXPECT_EQ(model.rows[1].accessibleHint, "Opens its options");
}

TEST(HomeScreen, HeroCardAtAndBelowTheQuickHandCost) {
    const Profile profile = withDefault(GameMode::quickHand);
    const auto enough =
        HomeScreenModel::heroCardFor(HomeHero::of(GameMode::quickHand), profile, std::nullopt, 2000);
    EXPECT_EQ(enough.cost, "2,000");
    EXPECT_EQ(enough.needs, std::nullopt);
    EXPECT_EQ(enough.primary, "Deal · 2,000");
    EXPECT_TRUE(enough.offersOptions);
    EXPECT_EQ(enough.optionsHelp, "Quick Hand Options…");
    const auto shy =
        HomeScreenModel::heroCardFor(HomeHero::of(GameMode::quickHand), profile, std::nullopt, 1999);
    EXPECT_EQ(shy.needs, "Needs 2,000 chips");
    EXPECT_EQ(shy.primary, "Deal · 2,000");
    EXPECT_FALSE(shy.offersOptions);
    const auto cash =
        HomeScreenModel::heroCardFor(HomeHero::of(GameMode::cashTable), profile, std::nullopt, 400);
    EXPECT_EQ(cash.cost, "400");
    EXPECT_EQ(cash.primary, "Deal · 400");
    const auto practice =
        HomeScreenModel::heroCardFor(HomeHero::of(GameMode::practice), profile, std::nullopt, -50);
    EXPECT_EQ(practice.cost, "0");
    EXPECT_EQ(practice.needs, "Needs 0 chips");
}

TEST(HomeScreen, ThreeHundredChipsLockEveryRow) {
    const auto model = HomeScreenModel::make(withDefault(GameMode::quickHand, 300), std::nullopt, 300, 0);
    EXPECT_EQ(model.heroCard.needs, "Needs 2,000 chips");
    EXPECT_FALSE(model.heroCard.offersOptions);
    ASSERT_EQ(model.rows.size(), 2u);
    EXPECT_EQ(model.rows[0].needs, "Needs 500 chips");
    EXPECT_EQ(model.rows[1].costText, "from 400");
    EXPECT_EQ(model.rows[1].needs, "Needs 400 chips");
    EXPECT_EQ(model.rows[1].accessibleValue, "Needs 400 chips");
    EXPECT_EQ(model.rows[1].accessibleHint, "Explains why you can't play it yet");
}

TEST(HomeScreen, SavedGameTakesTheHeroAndListsEveryMode) {
    const SavedGame saved = SavedGameFixtures::cashTable(2, -1);
    const auto model = HomeScreenModel::make(withDefault(GameMode::sitAndGo), saved, 10000, 0);
    EXPECT_TRUE(model.hero.isResume());
    EXPECT_EQ(model.heroCard.title, "Resume Cash Table");
    EXPECT_EQ(model.heroCard.primary, "Resume");
    EXPECT_EQ(model.heroCard.artHeight, 92);
    EXPECT_EQ(model.heroCard.cost, std::nullopt);
    EXPECT_FALSE(model.heroCard.offersOptions);
    EXPECT_EQ(model.heroCard.seatedBots.size(), 2u);
    EXPECT_EQ(model.sectionHeading, "New game");
    EXPECT_EQ(modesOf(model), (std::vector{GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable}));
    EXPECT_EQ(model.status, "5,000 of it is on your Cash Table");
}

TEST(HomeScreen, AffordabilityReadsTheSpendableChipsNotTheBankroll) {
    LobbyHarness lobby;
    lobby.setBankroll(2300);
    lobby.state.checkpoint(SavedGameFixtures::sitAndGo(1));
    const auto model = HomeScreenModel::make(lobby.state);
    EXPECT_EQ(model.bankroll, "2,300");
    EXPECT_EQ(model.rows[0].mode, GameMode::quickHand);
    EXPECT_EQ(model.rows[0].needs, "Needs 2,000 chips");
    EXPECT_TRUE(model.rows[1].affordable);
}

TEST(HomeScreen, PracticeSuggestionNeedsLearningModeAndNoDismissal) {
    Profile profile;
    EXPECT_FALSE(HomeScreenModel::make(profile, std::nullopt, 0, 0).offersPractice);
    profile.settings.learningMode = true;
    EXPECT_TRUE(HomeScreenModel::make(profile, std::nullopt, 0, 0).offersPractice);
    profile.practiceRowDismissed = true;
    EXPECT_FALSE(HomeScreenModel::make(profile, std::nullopt, 0, 0).offersPractice);
}

TEST(HomeLook, LobbyIsSatinWithTheGivenAppearance) {
    const TableTheme art = TableTheme::drawnIn(TableStyleID::pixel, TableSurface::window, 5,
                                               AppearanceFlags{true, true, true}, true);
    const TableTheme lobby = HomeLook::lobbyTheme(art);
    EXPECT_EQ(lobby.style, TableStyleID::satin);
    EXPECT_EQ(lobby.surface, TableSurface::window);
    EXPECT_TRUE(lobby.dark && lobby.increaseContrast && lobby.reduceMotion && lobby.fourColorDeck);
    EXPECT_EQ(lobby.pixelUnit, 3);
    EXPECT_EQ(lobby.palette, TableTheme::paletteFor(TableStyleID::satin, true, true));
    TableTheme popover = art;
    popover.surface = TableSurface::popover;
    EXPECT_EQ(HomeLook::lobbyTheme(popover).pixelUnit, 2);
}

TEST(HomeLook, SurfaceSwitchNamesTheOtherSurface) {
    EXPECT_EQ(HomeLook::surfaceSwitch(TableSurface::window).help, "Back to System Tray");
    EXPECT_EQ(HomeLook::surfaceSwitch(TableSurface::window).systemImage,
              "arrow.down.right.and.arrow.up.left");
    EXPECT_EQ(HomeLook::surfaceSwitch(TableSurface::popover).help, "Open in Window");
    EXPECT_EQ(HomeLook::surfaceSwitch(TableSurface::popover).systemImage,
              "arrow.up.left.and.arrow.down.right");
}

TEST(HomeLook, LayersRiseFadeOrBothAndOnlyFadeUnderReducedMotion) {
    using HomeLook::LayerEntrance;
    using HomeLook::LayerPlacement;
    using HomeLook::placement;
    EXPECT_EQ(placement(LayerEntrance::rise, false, 0, 500), (LayerPlacement{500, 1}));
    EXPECT_EQ(placement(LayerEntrance::rise, false, 0.5, 500), (LayerPlacement{250, 1}));
    EXPECT_EQ(placement(LayerEntrance::riseAndFade, false, 0.25, 200), (LayerPlacement{150, 0.25}));
    EXPECT_EQ(placement(LayerEntrance::fade, false, 0.25, 200), (LayerPlacement{0, 0.25}));
    EXPECT_EQ(placement(LayerEntrance::riseAndFade, false, 1, 200), (LayerPlacement{0, 1}));
    for (LayerEntrance entrance : {LayerEntrance::fade, LayerEntrance::rise, LayerEntrance::riseAndFade})
        EXPECT_EQ(placement(entrance, true, 0.4, 300), (LayerPlacement{0, 0.4}));
    // The lobby motion is an ease-out of 0.24 s: past half way at half time, in place at the end.
    EXPECT_EQ(HomeLook::lobbyMotion(), AnimationCurve::easeOut(0.24));
    EXPECT_GT(HomeLook::lobbyMotion().progress(0.12), 0.5);
    EXPECT_DOUBLE_EQ(HomeLook::lobbyMotion().progress(0.24), 1);
}

TEST(HomeScreen, ARebuiltBodyKeepsTheKeysOnTheSameControlElseOnTheHerosButton) {
    using Part = BodyControl::Part;
    Profile learning = withDefault(GameMode::quickHand);
    learning.settings.learningMode = true;
    const auto quickHand = HomeScreenModel::make(learning, std::nullopt, 10000, 0);
    const auto sitAndGo = HomeScreenModel::make(withDefault(GameMode::sitAndGo), std::nullopt, 10000, 0);
    const auto broke = HomeScreenModel::make(withDefault(GameMode::sitAndGo, 300), std::nullopt, 300, 0);
    const BodyControl hero;
    struct Row {
        const HomeScreenModel& body;
        BodyControl held, kept;
    };
    for (const Row& row : std::initializer_list<Row>{
             {sitAndGo, BodyControl::row(GameMode::cashTable), BodyControl::row(GameMode::cashTable)},
             {sitAndGo, BodyControl::row(GameMode::sitAndGo), hero},
             {sitAndGo, {Part::heroOptions}, {Part::heroOptions}},
             {broke, {Part::heroOptions}, hero},
             {quickHand, {Part::practiceClose}, {Part::practiceClose}},
             {sitAndGo, {Part::practicePlay}, hero}})
        EXPECT_EQ(row.body.keep(row.held), row.kept) << int(row.held.part) << " " << int(row.held.mode)
                                                     << " over " << row.body.heroCard.title.toStdString();
}
