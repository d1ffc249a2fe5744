#include "Style/Drawing/StyledParagraph.h"

#include <QFontMetricsF>
#include <QPainter>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/Drawing/ThemeFonts.h"

namespace {
int textFlags(bool centered) {
    return Qt::TextWordWrap | (centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}
} // namespace

StyledParagraph::StyledParagraph(const TableTheme& theme, const QString& string, TextRole role,
                                 const RGB& colour, bool centered, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , string_(string)
    , role_(role)
    , colour_(colour)
    , centered_(centered) {
    StyleAccessibility::setRole(this, QAccessible::StaticText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    StyleAccessibility::setName(this, string_);
}

void StyledParagraph::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

void StyledParagraph::setColor(const RGB& colour) {
    colour_ = colour;
    update();
}

void StyledParagraph::setString(const QString& string) {
    string_ = string;
    // Hidden from readers, its words said by what holds it, it has no name to tell them of: each new
    // name is one more event a reader has to work through.
    if (!property(StyleAccessibility::hiddenProperty).toBool())
        StyleAccessibility::setName(this, string_);
    updateGeometry();
    update();
}

QStringList StyledParagraph::words(const QString& string) {
    return string.split(u' ', Qt::SkipEmptyParts);
}

QFont StyledParagraph::font() const {
    return ThemeFonts::font(theme_, role_);
}

WordFlow StyledParagraph::flow() const {
    const double p = theme_.pixelText(role_).pixel;
    return WordFlow{3 * p, 2 * p, centered_};
}

std::vector<QSizeF> StyledParagraph::wordSizes() const {
    const PixelTextStyle style = theme_.pixelText(role_);
    std::vector<QSizeF> sizes;
    for (const QString& word : words(string_))
        sizes.push_back(TextPainter::pixelTextSize(style.face, style.pixel, word));
    return sizes;
}

int StyledParagraph::heightForWidth(int width) const {
    if (theme_.style == TableStyleID::pixel)
        return static_cast<int>(std::ceil(flow().size(width, wordSizes()).height()));
    const QString text = TextPainter::shown(theme_, string_, role_);
    const QRectF bounds =
        QFontMetricsF(font()).boundingRect(QRectF(0, 0, width, 1e6), textFlags(centered_), text);
    return static_cast<int>(std::ceil(bounds.height()));
}

QSize StyledParagraph::sizeHint() const {
    const int width = 280;
    return {width, heightForWidth(width)};
}

void StyledParagraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (theme_.style == TableStyleID::pixel) {
        const PixelTextStyle style = theme_.pixelText(role_);
        const QStringList list = words(string_);
        const auto positions = flow().place(QPointF(0, 0), width(), wordSizes());
        for (qsizetype index = 0; index < list.size(); ++index)
            TextPainter::paintPixelText(painter, positions[static_cast<std::size_t>(index)], style.face,
                                        style.pixel, list[index], colour_);
        return;
    }
    painter.setFont(font());
    painter.setPen(toQColor(colour_));
    painter.drawText(rect(), textFlags(centered_), TextPainter::shown(theme_, string_, role_));
}
