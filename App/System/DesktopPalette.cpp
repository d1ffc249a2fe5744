#include "System/DesktopPalette.h"

#include "System/SettingsPortal.h"

#include <QApplication>
#include <QStyle>

namespace {

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QPalette darkPalette() {
    // Qt derives every role from the button colour, light text included.
    QPalette palette(QColor(0x33, 0x33, 0x36));
    palette.setColor(QPalette::Base, QColor(0x24, 0x24, 0x27));
    palette.setColor(QPalette::AlternateBase, QColor(0x2c, 0x2c, 0x30));
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0xa0));
    palette.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0x24, 0x24, 0x27));
    palette.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    return palette;
}

} // namespace

DesktopPalette::DesktopPalette(SettingsPortal& portal, QObject* parent)
    : QObject(parent)
    , portal_(portal)
    , qtPalette_(QApplication::palette()) {
    connect(&portal_, &SettingsPortal::changed, this, &DesktopPalette::apply);
    apply();
}

DesktopPalette::~DesktopPalette() {
    if (forced_) {
        QApplication::setPalette(qtPalette_);
    }
}

void DesktopPalette::apply() {
    const std::optional<bool> wanted =
        DesktopAppearance::paletteDarkness(portal_.preferences(), isDark(qtPalette_));
    if (wanted == forced_) {
        return;
    }
    forced_ = wanted;
    if (!wanted) {
        QApplication::setPalette(qtPalette_);
    } else {
        QApplication::setPalette(*wanted ? darkPalette() : QApplication::style()->standardPalette());
    }
}
