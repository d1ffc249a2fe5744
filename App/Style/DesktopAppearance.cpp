#include "Style/DesktopAppearance.h"

namespace {

const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString gnomeInterfaceGroup = QStringLiteral("org.gnome.desktop.interface");
const QString gnomeAccessibilityGroup = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString kdeGroup = QStringLiteral("org.kde.kdeglobals.KDE");

// The portal's enumerations are 32-bit unsigned; a provider sending a signed integer means the same.
std::optional<unsigned> enumeration(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UInt:
        return value.toUInt();
    case QMetaType::Int:
        return value.toInt() >= 0 ? std::optional<unsigned>(value.toInt()) : std::nullopt;
    default:
        return std::nullopt;
    }
}

// The portal's enumerations name one value for each answer; any other means no preference.
std::optional<bool> choice(const QVariant& value, unsigned yes, unsigned no) {
    const std::optional<unsigned> number = enumeration(value);
    if (number == yes) {
        return true;
    }
    if (number == no) {
        return false;
    }
    return std::nullopt;
}

std::optional<bool> flag(const QVariant& value) {
    return value.typeId() == QMetaType::Bool ? std::optional<bool>(value.toBool()) : std::nullopt;
}

// KDE scales every animation by this factor; zero turns them off. It may arrive as text from the
// configuration file.
std::optional<bool> animationsFromFactor(const QVariant& value) {
    const int type = value.typeId();
    if (type != QMetaType::Double && type != QMetaType::QString && type != QMetaType::Int &&
        type != QMetaType::UInt) {
        return std::nullopt;
    }
    bool ok = false;
    const double factor = value.toDouble(&ok);
    if (!ok || factor < 0) {
        return std::nullopt;
    }
    return factor > 0;
}

} // namespace

namespace DesktopAppearance {

QStringList namespaces() {
    return {appearanceGroup, gnomeInterfaceGroup, gnomeAccessibilityGroup, kdeGroup};
}

DesktopPreferences withSetting(DesktopPreferences preferences, const QString& group, const QString& key,
                               const QVariant& value) {
    if (group == appearanceGroup && key == QLatin1String("color-scheme")) {
        preferences.dark = choice(value, 1, 2);
    } else if (group == appearanceGroup && key == QLatin1String("contrast")) {
        preferences.increaseContrast = choice(value, 1, 0);
    } else if (group == gnomeAccessibilityGroup && key == QLatin1String("high-contrast")) {
        preferences.highContrast = flag(value);
    } else if (group == gnomeInterfaceGroup && key == QLatin1String("enable-animations")) {
        preferences.animations = flag(value);
    } else if (group == kdeGroup && key == QLatin1String("AnimationDurationFactor")) {
        preferences.animations = animationsFromFactor(value);
    }
    return preferences;
}

std::optional<bool> parseOverride(const QByteArray& text) {
    const QByteArray trimmed = text.trimmed();
    if (trimmed == "1") {
        return true;
    }
    if (trimmed == "0") {
        return false;
    }
    return std::nullopt;
}

AppearanceFlags resolve(const DesktopPreferences& preferences, bool paletteDark,
                        const AppearanceOverrides& overrides) {
    AppearanceFlags flags;
    flags.dark = preferences.dark.value_or(paletteDark);
    // The portal's "no preference" must not hide GNOME's switch being on.
    const bool desktopContrast = preferences.increaseContrast == true || preferences.highContrast == true;
    flags.increaseContrast = overrides.increaseContrast.value_or(desktopContrast);
    flags.reduceMotion = overrides.reduceMotion.value_or(!preferences.animations.value_or(true));
    return flags;
}

std::optional<bool> paletteDarkness(const DesktopPreferences& preferences, bool qtPaletteDark) {
    if (preferences.dark && *preferences.dark != qtPaletteDark) {
        return preferences.dark;
    }
    return std::nullopt;
}

} // namespace DesktopAppearance
