#include "Views/Onboarding/OnboardingPieces.h"

#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/StyleAccessibility.h"

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LineBreaks.h"
#include "Style/SatinPalette.h"
#include "Style/SheetControls.h"
#include "Views/Controls/LobbyArt.h"
#include "Views/Onboarding/OnboardingFlow.h"
#include "Views/Settings/StylePreviews.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double pillPadding = 12;
constexpr double pillText = 12.5;
constexpr double cardPadding = 12;
constexpr double iconTile = 42;
constexpr double ring = 18;
constexpr double dotHeight = 6;
constexpr double dotShort = 6;
constexpr double dotLong = 18;
constexpr double dotSpacing = 7;

QMargins shadowRoom() {
    return SatinPanel::shadowMargins();
}

QColor withAlpha(QColor colour, double alpha) {
    colour.setAlphaF(static_cast<float>(colour.alphaF() * alpha));
    return colour;
}

} // namespace

QColor OnboardingInk::primary(const TableTheme& theme) {
    return toQColor(theme.color(PaletteToken::ink));
}

QColor OnboardingInk::secondary(const TableTheme& theme) {
    return toQColor(theme.color(PaletteToken::ink2));
}

QColor OnboardingInk::accent(const TableTheme& theme) {
    return toQColor(SatinPalette::accent(theme.dark));
}

double FactPill::width() const {
    const QFontMetricsF regular(ThemeFonts::system(pillText, FontWeight::regular));
    const QFontMetricsF strong(ThemeFonts::system(pillText, FontWeight::semibold));
    return std::ceil(regular.horizontalAdvance(lead) + strong.horizontalAdvance(bold) +
                     regular.horizontalAdvance(rest) + 2 * pillPadding);
}

void FactPill::paint(QPainter& painter, QPointF topLeft, const TableTheme& theme) const {
    const QRectF pill(topLeft, QSizeF(width(), height));
    SatinPanel::paint(painter, pill, theme, theme.dark, false, height / 2);

    const QFont regular = ThemeFonts::system(pillText, FontWeight::regular);
    const QFont strong = ThemeFonts::system(pillText, FontWeight::semibold);
    const QFontMetricsF metrics(regular);
    const double baseline = pill.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    double x = pill.left() + pillPadding;
    const auto run = [&](const QString& text, const QFont& font, const QColor& colour) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(x, baseline), text);
        x += QFontMetricsF(font).horizontalAdvance(text);
    };
    run(lead, regular, OnboardingInk::secondary(theme));
    run(bold, strong, OnboardingInk::primary(theme));
    run(rest, regular, OnboardingInk::secondary(theme));
}

CardButton::CardButton(QSizeF cardSize, double hitRadius, QWidget* parent)
    : QAbstractButton(parent)
    , cardSize_(cardSize)
    , hitRadius_(hitRadius) {
    // One of a set, as a radio button reads, not a check box: a card is unchosen only by choosing
    // another. Set before anything a screen reader may already be told about.
    StyleAccessibility::setRole(this, QAccessible::RadioButton);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    resize(sizeHint());
}

QRectF CardButton::cardRect() const {
    const QMargins room = shadowRoom();
    return {QPointF(room.left(), room.top()), cardSize_};
}

QSize CardButton::sizeHint() const {
    return cardSize_.toSize().grownBy(shadowRoom());
}

bool CardButton::hitButton(const QPoint& position) const {
    QPainterPath shape;
    shape.addRoundedRect(cardRect(), hitRadius_, hitRadius_);
    return shape.contains(position);
}

void CardButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int by = key == Qt::Key_Right || key == Qt::Key_Down ? 1
                   : key == Qt::Key_Left || key == Qt::Key_Up  ? -1
                                                               : 0;
    const QList<CardButton*> group =
        parentWidget() ? parentWidget()->findChildren<CardButton*>(Qt::FindDirectChildrenOnly)
                       : QList<CardButton*>{};
    if (by == 0 || group.size() < 2) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    // The segmented picker's rule: one step, stopping at either end.
    CardButton* target = group[SlidingPickerRules::stepped(group.indexOf(this), int(group.size()), by)];
    target->setFocus(by < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    if (!target->isChecked())
        target->click();
    event->accept();
}

