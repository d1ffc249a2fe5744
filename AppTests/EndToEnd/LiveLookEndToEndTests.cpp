// The desktop turning light or dark while the guide is open, as a player on X11 meets it: the real
// program on a private X display hears the switch from a settings portal on its own session bus, and
// what the display shows is compared with a game started in that look and walked to the same place.
// Skipped, saying why, when the display or a bus cannot be had.
#include "Desktop.h"

#include "Persistence/Profile.h"
#include "Shell/FakeSettingsPortal.h"
#include "Support/PixelDifference.h"
#include "Support/TestPaths.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

// The game's windows other than the table window and the popover, as they open here: Settings as
// it opens for a player whose game opens in the window.
constexpr QSize settingsSize{460, 874};
constexpr QSize guideSheetSize{440, 600};

// One thing the player does; a click or a wheel turn at a point of the window of size `in`.
struct Step {
    // `titled` waits for a window whose title holds `keys`.
    enum class Kind { key, click, type, wheel, titled } kind;
    QString keys;
    QPoint at;
    QSize in = windowSize;
};

Step key(const char* keys) {
    return {Step::Kind::key, keys, {}};
}
Step click(int x, int y, QSize in = windowSize) {
    return {Step::Kind::click, {}, {x, y}, in};
}
Step type(const char* words) {
    return {Step::Kind::type, words, {}};
}
// The wheel turned three notches down; `keys` names X's button for the way it turns.
Step wheelDown(int x, int y) {
    return {Step::Kind::wheel, "5", {x, y}};
}
// The wheel tipped left as far as a chart goes.
Step wheelLeft(int x, int y) {
    return {Step::Kind::wheel, "6", {x, y}};
}
Step titled(const char* words) {
    return {Step::Kind::titled, words, {}};
}

// A place in the guide, walked to from the game as it opens.
struct Place {
    const char* name;
    LaunchSurface opensIn;
    std::vector<Step> walk;
    // What is compared: a part of the window of that size.
    QSize window;
    QRect shown;
    // Left out: the starters chart outlines the hand dealt, which differs from game to game.
    std::optional<QRect> dealt;
};

// The window's guide in the lobby; its tabs' segments and the glossary's field.
constexpr int lobbyTabs = 140;
const QRect wholeWindow({0, 0}, windowSize);
// The guide beside the table, once a Quick Hand is dealt from the lobby by Return.
constexpr int sidebarTabs = 134;
const QRect sidebar(801, 0, 299, 750);
// The chart's cells in the sidebar and the ring round the hand dealt, down to the chart's sideways
// scroll bar: a hand of the bottom row (T2o) has its ring's lower edge on the last three rows above the
// bar, over the focus ring's.
const QRect sidebarChart(801, 280, 299, 307);
// The tabs of the popover's guide and of the guide over Settings.
constexpr int panelTabs = 81;

std::vector<Step> toTheSidebar() {
    return {key("Return"), titled("Quick Hand"), key("ctrl+question")};
}

std::vector<Step> then(std::vector<Step> walk, std::initializer_list<Step> more) {
    walk.insert(walk.end(), more);
    return walk;
}

const Place places[] = {
    {"lobby-guide-starters",
     LaunchSurface::window,
     {key("ctrl+question"), click(605, lobbyTabs)},
     windowSize,
     wholeWindow,
     {}},
    // Searched, and the results scrolled: both stay as they were.
    {"lobby-guide-glossary",
     LaunchSurface::window,
     {key("ctrl+question"), click(713, lobbyTabs), click(550, 179), type("e"), key("Tab"),
      wheelDown(550, 450)},
     windowSize,
     wholeWindow,
     {}},
    // The chart opens scrolled to the hand dealt, which differs from game to game: scrolled back to its
    // left edge, the top-left hand is chosen, so the line under the legend names the same hand in every
    // game.
    {"sidebar-guide-starters", LaunchSurface::window,
     then(toTheSidebar(), {click(983, sidebarTabs), wheelLeft(950, 430), click(828, 296)}), windowSize,
     sidebar, sidebarChart},
    {"sidebar-guide-rankings",
     LaunchSurface::window,
     then(toTheSidebar(), {click(916, sidebarTabs), wheelDown(950, 400)}),
     windowSize,
     sidebar,
     {}},
    {"sidebar-guide-glossary",
     LaunchSurface::window,
     then(toTheSidebar(),
          {click(1049, sidebarTabs), click(950, 173), type("e"), key("Tab"), wheelDown(950, 450)}),
     windowSize,
     sidebar,
     {}},
    // Opened by the lobby's "?" button.
    {"popover-guide-starters",
     LaunchSurface::menuBar,
     {click(286, 38, popoverSize), click(257, panelTabs, popoverSize)},
     popoverSize,
     {{0, 0}, popoverSize},
     {}},
    // Opened by Settings' "Poker Basics…" button.
    {"settings-guide-starters",
     LaunchSurface::window,
     {click(752, 94), click(388, 200, settingsSize), click(270, panelTabs, guideSheetSize)},
     guideSheetSize,
     {{0, 0}, guideSheetSize},
     {}},
};

