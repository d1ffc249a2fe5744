#include "Views/Table/ShowdownBannerView.h"

#include "Style/Drawing/StyleAccessibility.h"

#include "GameController.h"
#include "Learn/LearnMetrics.h"
#include "Style/ControlKind.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/StyledText.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/PixelPalette.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Table/HoldResultButton.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>

#include <cmath>

// The winners' rows, as tall as they need; the banner's scrolling view shows what its band holds.
class ShowdownResults : public QWidget {
  public:
    explicit ShowdownResults(QWidget* parent)
        : QWidget(parent) {}

    void show(const TableTheme& theme, const std::vector<ShowdownRow>& rows,
              const std::optional<QString>& why, const std::function<AvatarModel(std::int64_t)>& avatar) {
        theme_ = theme;
        rows_ = rows;
        why_ = why;
        avatar_ = avatar;
        lay();
    }

    void setTheme(const TableTheme& theme) {
        theme_ = theme;
        lay();
    }

    // Lays the rows out across the banner's width.
    void setWidth(double width) {
        width_ = width;
        lay();
    }

    void lay() {
        const double width = width_;
        const bool single = rows_.size() == 1;
        const bool pixel = theme_.style == TableStyleID::pixel;
        std::vector<ShowdownLayout::RowWords> words;
        for (const auto& row : rows_) {
            ShowdownLayout::RowWords measured;
            if (single) {
                const TextRole hand = pixel ? TextRole::tag : TextRole::showdownHand;
                if (row.handName) {
                    measured.hand = TextPainter::measure(theme_, *row.handName, hand);
                    measured.award = TextPainter::measure(theme_, row.award, TextRole::showdownAward);
                } else {
                    measured.award = TextPainter::measure(theme_, row.award, hand);
                }
            } else {
                measured.award =
                    TextPainter::measure(theme_, row.award, pixel ? TextRole::caption : TextRole::preset);
                if (row.handName) {
                    measured.hand = TextPainter::measure(theme_, *row.handName, TextRole::caption);
                }
            }
            words.push_back(measured);
        }
        std::optional<double> whyHeight;
        if (single && why_) {
            whyHeight = whyBox(width - 24).height();
        }
        layout_ = ShowdownLayout::results(theme_, width, words, whyHeight);
        setFixedSize(static_cast<int>(width), static_cast<int>(std::ceil(layout_.height)));
        update();
    }

