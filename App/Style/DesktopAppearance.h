#pragma once

#include "Style/TableTheme.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// What the desktop's own settings say about appearance; each stays absent until the desktop says it.
struct DesktopPreferences {
    std::optional<bool> dark;
    std::optional<bool> increaseContrast;
    // GNOME's accessibility switch, which older portals pass on in place of `increaseContrast`.
    std::optional<bool> highContrast;
    std::optional<bool> animations;
    bool operator==(const DesktopPreferences&) const = default;
};

// What the player set in the environment, which wins over the desktop.
struct AppearanceOverrides {
    std::optional<bool> increaseContrast;
    std::optional<bool> reduceMotion;
};

namespace DesktopAppearance {

// The settings-portal namespaces the game listens to: the portal's own appearance keys, and the
// desktops' contrast and animation switches, which the portal passes on under their own names.
QStringList namespaces();

// The preferences after the desktop reported `value` for `key` in `group`. Keys the game does not
// use change nothing; a value of the wrong type or outside the known range counts as no preference.
DesktopPreferences withSetting(DesktopPreferences preferences, const QString& group, const QString& key,
                               const QVariant& value);

// An environment switch: "1" forces on, "0" forces off, anything else leaves it to the desktop.
std::optional<bool> parseOverride(const QByteArray& text);

// The flags the theme is drawn with. Without a colour-scheme preference dark follows the palette Qt
// chose (`paletteDark`); contrast is raised when either the portal or GNOME's switch asks for it;
// the environment wins over the desktop for contrast and motion.
AppearanceFlags resolve(const DesktopPreferences& preferences, bool paletteDark,
                        const AppearanceOverrides& overrides);

// Whether the application palette must be replaced to agree with the desktop: the darkness to give
// it, or none to keep the palette Qt chose (`qtPaletteDark`).
std::optional<bool> paletteDarkness(const DesktopPreferences& preferences, bool qtPaletteDark);

} // namespace DesktopAppearance
