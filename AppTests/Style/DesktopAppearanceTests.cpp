#include "Style/DesktopAppearance.h"

#include <gtest/gtest.h>

namespace {

const QString appearance = "org.freedesktop.appearance";

DesktopPreferences after(const QString& group, const QString& key, const QVariant& value,
                         DesktopPreferences from = {}) {
    return DesktopAppearance::withSetting(from, group, key, value);
}

} // namespace

TEST(DesktopAppearance, ReadsThePortalsColourSchemeAndContrast) {
    struct Case {
        QString key;
        QVariant value;
        std::optional<bool> dark;
        std::optional<bool> contrast;
    };
    const std::vector<Case> cases = {
        {"color-scheme", QVariant(1u), true, {}},
        {"color-scheme", QVariant(2u), false, {}},
        {"color-scheme", QVariant(0u), {}, {}},
        {"color-scheme", QVariant(1), true, {}},
        // Values the interface does not define, or of the wrong type, mean no preference.
        {"color-scheme", QVariant(7u), {}, {}},
        {"color-scheme", QVariant(-1), {}, {}},
        {"color-scheme", QVariant(QString("prefer-dark")), {}, {}},
        {"contrast", QVariant(1u), {}, true},
        {"contrast", QVariant(0u), {}, false},
        {"contrast", QVariant(5u), {}, {}},
        {"contrast", QVariant(true), {}, {}},
    };
    for (const Case& c : cases) {
        const DesktopPreferences preferences = after(appearance, c.key, c.value);
        EXPECT_EQ(preferences.dark, c.dark) << c.key.toStdString() << " " << c.value.toString().toStdString();
        EXPECT_EQ(preferences.increaseContrast, c.contrast)
            << c.key.toStdString() << " " << c.value.toString().toStdString();
        EXPECT_EQ(preferences.animations, std::nullopt);
    }
}

TEST(DesktopAppearance, ReadsEachDesktopsContrastAndAnimationSwitch) {
    const QString gnome = "org.gnome.desktop.interface";
    const QString gnomeAccessibility = "org.gnome.desktop.a11y.interface";
    const QString kde = "org.kde.kdeglobals.KDE";
    const auto contrast = [](const DesktopPreferences& preferences) {
        return DesktopAppearance::resolve(preferences, false, {}).increaseContrast;
    };
    // Debian 12's portal has no contrast key: GNOME's own switch is all it passes on.
    EXPECT_TRUE(contrast(after(gnomeAccessibility, "high-contrast", true)));
    EXPECT_FALSE(contrast(after(gnomeAccessibility, "high-contrast", false)));
    EXPECT_FALSE(contrast(after(gnomeAccessibility, "high-contrast", 1u)));
    // The portal's "no preference" leaves GNOME's switch in force, whichever was said last.
    EXPECT_TRUE(
        contrast(after(appearance, "contrast", 0u, after(gnomeAccessibility, "high-contrast", true))));
    EXPECT_TRUE(
        contrast(after(gnomeAccessibility, "high-contrast", false, after(appearance, "contrast", 1u))));
    EXPECT_EQ(after(gnome, "enable-animations", false).animations, false);
    EXPECT_EQ(after(gnome, "enable-animations", true).animations, true);
    EXPECT_EQ(after(gnome, "enable-animations", 0u).animations, std::nullopt);
    EXPECT_EQ(after(kde, "AnimationDurationFactor", 0.0).animations, false);
    EXPECT_EQ(after(kde, "AnimationDurationFactor", QString("0")).animations, false);
    EXPECT_EQ(after(kde, "AnimationDurationFactor", 0.5).animations, true);
    EXPECT_EQ(after(kde, "AnimationDurationFactor", QString("slow")).animations, std::nullopt);
    EXPECT_EQ(after(kde, "AnimationDurationFactor", -1.0).animations, std::nullopt);
}

TEST(DesktopAppearance, SettingsTheGameDoesNotUseChangeNothing) {
    DesktopPreferences stated;
    stated.dark = true;
    stated.increaseContrast = true;
    stated.animations = false;
    EXPECT_EQ(after(appearance, "accent-color", 1u, stated), stated);
    EXPECT_EQ(after("org.gnome.desktop.interface", "color-scheme", 0u, stated), stated);
    EXPECT_EQ(after("org.example", "contrast", 0u, stated), stated);
    // A later "no preference" clears what was said before.
    EXPECT_EQ(after(appearance, "color-scheme", 0u, stated).dark, std::nullopt);
}

TEST(DesktopAppearance, EnvironmentSwitchesAreOnOffOrUnset) {
    EXPECT_EQ(DesktopAppearance::parseOverride("1"), true);
    EXPECT_EQ(DesktopAppearance::parseOverride(" 1\n"), true);
    EXPECT_EQ(DesktopAppearance::parseOverride("0"), false);
    EXPECT_EQ(DesktopAppearance::parseOverride(""), std::nullopt);
    EXPECT_EQ(DesktopAppearance::parseOverride("yes"), std::nullopt);
    EXPECT_EQ(DesktopAppearance::parseOverride("2"), std::nullopt);
}

TEST(DesktopAppearance, DesktopWinsOverThePaletteAndTheEnvironmentWinsOverTheDesktop) {
    using DesktopAppearance::resolve;
    // Nothing said anywhere: dark follows the palette, contrast and motion stay as they were.
    EXPECT_EQ(resolve({}, true, {}), (AppearanceFlags{true, false, false}));
    EXPECT_EQ(resolve({}, false, {}), (AppearanceFlags{false, false, false}));

    DesktopPreferences desktop;
    desktop.dark = false;
    desktop.increaseContrast = true;
    desktop.animations = false;
    EXPECT_EQ(resolve(desktop, true, {}), (AppearanceFlags{false, true, true}));

    AppearanceOverrides off;
    off.increaseContrast = false;
    off.reduceMotion = false;
    EXPECT_EQ(resolve(desktop, true, off), (AppearanceFlags{false, false, false}));

    AppearanceOverrides on;
    on.increaseContrast = true;
    on.reduceMotion = true;
    EXPECT_EQ(resolve({}, false, on), (AppearanceFlags{false, true, true}));
}

TEST(DesktopAppearance, PaletteIsReplacedOnlyWhenItDisagreesWithTheDesktop) {
    using DesktopAppearance::paletteDarkness;
    DesktopPreferences dark;
    dark.dark = true;
    DesktopPreferences light;
    light.dark = false;
    EXPECT_EQ(paletteDarkness(dark, false), true);
    EXPECT_EQ(paletteDarkness(dark, true), std::nullopt);
    EXPECT_EQ(paletteDarkness(light, true), false);
    EXPECT_EQ(paletteDarkness(light, false), std::nullopt);
    EXPECT_EQ(paletteDarkness({}, true), std::nullopt);
    EXPECT_EQ(paletteDarkness({}, false), std::nullopt);
}