    const ShowdownLayout::Results& layout() const { return layout_; }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            if (why_ && layout_.why && layout_.why->contains(help->pos())) {
                QToolTip::showText(help->globalPos(), *why_, this);
            } else {
                QToolTip::hideText();
                event->ignore();
            }
            return true;
        }
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool single = rows_.size() == 1;
        const bool pixel = theme_.style == TableStyleID::pixel;
        const RGB text = theme_.color(PaletteToken::panelText);
        const RGB text2 = theme_.color(PaletteToken::panelText2);
        for (std::size_t i = 0; i < rows_.size() && i < layout_.rows.size(); ++i) {
            const ShowdownRow& row = rows_[i];
            const auto& place = layout_.rows[i];
            if (place.divider) {
                paintDivider(painter, *place.divider);
            }
            AvatarDisc::paint(painter, place.disc.topLeft(), theme_,
                              avatar_ ? avatar_(row.seat) : AvatarModel::hero(), place.disc.width(), false,
                              false);
            const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
            if (single) {
                const TextRole hand = pixel ? TextRole::tag : TextRole::showdownHand;
                if (row.handName) {
                    TextPainter::paint(painter, place.first, theme_, *row.handName, hand, text, left);
                    TextPainter::paint(painter, *place.second, theme_, row.award, TextRole::showdownAward,
                                       text2, left);
                } else {
                    TextPainter::paint(painter, place.first, theme_, row.award, hand, text, left);
                }
            } else {
                TextPainter::paint(painter, place.first, theme_, row.award,
                                   pixel ? TextRole::caption : TextRole::preset, text, left);
                if (row.handName && place.second) {
                    TextPainter::paint(painter, *place.second, theme_, *row.handName, TextRole::caption,
                                       text2, left);
                }
            }
        }
        if (why_ && layout_.why) {
            paintWhy(painter, *layout_.why);
        }
    }

  private:
    // The explanation's font: the caption's, shrunk to fit the width down to 0.8 of its size.
    QFont whyFont(double width) const {
        QFont font = ThemeFonts::font(theme_, TextRole::caption);
        const double natural = QFontMetricsF(font).horizontalAdvance(*why_);
        font.setPixelSize(std::max(
            1, static_cast<int>(std::floor(font.pixelSize() *
                                           shrinkToFit(natural, width, ShowdownLayout::whyMinimumScale)))));
        return font;
    }

    // Past its smallest size the explanation wraps; the pixel style's bitmap words keep their size.
    QSizeF whyBox(double width) const {
        if (theme_.style == TableStyleID::pixel) {
            return TextPainter::measure(theme_, *why_, TextRole::caption);
        }
        return QFontMetricsF(whyFont(width))
            .boundingRect(QRectF(0, 0, width, 10000), Qt::TextWordWrap | Qt::AlignLeft, *why_)
            .size();
    }

    void paintWhy(QPainter& painter, const QRectF& box) const {
        const RGB ink = theme_.color(PaletteToken::panelText2);
        if (theme_.style == TableStyleID::pixel) {
            TextPainter::paint(painter, box, theme_, *why_, TextRole::caption, ink,
                               Qt::AlignLeft | Qt::AlignTop);
            return;
        }
        painter.save();
        painter.setFont(whyFont(box.width()));
        painter.setPen(toQColor(ink));
        painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, *why_);
        painter.restore();
    }

    void paintDivider(QPainter& painter, const QRectF& line) const {
        switch (theme_.style) {
        case TableStyleID::satin: {
            // A hairline in the text's colour, as a platform divider is drawn.
            QColor hairline = toQColor(theme_.color(PaletteToken::panelText));
            hairline.setAlphaF(0.12f);
            painter.fillRect(line, hairline);
            return;
        }
        case TableStyleID::paper:
            painter.fillRect(line, theme_.dark ? QColor::fromRgbF(1, 1, 1, 0.1)
                                               : QColor::fromRgbF(60 / 255.0, 40 / 255.0, 20 / 255.0, 0.14));
            return;
        case TableStyleID::pixel: {
            // A dotted rule: a cell at every other column.
            const double u = theme_.pixelUnit;
            const int cells = wholeCells(line.width(), u);
            std::vector<CellRect> dots;
            for (int i = 0; i < cells; i += 2) {
                dots.push_back(CellRect{i, 0, 1, 1});
            }
            PixelKit(painter, u, line.topLeft())
                .fill(dots, theme_.dark ? RGB::bytes(122, 102, 128) : RGB::bytes(201, 180, 138));
            return;
        }
        }
    }

    TableTheme theme_ = TableTheme::standard();
    std::vector<ShowdownRow> rows_;
    std::optional<QString> why_;
    std::function<AvatarModel(std::int64_t)> avatar_;
    ShowdownLayout::Results layout_;
    double width_ = 0;
};

ShowdownBannerView::ShowdownBannerView(const TableTheme& theme, GameController& controller, Clock now,
                                       QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , controller_(controller)
    , now_(std::move(now))
    , area_(new QScrollArea(this))
    , hold_(new HoldResultButton(theme, this))
    , held_(new StyledText(theme, QStringLiteral("Held until you deal"), TextRole::caption,
                           theme.color(PaletteToken::ink2), false, this))
    , next_(new StyledButton(
          theme, QString(), ControlKind::confirm(), ControlSize::small, std::nullopt,
          [this] { controller_.dealNextHand(); }, this)) {
    // The rows scroll without bars, as a touch list does; the wheel and a drag move them.
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setAutoFillBackground(false);
    area_->viewport()->setAutoFillBackground(false);
    area_->setFocusPolicy(Qt::NoFocus);
    results_ = new ShowdownResults(area_->viewport());
    area_->setWidget(results_);
    // The panel behind shows through the rows (a scroll area fills the widget it is given).
    results_->setAutoFillBackground(false);
    area_->viewport()->installEventFilter(this);
    results_->installEventFilter(this);
    connect(hold_, &QAbstractButton::clicked, this, [this] { controller_.holdResult(); });
    next_->setToolTip(QStringLiteral("Next Hand (Return or Space)"));
    countdown_.setInterval(250);
    connect(&countdown_, &QTimer::timeout, this, &ShowdownBannerView::refresh);
    refresh();
}

QWidget* ShowdownBannerView::resultsContent() const {
    return results_;
}

const ShowdownLayout::Results& ShowdownBannerView::resultsLayout() const {
    return results_->layout();
}

void ShowdownBannerView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    hold_->setTheme(theme);
    held_->setTheme(theme);
    held_->setColor(theme.color(PaletteToken::ink2));
    next_->setTheme(theme);
    results_->setTheme(theme_);
    refresh();
}

