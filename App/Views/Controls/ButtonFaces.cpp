#include "Views/Controls/ButtonFaces.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/SatinGlass.h"
#include "Style/SatinPalette.h"

namespace ButtonFaces {

namespace {
constexpr double satinShadowRadius = 3;
constexpr QPointF satinShadowOffset(0, 1);
} // namespace

double focusReach(const TableTheme& theme) {
    return FocusRing::reach(theme);
}

CardstockShape paperStock(ControlKind kind, ControlSize size, const TableTheme& theme, double press) {
    const int depth = ControlStyle::paperDepth(size);
    const ControlStyle::PaperColors colours = ControlStyle::paperColors(kind, theme.dark);
    std::optional<RGB> outline;
    if (theme.increaseContrast)
        outline = theme.dark ? RGB::bytes(243, 233, 214) : RGB::bytes(43, 43, 43);
    const bool main = size == ControlSize::main;
    // Pressed, the side thins to 1 pt as the face sinks.
    return {colours.face,     colours.side,     depth + (1 - depth) * press,
            main ? 6.0 : 5.0, main ? 8.0 : 7.0, false,
            outline,          theme.dark};
}

QMarginsF reach(const TableTheme& theme, ControlSize size) {
    const QRectF face(0, 0, 100, ControlStyle::buttonHeight(size, theme));
    const double ring = focusReach(theme);
    QRectF covered = face.adjusted(-ring, -ring, ring, ring);
    switch (theme.style) {
    case TableStyleID::satin:
        covered = covered.united(SoftShadow::bounds(face, satinShadowRadius, satinShadowOffset));
        break;
    case TableStyleID::paper: {
        const double drop = ControlStyle::paperDepth(size) - 1;
        const ControlKind any = ControlKind::secondary();
        covered = covered.united(paperStock(any, size, theme, 0).bounds(face))
                      .united(paperStock(any, size, theme, 1).bounds(face.translated(0, drop)))
                      .united(covered.translated(0, ControlStyle::paperDepth(size)));
        break;
    }
    case TableStyleID::pixel:
        break;
    }
    return ArtCache::beyond(face, covered);
}

bool pressOnReturn(QAbstractButton& button, QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    if (!event.isAutoRepeat())
        button.click();
    event.accept();
    return true;
}

void satin(QPainter& painter, const QRectF& face, ControlKind kind, const TableTheme& theme,
           const State& state, const LabelPainter& label) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath capsule = Pill{}.path(face);
    SoftShadow::paint(painter, capsule, satinShadowRadius,
                      QColor::fromRgbF(0, 0, 0, theme.dark ? 0.35f : 0.12f), satinShadowOffset);
    QLinearGradient glass(face.topLeft(), face.bottomLeft());
    if (ControlStyle::isProminentInSatin(kind)) {
        const RGB accent = SatinPalette::accent(theme.dark);
        glass.setColorAt(0, toQColor(accent.mixed(RGB::white, 0.18)));
        glass.setColorAt(1, toQColor(accent.mixed(RGB::black, 0.06)));
    } else {
        glass.setColorAt(0, toQColor(SatinGlass::top(theme.dark)));
        glass.setColorAt(1, toQColor(SatinGlass::bottom(theme.dark)));
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
        FocusRingPainter::paint(painter, face, theme);
    painter.restore();
    label(painter, face);
}

void paper(QPainter& painter, const QRectF& face, ControlKind kind, ControlSize size, const TableTheme& theme,
           const State& state, const LabelPainter& label) {
    const double drop = (ControlStyle::paperDepth(size) - 1) * state.pressDepth;
    paperStock(kind, size, theme, state.pressDepth).paint(painter, Pill{}.path(face.translated(0, drop)));
    label(painter, face.adjusted(10, 0, -10, 0).translated(0, drop));
    // The ring goes round the stock's side too, where it would otherwise cross a face of its colour.
    if (state.focused)
        FocusRingPainter::paint(painter, face.adjusted(0, 0, 0, ControlStyle::paperDepth(size)), theme);
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
    if (state.focused)
        FocusRingPainter::paint(painter, face, theme);
}

} // namespace ButtonFaces