// The portal's words for a colour scheme.
uint colourScheme(bool dark) {
    return dark ? 1u : 2u;
}

// Waits until `condition` holds, or `milliseconds` have passed, while this process answers the game
// on the bus; whether it held.
bool serveUntil(const std::function<bool()>& condition, int milliseconds) {
    return waitUntil(
        [&condition] {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            return condition();
        },
        milliseconds);
}

void serve(int milliseconds) {
    serveUntil([] { return false; }, milliseconds);
}

// What one game showed at a place: as it opened there, after the desktop switched, and switched back.
struct Shots {
    QImage opened;
    QImage switched;
    QImage back;
};

class LiveLookEndToEnd : public DesktopTest {
  protected:
    // The place on the display of the game's window of that size, once it shows.
    static std::optional<QRect> window(QSize size) {
        std::optional<QRect> found;
        serveUntil(
            [&] {
                const QList<QRect> shown = desktop->windows(size);
                found = shown.size() == 1 ? std::optional(shown.front()) : std::nullopt;
                return found.has_value();
            },
            30000);
        return found;
    }

    static bool take(const Step& step) {
        const auto inWindow = [&step]() -> std::optional<QPoint> {
            const auto frame = window(step.in);
            return frame ? std::optional(frame->topLeft() + step.at) : std::nullopt;
        };
        switch (step.kind) {
        case Step::Kind::key:
            desktop->xdotool({"key", step.keys});
            break;
        case Step::Kind::click:
        case Step::Kind::wheel: {
            const auto at = inWindow();
            if (!at) {
                return false;
            }
            QStringList pointer{"mousemove", QString::number(at->x()), QString::number(at->y()), "click"};
            pointer << (step.kind == Step::Kind::click
                            ? QStringList{"1"}
                            : QStringList{"--repeat", step.keys == "6" ? "12" : "3", "--delay", "150",
                                          step.keys});
            desktop->xdotool(pointer);
            break;
        }
        case Step::Kind::type:
            desktop->xdotool({"type", "--delay", "150", step.keys});
            break;
        case Step::Kind::titled:
            return serveUntil([&step] { return desktop->shown().contains(step.keys); }, 30000);
        }
        // The pill slides, a page fades in, a hand is dealt: all long over by then.
        serve(step.keys == "Return" ? 6000 : 1500);
        return true;
    }

    // What the display shows of the place once it holds still, saved under `name` for a person to look at.
    std::optional<QImage> still(const QString& name, QRect area) const {
        QImage last;
        for (int attempt = 0; attempt < 20; ++attempt) {
            serve(attempt == 0 ? 1500 : 500);
            if (!desktop->screenshot(name, area)) {
                continue;
            }
            QImage now(TestPaths::buildFolder() + QStringLiteral("/gallery/shell/") + name + ".png");
            if (!last.isNull() && pixelDifference(last, now).pixels == 0) {
                return now;
            }
            last = now;
        }
        return std::nullopt;
    }