OptionCard::OptionCard(const TableTheme& theme, ArtIcon icon, const QString& title, const QString& detail,
                       std::function<void()> action, QWidget* parent)
    : CardButton(cardSize, 14, parent)
    , theme_(theme)
    , icon_(icon)
    , detail_(LineBreaks::keepRangesWhole(detail)) {
    setText(title);
    setAccessibleName(title);
    setAccessibleDescription(detail);
    if (action)
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
}

void OptionCard::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void OptionCard::setSelected(bool selected) {
    setChecked(selected);
    StyleAccessibility::setSelected(this, selected);
}

void OptionCard::setEntrance(double opacity, double dy) {
    if (opacity == opacity_ && dy == dy_)
        return;
    opacity_ = opacity;
    dy_ = dy;
    update();
}

void OptionCard::placeCard(QPointF topLeft) {
    move((topLeft - cardRect().topLeft()).toPoint());
}

void OptionCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity_);
    painter.translate(0, dy_);
    const QRectF card = cardRect();
    const bool selected = isChecked();
    SatinPanel::paint(painter, card, theme_, theme_.dark, selected, 12);

    const QRectF content = card.adjusted(cardPadding, cardPadding, -cardPadding, -cardPadding);
    LobbyArt::paintIconTile(painter, QRectF(content.topLeft(), QSizeF(iconTile, iconTile)), theme_, icon_);

    const QRectF ringBox(content.right() - ring, content.top(), ring, ring);
    const double textLeft = content.left() + iconTile + 10;
    const double textWidth = ringBox.left() - 4 - textLeft;
    const QFont titleFont = ThemeFonts::system(14, FontWeight::semibold);
    const QFontMetricsF titleMetrics(titleFont);
    painter.setFont(titleFont);
    painter.setPen(OnboardingInk::primary(theme_));
    painter.drawText(QRectF(textLeft, content.top(), textWidth, titleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, text());
    painter.setFont(ThemeFonts::system(12, FontWeight::regular));
    painter.setPen(OnboardingInk::secondary(theme_));
    const double detailTop = content.top() + titleMetrics.height() + 3;
    painter.drawText(QRectF(textLeft, detailTop, textWidth, card.bottom() - detailTop),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, detail_);

    // The ring is drawn inside its frame: a thick accent ring when chosen, a thin grey one otherwise.
    const double lineWidth = selected ? 5 : 1.5;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(selected ? OnboardingInk::accent(theme_) : withAlpha(OnboardingInk::secondary(theme_), 0.6),
             lineWidth));
    painter.drawEllipse(ringBox.adjusted(lineWidth / 2, lineWidth / 2, -lineWidth / 2, -lineWidth / 2));

    if (hasFocus())
        FocusRingPainter::paint(painter, card, theme_, FocusRingPainter::Outline::rounded, 12);
}

StyleCard::StyleCard(const TableTheme& theme, TableStyleID style, bool selected, std::function<void()> action,
                     QWidget* parent)
    : CardButton(cardSize, 12, parent)
    , theme_(theme)
    , style_(style) {
    const QString name =
        QString::fromUtf8(displayName(style).data(), static_cast<int>(displayName(style).size()));
    setText(name);
    setChecked(selected);
    StyleAccessibility::setSelected(this, selected);
    setAccessibleName(name);
    setAccessibleDescription(
        QString::fromUtf8(summary(style).data(), static_cast<int>(summary(style).size())));
    if (action)
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
}

void StyleCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = cardRect();
    const bool selected = isChecked();
    SatinPanel::paint(painter, card, theme_, theme_.dark, selected, 12);

    const QRectF thumb(card.topLeft(), QSizeF(card.width(), 100));
    const TableTheme drawn = TableTheme::drawnIn(style_, theme_.surface, theme_.pixelUnit,
                                                 {theme_.dark, theme_.increaseContrast, theme_.reduceMotion},
                                                 theme_.fourColorDeck);
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(card, 12, 12);
    painter.setClipPath(clip);
    StylePreviews::paintThumbnail(painter, thumb, drawn,
                                  StylePreviews::thumbnailLayout(style_, false, thumb.size()));
    painter.restore();

    painter.setPen(QPen(withAlpha(OnboardingInk::secondary(theme_), 0.3), 1));
    painter.drawLine(QPointF(card.left(), thumb.bottom() + 0.5), QPointF(card.right(), thumb.bottom() + 0.5));

    const QFont font = ThemeFonts::system(13, selected ? FontWeight::semibold : FontWeight::medium);
    const double nameWidth = QFontMetricsF(font).horizontalAdvance(text());
    const double markWidth = selected ? 11 + 5 : 0;
    const QRectF row(card.left(), thumb.bottom() + 1, card.width(), 34);
    double x = row.center().x() - (markWidth + nameWidth) / 2;
    if (selected) {
        SymbolIcons::paint(painter, QStringLiteral("checkmark"), QRectF(x, row.center().y() - 5.5, 11, 11),
                           OnboardingInk::accent(theme_));
        x += markWidth;
    }
    painter.setFont(font);
    painter.setPen(OnboardingInk::primary(theme_));
    painter.drawText(QRectF(x, row.top(), nameWidth + 1, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     text());
    if (hasFocus())
        FocusRingPainter::paint(painter, card, theme_, FocusRingPainter::Outline::rounded, 12);
}

PageDots::PageDots(int count, int current, bool reduceMotion, QWidget* parent)
    : QWidget(parent)
    , theme_(TableTheme::standard())
    , count_(count)
    , current_(current)
    , previous_(current)
    , reduceMotion_(reduceMotion) {
    setAccessibleName(OnboardingFlow::dotsLabel(current_, count_));
    resize(sizeHint());
    connect(&clock_, &AnimationClock::ticked, this, [this] {
        if (move_.isFinished(clock_.now()))
            clock_.stop();
        update();
    });
}

void PageDots::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void PageDots::setCurrent(int current) {
    if (current == current_)
        return;
    previous_ = current_;
    current_ = current;
    setAccessibleName(OnboardingFlow::dotsLabel(current_, count_));
    if (reduceMotion_) {
        move_ = {};
        move_.curve = AnimationCurve::linear(0);
    } else {
        move_.curve = AnimationCurve::easeInOut(0.25);
        move_.startedAt = clock_.now();
        clock_.start();
    }
    update();
}

double PageDots::dotWidth(int index, int from, int to, double progress) {
    const double start = index == from ? dotLong : dotShort;
    const double end = index == to ? dotLong : dotShort;
    return start + (end - start) * progress;
}

QSize PageDots::sizeHint() const {
    const double width = dotLong + (count_ - 1) * (dotShort + dotSpacing);
    return {static_cast<int>(std::ceil(width)), static_cast<int>(dotHeight)};
}

void PageDots::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double progress =
        move_.isFinished(clock_.now()) ? 1.0 : move_.curve.progress(clock_.now() - move_.startedAt);
    const double top = (height() - dotHeight) / 2;
    double x = 0;
    for (int i = 0; i < count_; ++i) {
        const double width = dotWidth(i, previous_, current_, progress);
        // The colour follows the same change as the width.
        const double lit = i == current_ ? progress : i == previous_ ? 1 - progress : 0;
        QColor colour = withAlpha(OnboardingInk::secondary(theme_), 0.5);
        const QColor primary = OnboardingInk::primary(theme_);
        colour.setRgbF(colour.redF() + (primary.redF() - colour.redF()) * lit,
                       colour.greenF() + (primary.greenF() - colour.greenF()) * lit,
                       colour.blueF() + (primary.blueF() - colour.blueF()) * lit,
                       colour.alphaF() + (primary.alphaF() - colour.alphaF()) * lit);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(x, top, width, dotHeight), dotHeight / 2, dotHeight / 2);
        x += width + dotSpacing;
    }
}
