#include "Views/Learn/HandTagView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "Learn/LearnMetrics.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"

namespace {
constexpr double titleGap = 6;
constexpr double pipGap = 2;
constexpr int pipCount = 5;
constexpr double dimPip = 0.22;
} // namespace

struct HandTagView::Layout {
    HandTagMetrics metrics;
    QFont titleFont;
    QFont lineFont;
    double titleWidth = 0;
    double titleHeight = 0;
    double contentWidth = 0;
    std::vector<double> lineHeights;

    double pipsWidth() const { return pipCount * metrics.pipSize + (pipCount - 1) * pipGap; }
    double height() const {
        double total = titleHeight;
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
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
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

HandTagView::Layout HandTagView::layout() const {
    Layout layout;
    layout.metrics = HandTagMetrics::of(theme_);
    layout.titleFont = ThemeFonts::system(layout.metrics.titleSize, FontWeight::semibold);
    layout.lineFont = ThemeFonts::system(layout.metrics.lineSize, FontWeight::regular);
    const QFontMetricsF title(layout.titleFont);
    layout.titleWidth = title.horizontalAdvance(tag_.title);
    layout.titleHeight = std::max(title.height(), tag_.pips ? layout.metrics.pipSize : 0.0);
    double rowWidth = layout.titleWidth + (tag_.pips ? titleGap + layout.pipsWidth() : 0);
    const QFontMetricsF line(layout.lineFont);
    double widest = 0;
    for (const QString& text : tag_.lines) {
        widest = std::max(widest, line.horizontalAdvance(text));
    }
    layout.contentWidth = std::ceil(std::max(rowWidth, std::min(widest, HandTagMetrics::lineWidth)));
    for (const QString& text : tag_.lines) {
        const QRectF wrapped = line.boundingRect(QRectF(0, 0, layout.contentWidth, 1000),
                                                 Qt::TextWordWrap | Qt::AlignLeft, text);
        layout.lineHeights.push_back(std::min(wrapped.height(), 2 * line.lineSpacing()));
    }
    return layout;
}

QRectF HandTagView::chipRect() const {
    return QRectF(rect()).marginsRemoved(shadowMargins());
}

QSize HandTagView::sizeHint() const {
    const Layout shape = layout();
    const double width = shape.contentWidth + 2 * HandTagMetrics::paddingX;
    const double height = shape.height() + HandTagMetrics::paddingTop + HandTagMetrics::paddingBottom;
    const QMargins margins = shadowMargins();
    return {static_cast<int>(std::ceil(width)) + margins.left() + margins.right(),
            static_cast<int>(std::ceil(height)) + margins.top() + margins.bottom()};
}

void HandTagView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Layout shape = layout();
    const QRectF chip = chipRect();
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
    painter.drawText(QRectF(x, y, shape.titleWidth + 1, shape.titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     tag_.title);
    if (tag_.pips) {
        const double size = shape.metrics.pipSize;
        double pipX = x + shape.titleWidth + titleGap;
        const double pipY = y + (shape.titleHeight - size) / 2;
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < pipCount; ++i) {
            QColor colour = name;
            if (i >= *tag_.pips) {
                colour.setAlphaF(colour.alphaF() * static_cast<float>(dimPip));
            }
            painter.setBrush(colour);
            painter.drawEllipse(QRectF(pipX, pipY, size, size));
            pipX += size + pipGap;
        }
    }
    y += shape.titleHeight;
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
