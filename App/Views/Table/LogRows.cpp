#include "Views/Table/LogRows.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/StyledParagraph.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/SatinPalette.h"
#include "Table/LogDot.h"
#include "Views/Table/CardView.h"

namespace {

constexpr double headingInset = 10;
constexpr double cardSpacing = 4;

class HeadingRow : public QWidget {
  public:
    HeadingRow(const TableTheme& theme, LogEntry::Heading row, QWidget* parent)
        : QWidget(parent)
        , theme_(theme)
        , row_(std::move(row)) {
        StyleAccessibility::setRole(this, QAccessible::Heading);
        StyleAccessibility::setName(this, LogEntry{row_}.spoken());
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override {
        const QSizeF title = TextPainter::measure(theme_, row_.title, TextRole::tag);
        const QSizeF card = logCardSize(theme_);
        const double below = row_.cards.empty() ? 0 : CardView::shadowMargins(theme_, card, false).bottom();
        const double width = title.width() + row_.cards.size() * (card.width() + cardSpacing);
        const double height = std::max(title.height(), row_.cards.empty() ? 0.0 : card.height());
        return QSizeF(width, headingInset + height + below).toSize();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QSizeF title = TextPainter::measure(theme_, row_.title, TextRole::tag);
        const QSizeF card = logCardSize(theme_);
        const double height = std::max(title.height(), row_.cards.empty() ? 0.0 : card.height());
        const double middle = headingInset + height / 2;
        TextPainter::paint(painter, QRectF(0, middle - title.height() / 2, title.width(), title.height()),
                           theme_, row_.title, TextRole::tag, theme_.color(PaletteToken::ink2),
                           Qt::AlignLeft | Qt::AlignVCenter);
        double x = title.width() + cardSpacing;
        for (const auto& shown : row_.cards) {
            CardView::paint(painter, QPointF(std::round(x), std::round(middle - card.height() / 2)), theme_,
                            shown, card, false);
            x += card.width() + cardSpacing;
        }
    }

  private:
    TableTheme theme_;
    LogEntry::Heading row_;
};

class SeatDot : public QWidget {
  public:
    SeatDot(const LogDot& dot, QWidget* parent)
        : QWidget(parent)
        , dot_(dot) {
        StyleAccessibility::setHidden(this);
        setFixedSize(8, 8);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath disc;
        disc.addEllipse(QRectF(0, 0, 8, 8));
        if (dot_.fill)
            painter.fillPath(disc, toQColor(*dot_.fill));
        // The edge lies inside the dot.
        const double inset = dot_.edgeWidth / 2;
        QPainterPath edge;
        edge.addEllipse(QRectF(inset, inset, 8 - 2 * inset, 8 - 2 * inset));
        painter.strokePath(edge, QPen(toQColor(dot_.edge), dot_.edgeWidth));
    }

  private:
    LogDot dot_;
};

class YourTurnRow : public QWidget {
  public:
    YourTurnRow(const TableTheme& theme, LogEntry::YourTurn row, QWidget* parent)
        : QWidget(parent)
        , theme_(theme)
        , row_(std::move(row)) {
        StyleAccessibility::setRole(this, QAccessible::ListItem);
        StyleAccessibility::setName(this, LogEntry{row_}.spoken());
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override {
        const QSizeF text = TextPainter::measure(theme_, row_.text, TextRole::log);
        return QSizeF(text.width() + 16, 6 + 6 + text.height() + 6).toSize();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF band = QRectF(rect()).adjusted(0, 6, 0, 0);
        const bool dark = theme_.dark;
        RGB ink = theme_.color(PaletteToken::ink);
        switch (theme_.style) {
        case TableStyleID::satin: {
            QPainterPath shape;
            shape.addRoundedRect(band, 6, 6);
            painter.fillPath(shape, toQColor(SatinPalette::accent(dark).withAlpha(0.15)));
            ink = theme_.color(PaletteToken::focus);
            break;
        }
        case TableStyleID::paper: {
            QPainterPath shape;
            shape.addRoundedRect(band, 6, 6);
            painter.fillPath(shape,
                             toQColor(dark ? RGB::bytes(232, 182, 76, 0.3) : RGB::bytes(225, 167, 48, 0.3)));
            break;
        }
        case TableStyleID::pixel: {
            const double u = theme_.pixelUnit;
            const PixelKit kit(painter, u, band.topLeft());
            kit.fill({CellRect{0, 0, wholeCells(band.width(), u), wholeCells(band.height(), u)}},
                     RGB::bytes(242, 181, 68));
            ink = theme_.color(PaletteToken::turnTagText);
            // The caret at the right end: a small arrow pointing at the prompt.
            static const PixelGlyph caret{"#..", "##.", "###", "##.", "#.."};
            const QPointF at(std::round(band.right() - 8 - 3 * u), std::round(band.center().y() - 2.5 * u));
            PixelKit(painter, u, at).glyph(caret, 0, 0, ink);
            break;
        }
        }
        TextPainter::paint(painter, band.adjusted(8, 6, -8, -6), theme_, row_.text, TextRole::log, ink,
                           Qt::AlignLeft | Qt::AlignVCenter);
    }

  private:
    TableTheme theme_;
    LogEntry::YourTurn row_;
};

} // namespace

namespace LogRows {

QWidget* heading(const TableTheme& theme, const LogEntry::Heading& row, QWidget* parent) {
    return new HeadingRow(theme, row, parent);
}

QWidget* line(const TableTheme& theme, const LogEntry::Line& row, const RGB& seatColor, QWidget* parent) {
    auto* widget = new QWidget(parent);
    // One item of the log's list, named by its sentence; the dot and the drawn text say nothing more.
    StyleAccessibility::setRole(widget, QAccessible::ListItem);
    StyleAccessibility::setName(widget, LogEntry{row}.spoken());
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    // The dot sits level with the middle of the first line.
    const double firstLine = TextPainter::measure(theme, QStringLiteral("Ag"), TextRole::log).height();
    auto* dotColumn = new QVBoxLayout;
    dotColumn->setContentsMargins(0, static_cast<int>(std::max(0.0, std::round((firstLine - 8) / 2))), 0, 0);
    dotColumn->addWidget(
        new SeatDot(LogDot::of(row.seat ? std::optional<RGB>(seatColor) : std::nullopt, theme.dark), widget));
    dotColumn->addStretch();
    layout->addLayout(dotColumn);
    // The item says the sentence; the text drawn in it has no words of its own for a reader to count
    // twice, so it is hidden before it is given any.
    auto* text =
        new StyledParagraph(theme, QString(), TextRole::log, theme.color(PaletteToken::ink), false, widget);
    StyleAccessibility::setHidden(text);
    text->setString(row.text);
    layout->addWidget(text, 1);
    return widget;
}

QWidget* yourTurn(const TableTheme& theme, const LogEntry::YourTurn& row, QWidget* parent) {
    return new YourTurnRow(theme, row, parent);
}

} // namespace LogRows
