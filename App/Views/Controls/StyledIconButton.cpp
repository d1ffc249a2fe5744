#include "Views/Controls/StyledIconButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "Style/ControlKind.h"
#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/FramedOrnament.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Views/Controls/ButtonFaces.h"

namespace {
constexpr double paperDisc = 28;
constexpr double satinSide = 28;
} // namespace

StyledIconButton::StyledIconButton(const TableTheme& theme, const QString& systemImage,
                                   const PixelGlyph& pixelIcon, Tint tint, const QString& help,
                                   std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent)
    , theme_(theme)
    , systemImage_(systemImage)
    , pixelIcon_(pixelIcon)
    , tint_(tint)
    , press_(*this) {
    StyleAccessibility::setRole(this, QAccessible::Button);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setHelp(help);
    if (action)
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
    connect(this, &QAbstractButton::pressed, this, [this] { press_.follow(true, theme_); });
    connect(this, &QAbstractButton::released, this, [this] { press_.follow(false, theme_); });
}

void StyledIconButton::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

void StyledIconButton::setSystemImage(const QString& name, const PixelGlyph& pixelIcon) {
    systemImage_ = name;
    pixelIcon_ = pixelIcon;
    update();
}

void StyledIconButton::setHelp(const QString& help) {
    setToolTip(help);
    StyleAccessibility::setName(this, help);
}

StyledIconButton::PaperTint StyledIconButton::paperTint(Tint tint, bool dark) {
    const ControlKind kind = tint == Tint::teal     ? ControlKind::call()
                             : tint == Tint::tomato ? ControlKind::danger()
                                                    : ControlKind::fold();
    const auto colours = ControlStyle::paperColors(kind, dark);
    return {colours.face, colours.side, colours.text};
}

QSize StyledIconButton::faceSize() const {
    if (theme_.style == TableStyleID::pixel) {
        const double u = theme_.pixelUnit;
        return {static_cast<int>(std::ceil(14 * u)), static_cast<int>(std::ceil(13 * u))};
    }
    const int side = static_cast<int>(theme_.style == TableStyleID::paper ? paperDisc : satinSide);
    return {side, side};
}

QRectF StyledIconButton::faceRect() const {
    const QSizeF face = faceSize();
    const QPointF centre = QRectF(rect()).center();
    return QRectF(centre.x() - face.width() / 2, centre.y() - face.height() / 2, face.width(), face.height());
}

QMargins StyledIconButton::room() const {
    if (theme_.style != TableStyleID::paper)
        return FramedOrnament::roomFor(ButtonFaces::reach(theme_, ControlSize::small));
    // The disc's card stock at rest and pressed, and the focus ring round it.
    const QRectF face(QPointF(), faceSize());
    const double ring = ButtonFaces::focusReach(theme_);
    const QRectF covered = face.adjusted(-ring, -ring, ring, ring)
                               .united(paperStock(0).bounds(face))
                               .united(paperStock(1).bounds(face.translated(0, 1)));
    return FramedOrnament::roomFor(ArtCache::beyond(face, covered));
}

CardstockShape StyledIconButton::paperStock(double press) const {
    const PaperTint colours = paperTint(tint_, theme_.dark);
    // Pressed, the disc sinks 1 pt and its side thins from 2 pt to 1.
    return {colours.face, colours.side, 2 - press, 3, 5, false, std::nullopt, theme_.dark};
}

QSize StyledIconButton::sizeHint() const {
    const QMargins margins = room();
    return faceSize().grownBy(margins);
}

void StyledIconButton::paintSatin(QPainter& painter, const QRectF& face) const {
    const RGB ink = theme_.color(PaletteToken::ink);
    ButtonFaces::satin(painter, face, ControlKind::secondary(), theme_, {isDown(), hasFocus(), 0},
                       [this, ink](QPainter& p, const QRectF& box) {
                           const double side = box.height() * 0.5;
                           SymbolIcons::paint(
                               p, systemImage_,
                               QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side),
                               toQColor(ink));
                       });
}

void StyledIconButton::paintPaper(QPainter& painter, const QRectF& face) {
    const PaperTint colours = paperTint(tint_, theme_.dark);
    const double depth = press_.depth(isDown(), theme_);
    const QRectF disc = face.translated(0, depth);
    QPainterPath circle;
    circle.addEllipse(disc);
    paperStock(depth).paint(painter, circle);
    const double side = 11;
    SymbolIcons::paint(painter, systemImage_,
                       QRectF(disc.center().x() - side / 2, disc.center().y() - side / 2, side, side),
                       toQColor(colours.icon));
    // The ring does not sink with the disc.
    if (hasFocus())
        FocusRingPainter::paint(painter, face, theme_, FocusRingPainter::Outline::circle);
}

void StyledIconButton::paintPixel(QPainter& painter, const QRectF& face) const {
    const double u = theme_.pixelUnit;
    const PixelKit kit(painter, u, face.topLeft());
    if (!kit.canDraw())
        return;
    const PixelPalette palette{theme_.dark, theme_.increaseContrast};
    const PixelPalette::Bevel bevel = palette.bevel(PixelPalette::ButtonKind::secondary);
    const bool down = isDown();
    kit.bevel(14, 13, down, bevel, palette.outline());
    // The 5-cell icon sits a cell above the tile's centre at rest and a cell below it pressed.
    const QPointF iconOrigin(face.left() + 4.5 * u, face.top() + (4 + (down ? 1 : -1)) * u);
    PixelKit(painter, u, iconOrigin).glyph(pixelIcon_, 0, 0, bevel.text);
    if (hasFocus())
        FocusRingPainter::paint(painter, face, theme_);
}

void StyledIconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF face = faceRect();
    switch (theme_.style) {
    case TableStyleID::satin:
        if (!isEnabled())
            painter.setOpacity(0.5);
        paintSatin(painter, face);
        break;
    case TableStyleID::paper:
        paintPaper(painter, face);
        break;
    case TableStyleID::pixel:
        paintPixel(painter, face);
        break;
    }
}

bool StyledIconButton::hitButton(const QPoint& position) const {
    const QRectF face = faceRect();
    const QPointF point(position.x() + 0.5, position.y() + 0.5);
    switch (theme_.style) {
    case TableStyleID::satin:
        return QAbstractButton::hitButton(position);
    case TableStyleID::paper: {
        const QPointF offset = point - face.center();
        const double radius = face.width() / 2;
        return QPointF::dotProduct(offset, offset) <= radius * radius;
    }
    case TableStyleID::pixel:
        return face.contains(point);
    }
    return false;
}

void StyledIconButton::keyPressEvent(QKeyEvent* event) {
    if (!ButtonFaces::pressOnReturn(*this, *event))
        QAbstractButton::keyPressEvent(event);
}