void ShowdownBannerView::setResult(std::vector<ShowdownRow> rows, std::optional<QString> why,
                                   std::function<AvatarModel(std::int64_t)> avatar) {
    rows_ = std::move(rows);
    why_ = rows_.size() == 1 ? std::move(why) : std::nullopt;
    StyleAccessibility::setName(this, ShowdownRow::spokenSummary(rows_, why_));
    results_->show(theme_, rows_, why_, std::move(avatar));
    area_->verticalScrollBar()->setValue(0);
    update();
}

QString ShowdownBannerView::nextHandTitle() const {
    return next_->title();
}

ShowdownLayout::Bands ShowdownBannerView::bands() const {
    return ShowdownLayout::bands(theme_, QSizeF(size()),
                                 ControlStyle::buttonHeight(ControlSize::small, theme_));
}

void ShowdownBannerView::refresh() {
    const auto seconds = NextHandText::secondsLeft(controller_.autoDealAt(), now_());
    const bool over = controller_.tableOver().has_value();
    // Named first, so the countdown in the title never reaches the reader.
    next_->setSpokenName(over ? QStringLiteral("Continue") : QStringLiteral("Next hand"));
    next_->setTitle(NextHandText::title(over, seconds));
    StyleAccessibility::setDescription(next_, NextHandText::spokenValue(seconds));
    const auto left =
        ShowdownLayout::leftControl(controller_.autoDealAt().has_value(), controller_.isResultHeld());
    hold_->setVisible(left == ShowdownLayout::LeftControl::hold);
    held_->setVisible(left == ShowdownLayout::LeftControl::heldCaption);
    if (seconds && isVisible()) {
        countdown_.start();
    } else {
        countdown_.stop();
    }
    const auto band = bands();
    next_->setGeometry(band.next.toAlignedRect());
    const auto centred = [&band](QWidget* widget) {
        const QSize size = widget->sizeHint();
        widget->setGeometry(static_cast<int>(band.controls.left()),
                            static_cast<int>(band.controls.center().y() - size.height() / 2.0), size.width(),
                            size.height());
    };
    centred(hold_);
    centred(held_);
    if (area_->geometry() != band.results.toAlignedRect()) {
        area_->setGeometry(band.results.toAlignedRect());
        results_->setWidth(band.results.width());
    }
    update();
}

void ShowdownBannerView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refresh();
}

bool ShowdownBannerView::eventFilter(QObject* watched, QEvent* event) {
    // A press anywhere on the results keeps them up.
    if ((watched == area_->viewport() || watched == results_) && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        controller_.holdResult();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ShowdownBannerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = bands().results;
    switch (theme_.style) {
    case TableStyleID::satin: {
        QPainterPath shape;
        shape.addRoundedRect(panel, 16, 16);
        painter.fillPath(shape, theme_.dark ? QColor(255, 255, 255, 30) : QColor(255, 255, 255, 170));
        painter.strokePath(shape, QPen(QColor(255, 255, 255, theme_.dark ? 60 : 200), 1));
        break;
    }
    case TableStyleID::paper: {
        QPainterPath shape;
        shape.addRoundedRect(panel.adjusted(0, 0, 0, -3), 12, 12);
        std::optional<RGB> outline;
        if (theme_.increaseContrast) {
            outline = theme_.dark ? RGB::bytes(243, 233, 214) : RGB::bytes(43, 43, 43);
        }
        CardstockShape{theme_.dark ? RGB::bytes(43, 51, 70) : RGB::bytes(251, 246, 234),
                       theme_.dark ? RGB::bytes(22, 27, 39) : RGB::bytes(216, 201, 168),
                       3,
                       5,
                       7,
                       false,
                       outline,
                       theme_.dark}
            .paint(painter, shape);
        break;
    }
    case TableStyleID::pixel: {
        const double u = theme_.pixelUnit;
        PixelKit(painter, u, panel.topLeft())
            .panel(0, 0, wholeCells(panel.width(), u), wholeCells(panel.height(), u),
                   PixelPalette{theme_.dark, theme_.increaseContrast});
        break;
    }
    }
}
