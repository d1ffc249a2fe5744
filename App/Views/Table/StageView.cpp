#include "Views/Table/StageView.h"

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/DealerButtonView.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TagView.h"
#include "Table/Screen/PotText.h"
#include "Table/Screen/SeatClearance.h"
#include "Table/Screen/StageHelp.h"
#include "Views/Learn/HandTagView.h"
#include "Views/Table/FeltLabels.h"
#include "Views/Table/FlipTransform.h"
#include "Views/Table/NameplatePainter.h"
#include "Views/Table/StageKit.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numbers>

using Kind = StageItem::Kind;

namespace {

QWidget* spot(QWidget* parent) {
    auto* widget = new QWidget(parent);
    // Painted by the stage; the spot only speaks, as the text it stands for.
    StyleAccessibility::setRole(widget, QAccessible::StaticText);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->hide();
    return widget;
}

void place(QWidget* widget, const QRectF& rect, const QString& name, const QString& hint = {}) {
    widget->setGeometry(rect.toAlignedRect());
    StyleAccessibility::setName(widget, name);
    // A hint that only says the name again is left out: a reader would speak it twice.
    StyleAccessibility::setDescription(widget, name.contains(hint, Qt::CaseInsensitive) ? QString() : hint);
    widget->setToolTip(QString());
    widget->show();
}

QRectF around(QPointF center, QSizeF size) {
    return QRectF(center - QPointF(size.width() / 2, size.height() / 2), size);
}

const SeatModel* seatOf(const std::vector<SeatModel>& seats, std::int64_t seat) {
    const auto found =
        std::find_if(seats.begin(), seats.end(), [&](const SeatModel& model) { return model.seat == seat; });
    return found == seats.end() ? nullptr : &*found;
}

void paintCard(QPainter& painter, const StageScene::Pose& pose, const TableTheme& theme) {
    const StageItem& item = *pose.item;
    const QRectF rect = around(QPointF(), item.size);
    const double flip = pose.flipDegrees;
    const bool faceUp = flip <= 90;
    const double visible = faceUp ? flip : flip - 180;
    painter.save();
    painter.setOpacity(painter.opacity() * pose.opacity);
    QTransform placement;
    placement.translate(pose.center.x(), pose.center.y());
    placement.rotate(pose.rotationDegrees);
    placement.scale(pose.scale, pose.scale);
    if (theme.style == TableStyleID::pixel) {
        placement.scale(std::max(std::abs(std::cos(visible * std::numbers::pi / 180)), 0.08), 1);
    } else if (visible != 0) {
        placement = flipTransform(QPointF(), item.size, visible) * placement;
    }
    painter.setTransform(placement, true);
    StageKit::card(painter, rect, theme, faceUp ? item.card : std::nullopt, flip > 0 && flip < 180,
                   pose.moving);
    if (pose.ring > 0) {
        const double width = item.size.width() < 36 ? 1.5 : 2;
        const double radius = 0.14 * item.size.width() + 2;
        const RGB ring = theme.palette.values.contains(PaletteToken::winnerRing)
                             ? theme.color(PaletteToken::winnerRing)
                             : RGB{1, 1, 1, 1};
        painter.setOpacity(painter.opacity() * pose.ring);
        painter.setPen(QPen(toQColor(ring), width));
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(rect.adjusted(-2 + width / 2, -2 + width / 2, 2 - width / 2, 2 - width / 2),
                                radius, radius);
    }
    painter.restore();
}

} // namespace

