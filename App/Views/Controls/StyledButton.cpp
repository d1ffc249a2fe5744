#include "Views/Controls/StyledButton.h"

#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FramedOrnament.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/SpokenTitle.h"
#include "Views/Controls/ButtonFaces.h"

namespace {
// The glass label's font: the role's size, heavier for the chosen preset.
QFont satinFont(const TableTheme& theme, ControlKind kind, TextRole role) {
    return ThemeFonts::system(textSize(role, theme.surface),
                              kind.isSelectedPreset() ? FontWeight::heavy : systemWeight(role));
}

double satinPadding(double height) {
    return height * 0.45;
}
} // namespace

StyledButton::StyledButton(const TableTheme& theme, const QString& title, ControlKind kind, ControlSize size,
                           std::optional<ControlIcon> icon, std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent)
    , theme_(theme)
    , kind_(kind)
    , size_(size)
    , icon_(icon)
    , press_(*this)
    , title_(title) {
    // Before anything that could make Qt build (and cache) its own accessible interface for us.
    StyleAccessibility::setRole(this, QAccessible::Button);
    // The text is what a reader hears; the title is drawn as given.
    setText(SpokenTitle::of(title));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    refreshAccessibility();
    if (action)
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
    connect(this, &QAbstractButton::pressed, this, [this] { press_.follow(true, theme_); });
    connect(this, &QAbstractButton::released, this, [this] { press_.follow(false, theme_); });
}

void StyledButton::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

void StyledButton::setKind(ControlKind kind) {
    kind_ = kind;
    refreshAccessibility();
    updateGeometry();
    update();
}

void StyledButton::setTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    if (spokenName_.isEmpty())
        setText(SpokenTitle::of(title));
    refreshAccessibility();
    updateGeometry();
    update();
}

void StyledButton::setSpokenName(const QString& name) {
    if (name == spokenName_)
        return;
    spokenName_ = name;
    // Qt tells the reader of every new text: with a name of its own, the text stays that name, so a
    // title that counts down is drawn without a word to the reader.
    setText(name.isEmpty() ? SpokenTitle::of(title_) : name);
    refreshAccessibility();
}

void StyledButton::refreshAccessibility() {
    // The presets are one choice among five, read as radio buttons with the chosen one checked.
    StyleAccessibility::setRole(this, kind_.isPreset() ? QAccessible::RadioButton : QAccessible::Button);
    StyleAccessibility::setSelected(this, kind_.isSelectedPreset());
}

double StyledButton::faceHeight() const {
    const bool smallControl =
        size_ == ControlSize::small || (theme_.style == TableStyleID::satin && kind_.isPreset());
    return ControlStyle::buttonHeight(smallControl ? ControlSize::small : ControlSize::main, theme_);
}

QMargins StyledButton::room() const {
    return FramedOrnament::roomFor(ButtonFaces::reach(theme_, size_));
}

QRectF StyledButton::faceRect() const {
    const QRectF inside = QRectF(rect()).marginsRemoved(QMarginsF(room()));
    const double height = faceHeight();
    return QRectF(inside.left(), inside.center().y() - height / 2, inside.width(), height);
}

double StyledButton::labelWidth() const {
    if (theme_.style == TableStyleID::satin) {
        const QFontMetricsF metrics(satinFont(theme_, kind_, role()));
        const double icon = icon_ ? metrics.height() + metrics.horizontalAdvance(u' ') : 0;
        return icon + metrics.horizontalAdvance(title_);
    }
    const double text = TextPainter::measure(theme_, title_, role()).width();
    if (!icon_)
        return text;
    if (theme_.style == TableStyleID::pixel)
        return 5 * theme_.pixelUnit + 2 * theme_.pixelUnit + text;
    return (size_ == ControlSize::main ? 11 : 9) + 4 + text;
}

QSize StyledButton::sizeHint() const {
    const QMargins margins = room();
    double padding = 10;
    if (theme_.style == TableStyleID::satin)
        padding = satinPadding(faceHeight());
    else if (theme_.style == TableStyleID::pixel)
        padding = 3 * theme_.pixelUnit;
    const int width = static_cast<int>(std::ceil(labelWidth() + 2 * padding));
    return {width + margins.left() + margins.right(),
            static_cast<int>(std::ceil(faceHeight())) + margins.top() + margins.bottom()};
}

