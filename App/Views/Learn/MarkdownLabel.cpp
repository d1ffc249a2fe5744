#include "Views/Learn/MarkdownLabel.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

#include "Learn/MarkdownText.h"
#include "Style/Drawing/StyleAccessibility.h"

namespace {
// A paragraph asks for no more than this width before it wraps.
constexpr int preferredWidth = 320;
} // namespace

MarkdownLabel::MarkdownLabel(const QString& markdown, QWidget* parent)
    : QWidget(parent) {
    StyleAccessibility::setRole(this, QAccessible::StaticText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMarkdown(markdown);
}

MarkdownLabel::~MarkdownLabel() = default;

void MarkdownLabel::setMarkdown(const QString& markdown) {
    markdown_ = markdown;
    const MarkdownText text(markdown);
    parsed_ = text.parsed();
    plain_.clear();
    bold_.clear();
    for (const MarkdownText::Run& run : text.runs()) {
        if (run.bold) {
            bold_.append({static_cast<int>(plain_.size()), static_cast<int>(run.text.size())});
        }
        plain_ += run.text;
    }
    StyleAccessibility::setShownName(this, plain_);
    forget();
}

QString MarkdownLabel::plainText() const {
    return plain_;
}

QList<QPair<int, int>> MarkdownLabel::boldSpans() const {
    return bold_;
}

void MarkdownLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    forget();
}

void MarkdownLabel::setLineSpacing(double spacing) {
    lineSpacing_ = spacing;
    forget();
}

void MarkdownLabel::forget() {
    layout_.reset();
    layoutWidth_ = -1;
    heights_.clear();
    naturalWidth_ = -1;
    updateGeometry();
    update();
}

void MarkdownLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        forget();
    }
    QWidget::changeEvent(event);
}

const QTextLayout& MarkdownLabel::laidOut(double width) const {
    if (layout_ && layoutWidth_ == width) {
        return *layout_;
    }
    layout_ = std::make_unique<QTextLayout>(plain_, font());
    QTextOption option(alignment_ & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_->setTextOption(option);
    QList<QTextLayout::FormatRange> formats;
    for (const auto& [start, length] : bold_) {
        QTextLayout::FormatRange range;
        range.start = start;
        range.length = length;
        range.format.setFontWeight(QFont::Bold);
        formats.append(range);
    }
    layout_->setFormats(formats);
    layout_->beginLayout();
    double y = 0;
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height() + lineSpacing_;
    }
    layout_->endLayout();
    layoutWidth_ = width;
    return *layout_;
}

double MarkdownLabel::textHeight(double width) const {
    // Layouts ask for a few widths over and over (a scroll bar coming and going changes the width);
    // each is laid out once.
    for (const auto& [known, height] : heights_) {
        if (known == width) {
            return height;
        }
    }
    const QTextLayout& layout = laidOut(width);
    const int lines = layout.lineCount();
    double height = 0;
    if (lines > 0) {
        const QTextLine last = layout.lineAt(lines - 1);
        height = std::ceil(last.position().y() + last.height());
    }
    if (heights_.size() >= 4) {
        heights_.erase(heights_.begin());
    }
    heights_.emplace_back(width, height);
    return height;
}

int MarkdownLabel::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    const double text = std::max(1, width - margins.left() - margins.right());
    return static_cast<int>(textHeight(text)) + margins.top() + margins.bottom();
}

QSize MarkdownLabel::sizeHint() const {
    const QMargins margins = contentsMargins();
    const QFontMetricsF metrics(font());
    // Layouts ask for the hint again and again; the text is measured once. The hint's height is an
    // estimate: layouts size the paragraph by its height for the width it really gets.
    if (naturalWidth_ < 0) {
        naturalWidth_ = static_cast<int>(std::ceil(metrics.horizontalAdvance(plain_)));
    }
    const int width = std::min(naturalWidth_, preferredWidth);
    const double lines = std::max(1.0, std::ceil(static_cast<double>(naturalWidth_) / preferredWidth));
    const double height = lines * metrics.height() + (lines - 1) * lineSpacing_;
    return {width + margins.left() + margins.right(),
            static_cast<int>(std::ceil(height)) + margins.top() + margins.bottom()};
}

QSize MarkdownLabel::minimumSizeHint() const {
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right() + 1, sizeHint().height()};
}

void MarkdownLabel::paintEvent(QPaintEvent*) {
    const QRectF box = contentsRect();
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QTextLayout& layout = laidOut(box.width());
    QPointF at = box.topLeft();
    if (alignment_ & Qt::AlignVCenter) {
        at.ry() += (box.height() - textHeight(box.width())) / 2;
    }
    layout.draw(&painter, at);
}
