#include "Views/Controls/ButtonFaces.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/SatinPalette.h"

namespace ButtonFaces {

double focusMargin(const TableTheme& theme) {
    switch (theme.style) {
    case TableStyleID::satin:
        return 4;
    case TableStyleID::paper:
        return 6;
    case TableStyleID::pixel:
        return 2 * theme.pixelUnit;
    }
    return 4;
}

bool isProminentInSatin(ControlKind kind) {
    return kind.kind() == ControlKind::Case::confirm || kind.isSelectedPreset();
}

bool pressOnReturn(QAbstractButton& button, QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    if (!event.isAutoRepeat())
        button.click();
    event.accept();
    return true;
}

RGB satinTextColor(ControlKind kind, const TableTheme& theme) {
    if (isProminentInSatin(kind))
        return RGB::white;
    if (kind.kind() == ControlKind::Case::danger)
        return theme.dark ? RGB::bytes(255, 69, 58) : RGB::bytes(255, 59, 48);
    return theme.color(PaletteToken::ink);
}

void satin(QPainter& painter, const QRectF& face, ControlKind kind, const TableTheme& theme,
           const State& state, const LabelPainter& label) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath capsule = Pill{}.path(face);
    SoftShadow::paint(painter, capsule, 3, QColor::fromRgbF(0, 0, 0, theme.dark ? 0.35f : 0.12f),
                      QPointF(0, 1));
    QLinearGradient glass(face.topLeft(), face.bottomLeft());
    if (isProminentInSatin(kind)) {
        const RGB accent = SatinPalette::accent(theme.dark);
        glass.setColorAt(0, toQColor(accent.mixed(RGB::white, 0.18)));
        glass.setColorAt(1, toQColor(accent.mixed(RGB::black, 0.06)));
    } else if (theme.dark) {
        glass.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.20f));
        glass.setColorAt(1, QColor::fromRgbF(1, 1, 1, 0.10f));
    } else {
        glass.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.95f));
        glass.setColorAt(1, QColor::fromRgbF(0.96f, 0.96f, 0.97f, 0.85f));
    }
    painter.fillPath(capsule, glass);
    if (state.pressed)
        painter.fillPath(capsule,
                         theme.dark ? QColor::fromRgbF(1, 1, 1, 0.10f) : QColor::fromRgbF(0, 0, 0, 0.10f));
    // The glass edge: a bright rim on top fading to a faint line below.
    QLinearGradient rim(face.topLeft(), face.bottomLeft());
    rim.setColorAt(0, QColor::fromRgbF(1, 1, 1, theme.dark ? 0.35f : 0.9f));
    rim.setColorAt(1, theme.dark ? QColor::fromRgbF(1, 1, 1, 0.08f) : QColor::fromRgbF(0, 0, 0, 0.10f));
    painter.strokePath(Pill{0.5}.path(face), QPen(QBrush(rim), 1));
    if (state.focused)
        painter.strokePath(Pill{-3}.path(face), QPen(toQColor(theme.color(PaletteToken::focus)), 2.5));
    painter.restore();
    label(painter, face);
}

void paper(QPainter& painter, const QRectF& face, ControlKind kind, ControlSize size, const TableTheme& theme,
           const State& state, const LabelPainter& label) {
    const int depth = ControlStyle::paperDepth(size);
    const ControlStyle::PaperColors colours = ControlStyle::paperColors(kind, theme.dark);
    const double press = state.pressDepth;
    const double drop = (depth - 1) * press;
    const double thickness = depth + (1 - depth) * press;
    std::optional<RGB> outline;
    if (theme.increaseContrast)
        outline = theme.dark ? RGB::bytes(243, 233, 214) : RGB::bytes(43, 43, 43);
    const bool main = size == ControlSize::main;
    const CardstockShape stock{colours.face,     colours.side, thickness, main ? 6.0 : 5.0,
                               main ? 8.0 : 7.0, false,        outline,   theme.dark};
    stock.paint(painter, Pill{}.path(face.translated(0, drop)));
    label(painter, face.adjusted(10, 0, -10, 0).translated(0, drop));
    if (state.focused) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(Pill{-4}.path(face), QPen(toQColor(theme.color(PaletteToken::focus)), 2));
        painter.restore();
    }
}

void pixel(QPainter& painter, const QRectF& face, ControlKind kind, const TableTheme& theme,
           const State& state, const LabelPainter& label) {
    const double u = theme.pixelUnit;
    const int columns = wholeCells(face.width(), u);
    const int rows = wholeCells(face.height(), u);
    if (columns == 0 || rows == 0)
        return;
    const PixelPalette palette{theme.dark, theme.increaseContrast};
    const PixelKit kit(painter, u, face.topLeft());
    kit.bevel(columns, rows, state.pressed, palette.bevel(ControlStyle::pixelButtonKind(kind)),
              palette.outline());
    label(painter, face.adjusted(3 * u, 0, -3 * u, 0).translated(0, state.pressed ? u : -u / 2));
    if (state.focused) {
        const QRectF ring = face.adjusted(-2 * u, -2 * u, 2 * u, 2 * u);
        PixelKit(painter, u, ring.topLeft())
            .focusRing(wholeCells(ring.width(), u), wholeCells(ring.height(), u));
    }
}

} // namespace ButtonFaces
