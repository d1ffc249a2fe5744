#include "Views/Onboarding/ChipPileView.h"

#include "Style/Drawing/LitChip.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Onboarding/OnboardingPieces.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double centreX = 300;
constexpr double squash = 0.38;
// How long after the counter completes the pile keeps ticking, for the last bounce and the pulse.
constexpr double settleTail = 0.6;
constexpr double landingSquash = 0.16;

QPainterPath ellipse(QPointF centre, double width, double height) {
    QPainterPath path;
    path.addEllipse(centre, width / 2, height / 2);
    return path;
}

void paintShadows(QPainter& painter, const ChipDrop& drop, int i, double t, bool dark) {
    const double r = drop.radius();
    const int landed = drop.landed(i, t);
    if (landed == 0)
        return;
    const auto& row = ChipDrop::pile()[static_cast<std::size_t>(i)];
    painter.save();
    // The soft pool darkens as the stack fills; its radial falloff is left to the blur.
    painter.setOpacity(std::min(0.35 + 0.65 * landed / row.count, 1.0));
    SoftShadow::paint(painter, ellipse({row.x + centreX + 4, row.floor + 4}, 2.4 * r, 2.6 * squash * r), 4,
                      QColor::fromRgbF(0, 0, 0, dark ? 0.4f : 0.18f), {});
    painter.restore();
    SoftShadow::paint(painter, ellipse({row.x + centreX + 1, row.floor + 2}, 2.08 * r, 2.2 * squash * r), 1.5,
                      QColor::fromRgbF(0, 0, 0, dark ? 0.75f : 0.4f), {});
}

void paintChip(QPainter& painter, const ChipDrop& drop, const ChipDrop::Chip& chip, double t) {
    if (t < chip.start)
        return;
    const auto& row = ChipDrop::pile()[static_cast<std::size_t>(chip.stack)];
    const double r = drop.radius();
    const double y = drop.y(chip, t);
    const double q = t >= chip.land ? 1.0 : std::clamp((y + 110) / (chip.restY + 110), 0.0, 1.0);
    const double rest = 1 - q;
    const double sinceLanding = t - chip.land;
    const double k = sinceLanding >= 0 && sinceLanding < landingSquash ? sinceLanding / landingSquash : 1.0;

    const QSizeF frame = LitChip::frame(r, squash);
    const double x = row.x + centreX + rest * chip.drift;
    // The frame is placed so the centre of the chip's bottom face sits at (x, y).
    const QPointF topLeft(x - frame.width() / 2, y - frame.height() + squash * r + 2);

    painter.save();
    const QPointF centre = topLeft + QPointF(frame.width() / 2, frame.height() / 2);
    painter.translate(centre);
    painter.rotate(chip.tilt + rest * chip.spin);
    // Flattened on impact about a point low on the chip, back to full size 0.16 s later.
    const QPointF anchor(0, 0.3 * frame.height());
    painter.translate(anchor);
    painter.scale(1.04 - 0.04 * k, 0.86 + 0.14 * k);
    painter.translate(-anchor);
    LitChip::paintMoving(painter, -QPointF(frame.width() / 2, frame.height() / 2), chip.denomination, r,
                         squash);
    painter.restore();
}

void paintCounter(QPainter& painter, const ChipDrop& drop, double t, const TableTheme& theme) {
    const double duration = drop.duration();
    const double pulse = t >= duration && t < duration + ChipDrop::countEase
                             ? 0.06 * std::sin(M_PI * (t - duration) / 0.35)
                             : 0;

    const QFont number = ThemeFonts::system(40, FontWeight::bold);
    const QFont caption = ThemeFonts::system(13, FontWeight::regular);
    const QString total = QLocale().toString(drop.count(t));

    painter.save();
    painter.translate(centreX, 330);
    painter.save();
    painter.translate(0, -10);
    painter.scale(1 + pulse, 1 + pulse);
    painter.setFont(number);
    painter.setPen(OnboardingInk::primary(theme));
    painter.drawText(QRectF(-300, -26, 600, 52), Qt::AlignCenter, total);
    painter.restore();
    painter.setFont(caption);
    painter.setPen(OnboardingInk::secondary(theme));
    painter.drawText(QRectF(-300, 14, 600, 18), Qt::AlignCenter, QStringLiteral("chips to start"));
    painter.restore();
}

} // namespace

ChipPileView::ChipPileView(const TableTheme& theme, QWidget* parent)
    : QWidget(parent)
    , theme_(theme) {
    setFixedSize(viewSize);
    setAccessibleName(QStringLiteral("A pile of chips: your starting bankroll of 10,000 chips"));
    connect(&clock_, &AnimationClock::ticked, this, &ChipPileView::tick);
    finished_ = theme_.reduceMotion;
}

void ChipPileView::restart() {
    startedAt_ = clock_.now();
    finished_ = theme_.reduceMotion;
    if (!finished_ && inSight_ && isVisible())
        clock_.start();
    update();
}

void ChipPileView::setInSight(bool inSight) {
    inSight_ = inSight;
    if (!inSight_)
        clock_.stop();
    else if (!finished_ && isVisible())
        clock_.start();
}

void ChipPileView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

double ChipPileView::elapsed() const {
    if (theme_.reduceMotion)
        return std::numeric_limits<double>::infinity();
    return clock_.now() - startedAt_;
}

void ChipPileView::tick() {
    if (elapsed() >= drop_.duration() + settleTail) {
        finished_ = true;
        clock_.stop();
    }
    update();
}

void ChipPileView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    restart();
}

void ChipPileView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Leaving the page ends the drop: nothing ticks for a picture nobody sees.
    clock_.stop();
    finished_ = true;
}

void ChipPileView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFrame(painter, drop_,
               finished_ && !theme_.reduceMotion ? std::max(elapsed(), drop_.duration() + settleTail)
                                                 : elapsed(),
               theme_);
}

void ChipPileView::paintFrame(QPainter& painter, const ChipDrop& drop, double t, const TableTheme& theme) {
    painter.setRenderHint(QPainter::Antialiasing);
    // Back rows first, each row's shadows under its chips, lower chips under higher ones.
    for (int row = 0; row < static_cast<int>(ChipDrop::pile().size()); ++row) {
        paintShadows(painter, drop, row, t, theme.dark);
        for (int level = 0; level < ChipDrop::pile()[static_cast<std::size_t>(row)].count; ++level)
            for (const auto& chip : drop.chips())
                if (chip.stack == row && chip.level == level)
                    paintChip(painter, drop, chip, t);
    }
    paintCounter(painter, drop, t, theme);
}