    // Plays a game started in one look to the place, switches the desktop to the other look and back.
    std::optional<Shots> play(const Place& place, bool dark, QString& trouble) const {
        QString whyNot;
        auto bus = PrivateBus::start(whyNot);
        if (!bus) {
            trouble = whyNot;
            return std::nullopt;
        }
        const QString group = QStringLiteral("org.freedesktop.appearance");
        FakeSettingsPortal portal(bus->connect("portal"), {{group, {{"color-scheme", colourScheme(dark)}}}});
        if (!portal.serve()) {
            trouble = "the portal could not take its name on the bus";
            return std::nullopt;
        }
        QTemporaryDir own;
        Profile profile;
        profile.onboarded = true;
        profile.settings.launchSurface = place.opensIn;
        profile.settings.soundsOn = false;
        writeProfile(own.path(), profile);
        // The tray lets go of the last game's icon a moment after that game has gone.
        waitUntil([] { return !desktop->trayIcon().has_value(); }, 5000);
        QProcessEnvironment session;
        session.insert("DBUS_SESSION_BUS_ADDRESS", bus->address());
        GameProcess game(*desktop, own.path(), {}, session);
        // The first click waits for the first window to have come in and settled.
        const QSize first = place.opensIn == LaunchSurface::window ? windowSize : popoverSize;
        const auto opening = window(first);
        const auto settled = opening ? still(QStringLiteral("live-look-opening"), *opening) : std::nullopt;
        if (!settled) {
            trouble = "the game's first window never settled; the game said:\n" + game.output();
            return std::nullopt;
        }
        for (const Step& step : place.walk) {
            if (!take(step)) {
                trouble = QStringLiteral("no window of %1 x %2 %3; shown:\n%4\nthe game said:\n%5")
                              .arg(step.in.width())
                              .arg(step.in.height())
                              .arg(step.keys, desktop->shown(), game.output());
                return std::nullopt;
            }
        }
        const auto frame = window(place.window);
        if (!frame) {
            trouble = "the place's window never showed; the game said:\n" + game.output();
            return std::nullopt;
        }
        const QRect area = place.shown.translated(frame->topLeft());
        const QString name = QStringLiteral("live-look-%1-%2").arg(place.name, dark ? "dark" : "light");
        const auto opened = still(name, area);
        // A key or a click taken before the window took it would leave the place unreached, and
        // two games left alike would pass unseen.
        if (opened && place.window == first &&
            pixelDifference(settled->copy(place.shown), *opened).pixels == 0) {
            trouble = "the walk left the window as it opened";
            return std::nullopt;
        }
        portal.set(group, "color-scheme", colourScheme(!dark));
        const auto switched = still(name + (dark ? "-to-light" : "-to-dark"), area);
        portal.set(group, "color-scheme", colourScheme(dark));
        const auto back = still(name + (dark ? "-to-light-and-back" : "-to-dark-and-back"), area);
        if (!opened || !switched || !back) {
            trouble = "the display never held still";
            return std::nullopt;
        }
        return Shots{*opened, *switched, *back};
    }
};

// The two pictures with the dealt hand's cells left out.
PixelDifference apart(QImage live, QImage opened, const Place& place) {
    if (place.dealt) {
        const QRect cells = place.dealt->translated(-place.shown.topLeft());
        for (QImage* image : {&live, &opened}) {
            QPainter(image).fillRect(cells, Qt::black);
        }
    }
    return pixelDifference(live, opened);
}

TEST_F(LiveLookEndToEnd, EveryPlaceInTheGuideSwitchedLiveIsThePlaceOpenedInThatLook) {
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        QString trouble;
        const auto light = play(place, false, trouble);
        ASSERT_TRUE(light) << trouble.toStdString();
        const auto dark = play(place, true, trouble);
        ASSERT_TRUE(dark) << trouble.toStdString();
        const struct {
            const char* what;
            const QImage& live;
            const QImage& opened;
        } comparisons[] = {
            {"light to dark", light->switched, dark->opened},
            {"light to dark and back", light->back, light->opened},
            {"dark to light", dark->switched, light->opened},
            {"dark to light and back", dark->back, dark->opened},
        };
        for (const auto& comparison : comparisons) {
            const PixelDifference difference = apart(comparison.live, comparison.opened, place);
            EXPECT_EQ(difference.pixels, 0)
                << place.name << ", " << comparison.what << ": left in the old look inside ("
                << difference.box.x() << ", " << difference.box.y() << ") " << difference.box.width() << " x "
                << difference.box.height() << "; see gallery/shell/live-look-" << place.name << "-*.png";
        }
    }
}

} // namespace
