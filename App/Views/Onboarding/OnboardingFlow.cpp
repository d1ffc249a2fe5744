#include "Views/Onboarding/OnboardingFlow.h"

#include "AppState.h"
#include "Style/SpokenSentences.h"

#include <QLocale>

#include <algorithm>

namespace OnboardingFlow {

namespace {

constexpr std::array<const char*, pageCount> titles{"Poker for your coffee break", "Play money only",
                                                    "Make it yours"};
constexpr std::array<double, pageCount> glows{0.94, 0.425, 1.0};

constexpr std::int64_t startingBankroll = 10000;
constexpr std::int64_t refillFloor = 2000;

} // namespace

int clampedPage(int page) {
    return std::clamp(page, 0, pageCount - 1);
}

QString title(int page) {
    return QString::fromUtf8(titles[clampedPage(page)]);
}

double glowY(int page) {
    return glows[clampedPage(page)];
}

QString dotsLabel(int current, int count) {
    return QStringLiteral("Page %1 of %2").arg(current + 1).arg(count);
}

QString announcement(int page, const QString& reading) {
    return SpokenSentences::join({dotsLabel(clampedPage(page), pageCount), reading});
}

QString startTitle() {
    return QStringLiteral("Start playing with %1 chips").arg(QLocale().toString(startingBankroll));
}

BottomBar bottomBar(int page) {
    const int shown = clampedPage(page);
    return {shown >= 1, shown <= 1, shown == pageCount - 1};
}

Control returnPresses(int page, Control focused) {
    const BottomBar bar = bottomBar(page);
    const bool shown = (focused == Control::back && bar.back) || (focused == Control::next && bar.next) ||
                       (focused == Control::start && bar.start) || focused == Control::other;
    if (shown)
        return focused;
    return bar.start ? Control::start : Control::next;
}

const std::array<Fact, 3>& playMoneyFacts() {
    static const std::array<Fact, 3> facts = [] {
        const QLocale locale;
        const QString floor = locale.toString(refillFloor);
        return std::array<Fact, 3>{{
            {QStringLiteral("No cash value"),
             QStringLiteral("You can't buy chips, and you can't cash them out.")},
            {locale.toString(startingBankroll) + QStringLiteral(" to start"),
             QStringLiteral("Your bankroll, as soon as you finish setting up.")},
            {QStringLiteral("Tops up daily"),
             QStringLiteral("Under %1? It refills to %1 the first time you open Chipwhistle each day.")
                 .arg(floor)},
        }};
    }();
    return facts;
}

void chooseNewToPoker(AppState& appState, bool newToPoker) {
    Profile profile = appState.profile();
    profile.settings.learningMode = newToPoker;
    appState.setProfile(profile);
}

void chooseDefaultTable(AppState& appState, GameMode mode) {
    Profile profile = appState.profile();
    profile.settings.defaultTable = mode;
    appState.setProfile(profile);
}

void chooseLaunchSurface(AppState& appState, LaunchSurface surface) {
    Profile profile = appState.profile();
    profile.settings.launchSurface = surface;
    appState.setProfile(profile);
}

} // namespace OnboardingFlow
