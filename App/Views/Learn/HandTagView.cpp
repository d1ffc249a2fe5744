#include "Views/Learn/HandTagView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "Learn/LearnMetrics.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"

namespace {
constexpr double dimPip = 0.22;
} // namespace

struct HandTagView::Layout {
    HandTagMetrics metrics;
    // The share of their size the texts are drawn at.
    double scale = 1;
    QFont titleFont;
    QFont lineFont;
    double titleWidth = 0;
    double titleHeight = 0;
    double contentWidth = 0;
    // Too narrow for the title and the pips side by side: the pips take a row of their own.
    bool pipsBelow = false;
    std::vector<double> lineHeights;

    double pipsWidth() const { return metrics.pipsWidth(); }
    double height() const {
        double total = titleHeight + (pipsBelow ? metrics.spacing + metrics.pipSize : 0);
        for (const double line : lineHeights) {
            total += metrics.spacing + line;
        }
        return total;
    }
};

HandTagView::HandTagView(const TableTheme& theme, const HandTag& tag, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , tag_(tag) {
    StyleAccessibility::setHidden(this);
    // At its natural size unless given less; then it shrinks its text, down to the minimum scale.
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setToolTip(tag_.help);
}

void HandTagView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

void HandTagView::setTag(const HandTag& tag) {
    tag_ = tag;
    setToolTip(tag_.help);
    updateGeometry();
    update();
}

HandTagView::Layout HandTagView::measure(double scale, double wrapWidth) const {
    Layout layout;
    layout.metrics = HandTagMetrics::of(theme_);
    layout.scale = scale;
    layout.titleFont = ThemeFonts::system(layout.metrics.titleSize * scale, FontWeight::semibold);
    layout.lineFont = ThemeFonts::system(layout.metrics.lineSize * scale, FontWeight::regular);
    const QFontMetricsF title(layout.titleFont);
    layout.titleWidth = title.horizontalAdvance(tag_.title);
    double rowWidth = layout.titleWidth + (tag_.pips ? HandTagMetrics::titleGap + layout.pipsWidth() : 0);
    layout.pipsBelow = tag_.pips && layout.metrics.pipsBelow(layout.titleWidth, wrapWidth);
    if (layout.pipsBelow) {
        rowWidth = std::max(layout.titleWidth, layout.pipsWidth());
    }
    layout.titleHeight =
        std::max(title.height(), tag_.pips && !layout.pipsBelow ? layout.metrics.pipSize : 0.0);
    const QFontMetricsF line(layout.lineFont);
    double widest = 0;
    for (const QString& text : tag_.lines) {
        widest = std::max(widest, line.horizontalAdvance(text));
    }
    layout.contentWidth =
        std::ceil(std::min(std::max(rowWidth, std::min(widest, HandTagMetrics::lineWidth)), wrapWidth));
    for (const QString& text : tag_.lines) {
        const QRectF wrapped = line.boundingRect(QRectF(0, 0, layout.contentWidth, 1000),
                                                 Qt::TextWordWrap | Qt::AlignLeft, text);
        layout.lineHeights.push_back(std::min(wrapped.height(), 2 * line.lineSpacing()));
    }
    return layout;
}

HandTagView::Layout HandTagView::layout(double chipWidth) const {
    const Layout natural = measure(1, HandTagMetrics::lineWidth);
    const double room = chipWidth - 2 * HandTagMetrics::paddingX;
    if (room >= natural.contentWidth) {
        return natural;
    }
    const double scale = natural.metrics.textScale(natural.contentWidth, room, natural.titleWidth,
                                                   tag_.pips && !natural.pipsBelow);
    return measure(scale, std::max(room, 0.0));
}

double HandTagView::textScale() const {
    return layout(chipRect().width()).scale;
}

QRectF HandTagView::chipRect() const {
    return QRectF(rect()).marginsRemoved(shadowMargins());
}

QSize HandTagView::sizeFor(const Layout& shape) {
    const double width = shape.contentWidth + 2 * HandTagMetrics::paddingX;
    const double height = shape.height() + HandTagMetrics::paddingTop + HandTagMetrics::paddingBottom;
    const QMargins margins = shadowMargins();
    return {static_cast<int>(std::ceil(width)) + margins.left() + margins.right(),
            static_cast<int>(std::ceil(height)) + margins.top() + margins.bottom()};
}

QSize HandTagView::sizeHint() const {
    return sizeFor(measure(1, HandTagMetrics::lineWidth));
}

QSize HandTagView::minimumSizeHint() const {
    const Layout natural = measure(1, HandTagMetrics::lineWidth);
    return sizeFor(
        measure(HandTagMetrics::minimumScale, natural.contentWidth * HandTagMetrics::minimumScale));
}

int HandTagView::heightForWidth(int width) const {
    const QMargins margins = shadowMargins();
    return sizeFor(layout(width - margins.left() - margins.right())).height();
}

double HandTagView::titleRoomIn(const Layout& shape) const {
    return shape.contentWidth -
           (tag_.pips && !shape.pipsBelow ? HandTagMetrics::titleGap + shape.pipsWidth() : 0);
}

QString HandTagView::drawnTitle(const Layout& shape) const {
    return QFontMetricsF(shape.titleFont)
        .elidedText(tag_.title, Qt::ElideRight, std::max(titleRoomIn(shape), 0.0) + 0.5);
}

QString HandTagView::shownTitle() const {
    return drawnTitle(layout(chipRect().width()));
}

void HandTagView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF chip = chipRect();
    const Layout shape = layout(chip.width());
    QPainterPath outline;
    outline.addRoundedRect(chip, HandTagMetrics::radius, HandTagMetrics::radius);
    SoftShadow::paint(painter, outline, 2, QColor::fromRgbF(0, 0, 0, 0.16f), QPointF(0.5, 3));
    painter.fillPath(outline, toQColor(theme_.color(PaletteToken::plateFill)));

    const QColor name = toQColor(theme_.color(PaletteToken::plateName));
    const double borderWidth = theme_.increaseContrast ? 1 : 0.5;
    const QColor border = theme_.increaseContrast
                              ? toQColor(theme_.color(PaletteToken::plateName).withAlpha(0.4))
                              : QColor::fromRgbF(0, 0, 0, 0.06f);
    QPainterPath inner;
    const double half = borderWidth / 2;
    inner.addRoundedRect(chip.adjusted(half, half, -half, -half), HandTagMetrics::radius - half,
                         HandTagMetrics::radius - half);
    painter.strokePath(inner, QPen(border, borderWidth));

    double x = chip.left() + HandTagMetrics::paddingX;
    double y = chip.top() + HandTagMetrics::paddingTop;
    painter.setFont(shape.titleFont);
    painter.setPen(name);
    const double titleRoom = titleRoomIn(shape);
    const double titleWidth = std::min(shape.titleWidth, std::max(titleRoom, 0.0));
    painter.drawText(QRectF(x, y, titleWidth + 1, shape.titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     drawnTitle(shape));
    if (tag_.pips) {
        const double size = shape.metrics.pipSize;
        double pipX = shape.pipsBelow ? x : x + titleWidth + HandTagMetrics::titleGap;
        const double pipY = shape.pipsBelow ? y + shape.titleHeight + shape.metrics.spacing
                                            : y + (shape.titleHeight - size) / 2;
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < HandTagMetrics::pipCount; ++i) {
            QColor colour = name;
            if (i >= *tag_.pips) {
                colour.setAlphaF(colour.alphaF() * static_cast<float>(dimPip));
            }
            painter.setBrush(colour);
            painter.drawEllipse(QRectF(pipX, pipY, size, size));
            pipX += size + HandTagMetrics::pipGap;
        }
    }
    y += shape.titleHeight + (shape.pipsBelow ? shape.metrics.spacing + shape.metrics.pipSize : 0);
    painter.setFont(shape.lineFont);
    painter.setPen(toQColor(theme_.color(PaletteToken::plateStack)));
    for (qsizetype i = 0; i < tag_.lines.size(); ++i) {
        y += shape.metrics.spacing;
        const double height = shape.lineHeights[static_cast<std::size_t>(i)];
        painter.save();
        painter.setClipRect(QRectF(x, y, shape.contentWidth, height));
        painter.drawText(QRectF(x, y, shape.contentWidth, height),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, tag_.lines[i]);
        painter.restore();
        y += height;
    }
}
