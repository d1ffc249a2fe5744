#include "FakeSettingsPortal.h"

#include "Style/Drawing/SystemAppearance.h"
#include "System/DesktopPalette.h"
#include "System/SettingsPortal.h"
#include "Views/RootTheme.h"

#include <QApplication>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString appearance = "org.freedesktop.appearance";
const QString gnome = "org.gnome.desktop.interface";
const QString gnomeAccessibility = "org.gnome.desktop.a11y.interface";

bool paletteIsDark() {
    return QApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
}

class SettingsPortalOnPrivateBus : public ::testing::Test {
  protected:
    void SetUp() override {
        QString whyNot;
        bus_ = PrivateBus::start(whyNot);
        if (!bus_) {
            GTEST_SKIP() << "no private session bus: " << whyNot.toStdString();
        }
        qtPalette_ = QApplication::palette();
    }
    void TearDown() override {
        // The shared portal outlives each test: leave it following nothing, and Qt's palette in place.
        SettingsPortal::shared().follow(QDBusConnection(QString()));
        QApplication::setPalette(qtPalette_);
        qunsetenv("CHIPWHISTLE_REDUCE_MOTION");
    }

    // Starts a portal answering with `settings`, and has `portal` follow it.
    std::unique_ptr<FakeSettingsPortal> serve(SettingsPortal& portal, FakeSettingsPortal::Settings settings,
                                              bool wrapped = false) {
        auto fake =
            std::make_unique<FakeSettingsPortal>(bus_->connect("portal"), std::move(settings), wrapped);
        EXPECT_TRUE(fake->serve());
        follow(portal);
        return fake;
    }
    void follow(SettingsPortal& portal) {
        QSignalSpy answered(&portal, &SettingsPortal::changed);
        portal.follow(bus_->connect("game"));
        answered.wait(3000);
    }

    std::unique_ptr<PrivateBus> bus_;
    QPalette qtPalette_;
};

} // namespace

// First in the file: it must also pass in a process where nothing else has used D-Bus variants yet.
TEST_F(SettingsPortalOnPrivateBus, TheThemeAndPaletteFollowTheDesktopWhileTheGameRuns) {
    const bool qtDark = paletteIsDark();
    // A screen redrawn in a new look builds its standard controls (fields, scroll bars) with the
    // application palette of that moment: it must be the new look's already.
    int redrawnBeforeThePalette = 0;
    RootTheme root(
        nullptr, TableSurface::popover,
        [&] { redrawnBeforeThePalette += paletteIsDark() != root.theme().dark ? 1 : 0; }, nullptr);
    DesktopPalette palette(SettingsPortal::shared());
    const auto fake = serve(SettingsPortal::shared(), {{appearance, {{"color-scheme", 1u}}}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return root.theme().dark; }, 3000));
    EXPECT_TRUE(paletteIsDark()) << "standard controls stay light beside a dark table";
    EXPECT_FALSE(root.theme().increaseContrast);
    EXPECT_FALSE(root.theme().reduceMotion);

    fake->set(appearance, "color-scheme", 2u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !root.theme().dark; }, 3000));
    EXPECT_FALSE(paletteIsDark());

    // As Debian 12's GNOME says it: no contrast preference from the portal, and GNOME's own switch on.
    fake->set(appearance, "contrast", 0u);
    fake->set(gnomeAccessibility, "high-contrast", true);
    fake->set(gnome, "enable-animations", false);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return root.theme().increaseContrast && root.theme().reduceMotion; }, 3000));

    // Back to no preference: Qt's own palette returns, and decides.
    fake->set(appearance, "color-scheme", 0u);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !SettingsPortal::shared().preferences().dark.has_value(); }, 3000));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), qtPalette_.color(QPalette::Window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return root.theme().dark == qtDark; }, 3000));
    EXPECT_EQ(redrawnBeforeThePalette, 0);
}

TEST_F(SettingsPortalOnPrivateBus, ReadsTheDesktopsPreferencesWhenItStartsFollowing) {
    for (const bool wrapped : {false, true}) {
        SettingsPortal portal;
        const auto fake = serve(portal,
                                {{appearance, {{"color-scheme", 1u}, {"contrast", 1u}, {"accent-color", 3u}}},
                                 {gnome, {{"enable-animations", false}, {"font-name", "Cantarell 11"}}},
                                 {gnomeAccessibility, {{"high-contrast", true}}}},
                                wrapped);
        EXPECT_EQ(portal.preferences().dark, true) << "wrapped " << wrapped;
        EXPECT_EQ(portal.preferences().increaseContrast, true) << "wrapped " << wrapped;
        EXPECT_EQ(portal.preferences().highContrast, true) << "wrapped " << wrapped;
        EXPECT_EQ(portal.preferences().animations, false) << "wrapped " << wrapped;
        QDBusConnection::disconnectFromBus("portal");
        QDBusConnection::disconnectFromBus("game");
    }
}

TEST_F(SettingsPortalOnPrivateBus, TheEnvironmentStillWinsOverTheDesktop) {
    const auto fake = serve(SettingsPortal::shared(), {{gnome, {{"enable-animations", false}}}});
    EXPECT_TRUE(QTest::qWaitFor([] { return SystemAppearance::current().reduceMotion; }, 3000));
    qputenv("CHIPWHISTLE_REDUCE_MOTION", "0");
    EXPECT_FALSE(SystemAppearance::current().reduceMotion);
}

TEST_F(SettingsPortalOnPrivateBus, WithoutAPortalTheQtPaletteDecides) {
    DesktopPalette palette(SettingsPortal::shared());
    SettingsPortal::shared().follow(bus_->connect("game"));
    // The bus answers that no portal is there; give it the time to.
    QTest::qWait(200);
    EXPECT_EQ(SettingsPortal::shared().preferences(), DesktopPreferences{});

    QPalette dark = qtPalette_;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    EXPECT_TRUE(SystemAppearance::current().dark);
    QApplication::setPalette(qtPalette_);
    EXPECT_EQ(SystemAppearance::current().dark, paletteIsDark());
}