QSize StyledButton::minimumSizeHint() const {
    return {sizeHint().height(), sizeHint().height()};
}

void StyledButton::paintLabel(QPainter& painter, const QRectF& box) const {
    const RGB colour = ControlStyle::textColor(kind_, theme_);
    if (theme_.style == TableStyleID::satin) {
        const QFont font = satinFont(theme_, kind_, role());
        const QFontMetricsF metrics(font);
        const double padding = satinPadding(box.height());
        const QRectF inside = box.adjusted(padding, 0, -padding, 0);
        const double iconSide = icon_ ? metrics.ascent() : 0;
        const double gap = icon_ ? metrics.horizontalAdvance(u' ') : 0;
        const QString title =
            metrics.elidedText(title_, Qt::ElideRight, std::max(0.0, inside.width() - iconSide - gap));
        const double total = iconSide + gap + metrics.horizontalAdvance(title);
        double x = inside.center().x() - total / 2;
        if (icon_) {
            SymbolIcons::paint(painter, ControlStyle::symbolName(*icon_),
                               QRectF(x, inside.center().y() - iconSide / 2, iconSide, iconSide),
                               toQColor(colour));
            x += iconSide + gap;
        }
        painter.setFont(font);
        painter.setPen(toQColor(colour));
        painter.drawText(QRectF(x, box.top(), total, box.height()), Qt::AlignLeft | Qt::AlignVCenter, title);
        return;
    }
    const double textWidth = TextPainter::measure(theme_, title_, role()).width();
    const double total = labelWidth();
    double x = std::round(box.center().x() - std::min(total, box.width()) / 2);
    if (icon_) {
        if (theme_.style == TableStyleID::pixel) {
            const double u = theme_.pixelUnit;
            const double top = std::round(box.center().y() - 2.5 * u);
            PixelKit(painter, u, QPointF(x, top)).glyph(ControlStyle::pixelGlyph(*icon_), 0, 0, colour);
            x += 7 * u;
        } else {
            const double side = size_ == ControlSize::main ? 11 : 9;
            SymbolIcons::paint(painter, ControlStyle::symbolName(*icon_),
                               QRectF(x, box.center().y() - side / 2, side, side), toQColor(colour));
            x += side + 4;
        }
    }
    const double available = box.right() - x;
    TextPainter::paint(painter, QRectF(x, box.top(), std::min(textWidth, available), box.height()), theme_,
                       title_, role(), colour, Qt::AlignLeft | Qt::AlignVCenter);
}

void StyledButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (isEnabled()) {
        paintButton(painter);
        return;
    }
    // A disabled button fades as one piece, so its layers do not show through each other.
    const double ratio = devicePixelRatioF();
    QImage layer((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter inner(&layer);
        paintButton(inner);
    }
    painter.setOpacity(0.5);
    painter.drawImage(QPointF(0, 0), layer);
}

void StyledButton::paintButton(QPainter& painter) {
    const ButtonFaces::State state{isDown(), hasFocus(), press_.depth(isDown(), theme_)};
    const auto label = [this](QPainter& p, const QRectF& box) { paintLabel(p, box); };
    switch (theme_.style) {
    case TableStyleID::satin:
        ButtonFaces::satin(painter, faceRect(), kind_, theme_, state, label);
        break;
    case TableStyleID::paper:
        ButtonFaces::paper(painter, faceRect(), kind_, size_, theme_, state, label);
        break;
    case TableStyleID::pixel:
        ButtonFaces::pixel(painter, faceRect(), kind_, theme_, state, label);
        break;
    }
}

bool StyledButton::hitButton(const QPoint& position) const {
    return faceRect().contains(QPointF(position.x() + 0.5, position.y() + 0.5));
}

void StyledButton::keyPressEvent(QKeyEvent* event) {
    if (!ButtonFaces::pressOnReturn(*this, *event))
        QAbstractButton::keyPressEvent(event);
}

void StyledButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void StyledButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}