StageView::StageView(QWidget* parent)
    : QWidget(parent)
    , board_(spot(this))
    , pot_(spot(this))
    , lastAction_(spot(this)) {
    for (auto& plate : plates_) {
        plate = spot(this);
    }
    heroCards_ = spot(this);
    dealer_ = spot(this);
    // A reader walks the spots in the order of the stage's children: the seats round the table, the
    // board and the pot in its middle, the last action, your cards, the dealer button.
    for (QWidget* spoken : plates_)
        spoken->raise();
    for (QWidget* spoken : {board_, pot_, lastAction_, heroCards_, dealer_})
        spoken->raise();
    StyleAccessibility::setName(this, QStringLiteral("Table"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    connect(&clock_, &AnimationClock::ticked, this, &StageView::tick);
}

StageView::~StageView() = default;

QSize StageView::sizeHint() const {
    return inputs_ ? inputs_->geometry.stage.toSize() : QSize(420, 388);
}

double StageView::pausedShade(double now) const {
    return shade_.value(now);
}

void StageView::show(Inputs inputs) {
    const double now = clock_.now();
    const bool wasPaused = inputs_ && inputs_->paused;
    if (!inputs_ || wasPaused != inputs.paused) {
        // The shade darkens a moment after a pause and lifts at once on resume.
        const double target = inputs.paused ? 1 : 0;
        shade_ = inputs_ ? Transition{AnimationCurve::easeInOut(0.2), now + (inputs.paused ? 0.3 : 0),
                                      shade_.value(now), target}
                         : Transition{AnimationCurve::linear(0), now, target, target};
    }
    const bool first = !inputs_;
    const bool resized = inputs_ && inputs_->geometry != inputs.geometry;
    inputs_ = std::move(inputs);
    StageInputs stage;
    stage.view = &inputs_->view;
    stage.seats = &inputs_->seats;
    stage.geometry = inputs_->geometry;
    stage.theme = inputs_->theme;
    stage.timeline = inputs_->timeline;
    stage.lastAction = inputs_->lastAction;
    stage.paused = inputs_->paused;
    stage.handTag = inputs_->handTag.has_value();
    stage.litCards = inputs_->litCards;
    stage.betSize = [theme = inputs_->theme](std::int64_t amount) {
        return FeltLabels::betSize(theme, amount);
    };
    stage.tagSize = [theme = inputs_->theme](const QString& text) { return TagView::measure(theme, text); };
    stage.sentenceSize = [theme = inputs_->theme](const QStringList& lines) {
        return FeltLabels::labelSize(theme, lines, TextRole::lastAction);
    };
    if (first) {
        scene_.settle(StageLayout::items(stage), now, inputs_->theme);
    } else {
        scene_.update(StageLayout::items(stage), now, inputs_->theme, resized);
    }
    updateHandTag();
    updateAccessibility();
    if (scene_.isMoving(now) || !shade_.isFinished(now)) {
        clock_.start();
    }
    update();
}

void StageView::tick() {
    const double now = clock_.now();
    if (!scene_.isMoving(now) && shade_.isFinished(now)) {
        scene_.prune(now);
        std::erase_if(tagPictures_, [this](const auto& picture) { return !scene_.contains(picture.first); });
        clock_.stop();
    }
    update();
}

void StageView::updateHandTag() {
    const Inputs& in = *inputs_;
    if (!in.handTag || in.view.holeCards.empty() || in.timeline.holdsDeal) {
        return;
    }
    const double ratio = devicePixelRatioF();
    const DrawnTag wanted{StageLayout::handTagId(in.view.handNumber),
                          *in.handTag,
                          in.theme.style,
                          in.theme.surface,
                          in.theme.dark,
                          in.theme.increaseContrast,
                          StageLayout::handTagWidth(in.geometry),
                          ratio};
    if (drawnTag_ == wanted) {
        return;
    }
    // Drawn once per tag, never during a frame.
    if (!tagArt_) {
        tagArt_ = std::make_unique<HandTagView>(in.theme, *in.handTag);
    }
    tagArt_->setTheme(in.theme);
    tagArt_->setTag(*in.handTag);
    // At its natural width when that fits the frame, else the frame's width with its text shrunk to fit.
    const QMargins shadow = HandTagView::shadowMargins();
    const int width = std::min(tagArt_->sizeHint().width(),
                               static_cast<int>(wanted.width) + shadow.left() + shadow.right());
    tagArt_->resize(width, tagArt_->heightForWidth(width));
    QPixmap picture(tagArt_->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    tagArt_->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    tagPictures_[wanted.id] = picture;
    drawnTag_ = wanted;
}

QRectF StageView::handTagRect() const {
    if (!inputs_ || !inputs_->handTag || !drawnTag_) {
        return {};
    }
    const auto found = tagPictures_.find(drawnTag_->id);
    if (found == tagPictures_.end() || !scene_.contains(drawnTag_->id)) {
        return {};
    }
    const QMargins shadow = HandTagView::shadowMargins();
    const QPointF corner =
        StageLayout::handTagOrigin(inputs_->geometry) - QPointF(shadow.left(), shadow.top());
    return QRectF(corner, found->second.deviceIndependentSize()).marginsRemoved(shadow);
}

std::vector<StageHelp::Spot> StageView::helpSpots() const {
    std::vector<StageHelp::Spot> spots;
    if (!inputs_) {
        return spots;
    }
    const Inputs& in = *inputs_;
    const TableTheme& theme = in.theme;
    const auto tagSize = [&theme](const QString& text) { return TagView::measure(theme, text); };
    for (const auto& pose : scene_.poses(clock_.now())) {
        const StageItem& item = *pose.item;
        if (pose.opacity <= 0 || pose.leaving) {
            continue;
        }
        switch (item.kind) {
        case Kind::nameplate:
            if (const SeatModel* seat = seatOf(in.seats, item.seat)) {
                const auto plate = NameplateModel::make(
                    *seat, StageLayout::showsTurn(*seat, in.paused, in.timeline.turnHeld), in.cashTable,
                    theme);
                const auto own = StageHelp::plate(plate, pose.center + QPointF(0, pose.knock), tagSize);
                spots.insert(spots.end(), own.begin(), own.end());
            }
            break;
        case Kind::dealer: {
            const double size = DealerButtonView::diameter(theme);
            spots.push_back({around(pose.center, QSizeF(size, size)), StageHelp::dealerHelp()});
            break;
        }
        case Kind::pot:
            if (const auto side = FeltLabels::potLayout(pose.center, theme, in.view,
                                                        in.geometry.metrics.surface == TableSurface::window)
                                      .sideLabel) {
                spots.push_back({*side, PotText::sidePotHelp()});
            }
            break;
        case Kind::handTag:
            if (in.handTag) {
                spots.push_back({handTagRect(), in.handTag->help});
            }
            break;
        default:
            break;
        }
    }
    return spots;
}

bool StageView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto text = StageHelp::at(helpSpots(), help->pos())) {
            QToolTip::showText(help->globalPos(), *text, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void StageView::updateAccessibility() {
    const Inputs& in = *inputs_;
    const auto& geometry = in.geometry;
    const QRectF boardRect = around(geometry.boardCardCenter(0), geometry.metrics.boardCard)
                                 .united(around(geometry.boardCardCenter(4), geometry.metrics.boardCard));
    if (const auto label = StageLayout::boardLabel(in.view.board)) {
        place(board_, boardRect, *label);
    } else {
        board_->hide();
    }
    const auto name = [&](std::int64_t seat) {
        const SeatModel* model = seatOf(in.seats, seat);
        return model ? model->name : QString();
    };
    if (in.view.street != PokerEngine::Street::handComplete && in.view.totalPot() >= 1) {
        place(pot_, around(geometry.potCenter(), QSizeF(120, 24)),
              PotText::accessibilityLabel(in.view, name));
    } else {
        pot_->hide();
    }
    if (in.lastAction) {
        place(lastAction_,
              around(boardRect.center() - QPointF(0, geometry.metrics.boardCard.height()), QSizeF(200, 18)),
              QStringLiteral("Last action: ") + *in.lastAction);
    } else {
        lastAction_->hide();
    }
    std::vector<const SeatModel*> bySlot;
    for (const auto& seat : in.seats) {
        bySlot.push_back(&seat);
    }
    std::sort(bySlot.begin(), bySlot.end(),
              [](const SeatModel* a, const SeatModel* b) { return a->slot < b->slot; });
    for (std::size_t i = 0; i < plates_.size(); ++i) {
        if (i >= bySlot.size()) {
            plates_[i]->hide();
            continue;
        }
        const SeatModel& seat = *bySlot[i];
        place(plates_[i], around(geometry.plateCenter(seat.slot), geometry.metrics.plate),
              seat.accessibilityLabel(), seat.accessibilityHint());
    }
    if (!in.view.holeCards.empty() && !in.timeline.holdsDeal) {
        QStringList cards;
        for (const auto& card : in.view.holeCards) {
            cards << QString::fromStdString(card.name());
        }
        const QSizeF hero = geometry.metrics.heroCard;
        const QRectF rect(geometry.heroCards.x() - 0.95 * hero.width(),
                          geometry.heroCards.y() - hero.height() / 2, 1.9 * hero.width(), hero.height());
        if (in.handTag) {
            place(heroCards_, rect,
                  QStringLiteral("Your cards: ") + cards.join(QStringLiteral(", ")) + QStringLiteral(". ") +
                      in.handTag->spoken,
                  in.handTag->help);
        } else {
            place(heroCards_, rect, cards.join(QStringLiteral(", ")));
        }
    } else {
        heroCards_->hide();
    }
    const auto dealer =
        std::find_if(in.seats.begin(), in.seats.end(), [](const SeatModel& seat) { return seat.isDealer; });
    if (dealer != in.seats.end()) {
        const double size = geometry.metrics.dealerButton;
        place(dealer_,
              around(SeatClearance::dealerCenter(geometry, in.theme, dealer->slot), QSizeF(size, size)),
              StageHelp::dealerHelp());
    } else {
        dealer_->hide();
    }
}

void StageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintStage(painter);
}

void StageView::paintStage(QPainter& painter) {
    if (!inputs_) {
        return;
    }
    const Inputs& in = *inputs_;
    const TableTheme& theme = in.theme;
    const auto& geometry = in.geometry;
    const double now = clock_.now();
    painter.setRenderHint(QPainter::Antialiasing);
    StageKit::felt(painter, geometry.table, theme);
    if (const double shade = pausedShade(now); shade > 0) {
        painter.save();
        painter.setOpacity(shade);
        StageKit::pausedShade(painter, geometry.table, theme);
        painter.restore();
    }
    for (int i = 0; i < 5; ++i) {
        StageKit::cardPlace(painter, around(geometry.boardCardCenter(i), geometry.metrics.boardCard), theme);
    }
    for (const auto& pose : scene_.poses(now)) {
        const StageItem& item = *pose.item;
        if (pose.opacity <= 0) {
            continue;
        }
        painter.save();
        painter.setOpacity(pose.opacity);
        switch (item.kind) {
        case Kind::boardCard:
        case Kind::holeCard:
        case Kind::heroCard:
            painter.setOpacity(1);
            paintCard(painter, pose, theme);
            break;
        case Kind::lastAction:
            painter.translate(pose.center);
            painter.scale(pose.scale, pose.scale);
            FeltLabels::paintLabel(painter, QPointF(), theme, item.text.split(QLatin1Char('\n')),
                                   TextRole::lastAction);
            break;
        case Kind::pot:
            FeltLabels::paintPot(painter, pose.center, theme, in.view,
                                 geometry.metrics.surface == TableSurface::window,
                                 {pose.rolledFrom, pose.roll});
            break;
        case Kind::bet:
            FeltLabels::paintBet(painter, pose.center, theme, item.amount, {pose.rolledFrom, pose.roll});
            break;
        case Kind::handTag:
            if (const auto picture = tagPictures_.find(item.id); picture != tagPictures_.end()) {
                // The chip's top-left corner on the tag's frame; its shadow reaches beyond.
                const QMargins shadow = HandTagView::shadowMargins();
                painter.drawPixmap(pose.center - QPointF(item.size.width() / 2, item.size.height() / 2) -
                                       QPointF(shadow.left(), shadow.top()),
                                   picture->second);
            }
            break;
        case Kind::nameplate:
            if (const SeatModel* seat = seatOf(in.seats, item.seat)) {
                const auto plate = NameplateModel::make(
                    *seat, StageLayout::showsTurn(*seat, in.paused, in.timeline.turnHeld), in.cashTable,
                    theme);
                paintNameplate(painter, pose.center + QPointF(0, pose.knock), plate, *seat, theme,
                               {pose.plateRing, pose.turnTag, pose.content, pose.rolledFrom, pose.roll});
            }
            break;
        case Kind::dealer: {
            const double size = DealerButtonView::diameter(theme);
            DealerButtonView::paint(painter, pose.center - QPointF(size / 2, size / 2), theme);
            break;
        }
        case Kind::flight:
            StageKit::chips(painter, pose.center, theme, item.amount, pose.lifted);
            break;
        }
        painter.restore();
    }
}
