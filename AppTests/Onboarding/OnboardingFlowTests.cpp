#include "AppState.h"
#include "Views/Onboarding/OnboardingFlow.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

AppState memoryState() {
    return AppState(std::nullopt);
}

} // namespace

TEST(OnboardingFlow, MovesAnnounceTheTargetPageWithAllItSays) {
    // Each part a sentence with one closing mark, whatever mark the page's own words end on.
    const std::array<std::tuple<int, const char*, const char*>, 4> rows{{
        {1, "Play money only. Under 2,000? It refills.",
         "Page 2 of 3. Play money only. Under 2,000? It refills."},
        {0, "Poker for your coffee break", "Page 1 of 3. Poker for your coffee break"},
        {2, " Make it yours.  ", "Page 3 of 3. Make it yours."},
        {5, "", "Page 3 of 3"},
    }};
    for (const auto& [page, reading, said] : rows)
        EXPECT_EQ(OnboardingFlow::announcement(page, reading), said) << reading;
    EXPECT_EQ(OnboardingFlow::dotsLabel(0, 3), "Page 1 of 3");
    EXPECT_DOUBLE_EQ(OnboardingFlow::glowY(0), 0.94);
    EXPECT_DOUBLE_EQ(OnboardingFlow::glowY(1), 0.425);
    EXPECT_DOUBLE_EQ(OnboardingFlow::glowY(2), 1.0);
}

TEST(OnboardingFlow, BottomBarOffersBackNextAndStartByPageAndReturnPressesTheFocusedOne) {
    using Bar = OnboardingFlow::BottomBar;
    EXPECT_EQ(OnboardingFlow::bottomBar(0), (Bar{false, true, false}));
    EXPECT_EQ(OnboardingFlow::bottomBar(1), (Bar{true, true, false}));
    EXPECT_EQ(OnboardingFlow::bottomBar(2), (Bar{true, false, true}));
    EXPECT_EQ(OnboardingFlow::clampedPage(-1), 0);
    EXPECT_EQ(OnboardingFlow::clampedPage(3), 2);

    // Return presses the focused button; an answer, nothing, or a button the page hides: the default.
    using C = OnboardingFlow::Control;
    const std::array<std::tuple<int, C, C>, 8> rows{{{0, C::none, C::next},
                                                     {1, C::back, C::back},
                                                     {2, C::back, C::back},
                                                     {2, C::none, C::start},
                                                     {2, C::answer, C::start},
                                                     {2, C::next, C::start},
                                                     {0, C::back, C::next},
                                                     {1, C::other, C::other}}};
    for (const auto& [page, focused, pressed] : rows)
        EXPECT_EQ(OnboardingFlow::returnPresses(page, focused), pressed) << page << " " << int(focused);
}

TEST(OnboardingFlow, TextsUseTheLocalesGroupingNeverTheBankroll) {
    EXPECT_EQ(OnboardingFlow::startTitle(), "Start playing with 10,000 chips");
    const auto& facts = OnboardingFlow::playMoneyFacts();
    EXPECT_EQ(facts[0].title, "No cash value");
    EXPECT_EQ(facts[1].title, "10,000 to start");
    EXPECT_EQ(facts[2].detail,
              "Under 2,000? It refills to 2,000 the first time you open Chipwhistle each day.");
}

TEST(OnboardingFlow, AnswersAreWrittenAtOnceAndOnlyWhenTheyChange) {
    auto state = memoryState();
    int changes = 0;
    QObject::connect(&state, &AppState::profileChanged, [&] { ++changes; });

    OnboardingFlow::chooseNewToPoker(state, true);
    EXPECT_TRUE(state.profile().settings.learningMode);
    OnboardingFlow::chooseNewToPoker(state, false);
    EXPECT_FALSE(state.profile().settings.learningMode);
    EXPECT_EQ(changes, 2);

    OnboardingFlow::chooseDefaultTable(state, GameMode::sitAndGo);
    EXPECT_EQ(state.profile().settings.defaultTable, GameMode::sitAndGo);
    OnboardingFlow::chooseLaunchSurface(state, LaunchSurface::window);
    EXPECT_EQ(state.profile().settings.launchSurface, LaunchSurface::window);
    EXPECT_EQ(changes, 4);

    // The card already chosen stores an equal profile: nothing changes, nothing is saved.
    OnboardingFlow::chooseLaunchSurface(state, LaunchSurface::window);
    EXPECT_EQ(changes, 4);
}

TEST(OnboardingFlow, FinishingTwiceCompletesOnce) {
    auto state = memoryState();
    Profile profile = state.profile();
    profile.bankroll = 123;
    state.setProfile(profile);

    OnboardingFinish finish;
    int handOvers = 0;
    const auto complete = [&] { state.completeOnboarding(); };
    EXPECT_TRUE(finish.run(complete, [&] { ++handOvers; }));
    EXPECT_TRUE(state.profile().onboarded);
    EXPECT_EQ(state.profile().bankroll, 10000);

    // The second press of a double click finds the flow finished.
    profile = state.profile();
    profile.bankroll = 9000;
    state.setProfile(profile);
    EXPECT_FALSE(finish.run(complete, [&] { ++handOvers; }));
    EXPECT_EQ(state.profile().bankroll, 9000);
    EXPECT_EQ(handOvers, 1);
}
