#include "Views/Table/ShowdownBannerView.h"

#include "GameController.h"
#include "Style/ControlKind.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/StyledText.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/PixelPalette.h"
#include "Views/Controls/StyledButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int controlsGap = 8;

} // namespace

ShowdownBannerView::ShowdownBannerView(const TableTheme& theme, GameController& controller, Clock now,
                                       QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , controller_(controller)
    , now_(std::move(now))
    , hold_(new StyledButton(
          theme, QStringLiteral("Click the result to keep it up"), ControlKind::secondary(),
          ControlSize::small, std::nullopt, [this] { controller_.holdResult(); }, this))
    , held_(new StyledText(theme, QStringLiteral("Held until you deal"), TextRole::caption,
                           theme.color(PaletteToken::ink2), false, this))
    , next_(new StyledButton(
          theme, QString(), ControlKind::confirm(), ControlSize::small, std::nullopt,
          [this] { controller_.dealNextHand(); }, this)) {
    hold_->setToolTip(QStringLiteral("Keep this result up until you deal"));
    hold_->setAccessibleName(QStringLiteral("Keep this result up"));
    next_->setToolTip(QStringLiteral("Next Hand (Return or Space)"));
    countdown_.setInterval(250);
    connect(&countdown_, &QTimer::timeout, this, &ShowdownBannerView::refresh);
    refresh();
}

void ShowdownBannerView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    hold_->setTheme(theme);
    held_->setTheme(theme);
    held_->setColor(theme.color(PaletteToken::ink2));
    next_->setTheme(theme);
    refresh();
}

void ShowdownBannerView::setResult(std::vector<ShowdownRow> rows, std::optional<QString> why,
                                   std::function<AvatarModel(std::int64_t)> avatar) {
    rows_ = std::move(rows);
    why_ = rows_.size() == 1 ? std::move(why) : std::nullopt;
    avatar_ = std::move(avatar);
    setAccessibleName(ShowdownRow::spokenSummary(rows_, why_));
    update();
}

QString ShowdownBannerView::nextHandTitle() const {
    return next_->title();
}

void ShowdownBannerView::refresh() {
    const auto seconds = NextHandText::secondsLeft(controller_.autoDealAt(), now_());
    const bool over = controller_.tableOver().has_value();
    next_->setTitle(NextHandText::title(over, seconds));
    next_->setAccessibleName(over ? QStringLiteral("Continue") : QStringLiteral("Next hand"));
    next_->setAccessibleDescription(NextHandText::spokenValue(seconds));
    hold_->setVisible(controller_.autoDealAt().has_value());
    held_->setVisible(!controller_.autoDealAt() && controller_.isResultHeld());
    if (seconds && isVisible()) {
        countdown_.start();
    } else {
        countdown_.stop();
    }
    // Controls row at the bottom: hold (or held) at the left, the next-hand button at the right.
    const double rowHeight = ControlStyle::buttonHeight(ControlSize::small, theme_) + 4;
    const double nextWidth = theme_.style == TableStyleID::pixel ? 64 * theme_.pixelUnit : 150;
    const int top = height() - static_cast<int>(rowHeight);
    next_->setGeometry(width() - static_cast<int>(nextWidth), top, static_cast<int>(nextWidth),
                       static_cast<int>(rowHeight));
    const QSize holdSize = hold_->sizeHint();
    hold_->setGeometry(0, top + (static_cast<int>(rowHeight) - holdSize.height()) / 2, holdSize.width(),
                       holdSize.height());
    const QSize heldSize = held_->sizeHint();
    held_->setGeometry(0, top + (static_cast<int>(rowHeight) - heldSize.height()) / 2, heldSize.width(),
                       heldSize.height());
    update();
}

QRectF ShowdownBannerView::resultsRect() const {
    const double rowHeight = ControlStyle::buttonHeight(ControlSize::small, theme_) + 4;
    return QRectF(0, 0, width(), std::max(height() - rowHeight - controlsGap, 0.0));
}

void ShowdownBannerView::mousePressEvent(QMouseEvent* event) {
    if (resultsRect().contains(event->position())) {
        controller_.holdResult();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ShowdownBannerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = resultsRect();
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
    const bool single = rows_.size() == 1;
    const bool pixel = theme_.style == TableStyleID::pixel;
    const double u = theme_.pixelUnit;
    const QRectF inner = panel.adjusted(12, single ? 8 : 6, -12, single ? -8 : -6);
    double y = inner.top();
    const RGB text = theme_.color(PaletteToken::panelText);
    const RGB text2 = theme_.color(PaletteToken::panelText2);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ShowdownRow& row = rows_[i];
        const AvatarModel avatar = avatar_ ? avatar_(row.seat) : AvatarModel::hero();
        if (i > 0) {
            painter.fillRect(QRectF(inner.left(), y, inner.width(), 1), QColor(60, 40, 20, 36));
            y += 4;
        }
        if (single) {
            const double disc = pixel ? 18 * u : (theme_.surface == TableSurface::popover ? 28 : 34);
            AvatarDisc::paint(painter, QPointF(inner.left(), y), theme_, avatar, disc, false, false);
            const double left = inner.left() + disc + 10;
            const TextRole handRole = pixel ? TextRole::tag : TextRole::showdownHand;
            if (row.handName) {
                const QSizeF hand = TextPainter::measure(theme_, *row.handName, handRole);
                TextPainter::paint(painter, QRectF(left, y, inner.right() - left, hand.height()), theme_,
                                   *row.handName, handRole, text, Qt::AlignLeft | Qt::AlignVCenter);
                const QSizeF award = TextPainter::measure(theme_, row.award, TextRole::showdownAward);
                TextPainter::paint(painter,
                                   QRectF(left, y + hand.height() + (pixel ? 2 * u : 1), inner.right() - left,
                                          award.height()),
                                   theme_, row.award, TextRole::showdownAward, text2,
                                   Qt::AlignLeft | Qt::AlignVCenter);
            } else {
                TextPainter::paint(painter, QRectF(left, y, inner.right() - left, disc), theme_, row.award,
                                   handRole, text, Qt::AlignLeft | Qt::AlignVCenter);
            }
            y += disc + 6;
            if (why_) {
                TextPainter::paint(painter, QRectF(inner.left(), y, inner.width(), inner.bottom() - y),
                                   theme_, *why_, TextRole::caption, text2, Qt::AlignLeft | Qt::AlignTop);
            }
        } else {
            const double disc = pixel ? 9 * u : 18;
            AvatarDisc::paint(painter, QPointF(inner.left(), y), theme_, avatar, disc, false, false);
            const double left = inner.left() + disc + 8;
            const TextRole awardRole = pixel ? TextRole::caption : TextRole::preset;
            const QSizeF award = TextPainter::measure(theme_, row.award, awardRole);
            TextPainter::paint(painter, QRectF(left, y, award.width(), disc), theme_, row.award, awardRole,
                               text, Qt::AlignLeft | Qt::AlignVCenter);
            if (row.handName) {
                TextPainter::paint(
                    painter,
                    QRectF(left + award.width() + 8, y, inner.right() - left - award.width() - 8, disc),
                    theme_, *row.handName, TextRole::caption, text2, Qt::AlignLeft | Qt::AlignVCenter);
            }
            y += disc + 4;
        }
    }
}
