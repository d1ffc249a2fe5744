// The stage's tooltips, asked for where the pointer rests on the painted table: the all-in and blind
// tags, an empty seat at a cash table, the dealer button and the side-pot line.
#include "Style/Drawing/DealerButtonView.h"
#include "Style/Drawing/TagView.h"
#include "Table/Screen/SeatClearance.h"
#include "Table/Screen/StageHelp.h"
#include "Table/SeatLayout.h"
#include "Views/Table/FeltLabels.h"
#include "Views/Table/StageView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

// Four seats: the player, a bot all-in, the big blind, and an empty seat; the button at seat 2.
StageView::Inputs fourSeats(TableStyleID style) {
    StageView::Inputs in;
    auto& view = in.view;
    view.handNumber = 4;
    view.street = PokerEngine::Street::flop;
    view.buttonIndex = 2;
    view.seatIndex = 0;
    view.blinds = PokerEngine::BlindLevel{25, 50, 0};
    view.pots = {PokerEngine::Pot{640, {}}, PokerEngine::Pot{180, {}}};
    const auto places = SeatLayout::slotsForSeatCount(4);
    for (int i = 0; i < 4; ++i) {
        PokerEngine::SeatView seat;
        seat.index = i;
        seat.stack = i == 1 ? 0 : 1200;
        seat.status = i == 1 ? PokerEngine::SeatStatus::allIn : PokerEngine::SeatStatus::active;
        view.seats.push_back(seat);
        SeatModel model;
        model.seat = i;
        model.slot = places[static_cast<std::size_t>(i)];
        model.name = i == 0 ? QStringLiteral("You") : QStringLiteral("Player %1").arg(i);
        model.avatar =
            i == 0 ? AvatarModel::hero() : AvatarModel{"P", RGB::bytes(120, 90, 200), false, std::nullopt};
        model.status = seat.status;
        model.isHero = i == 0;
        model.stackLine = SeatModel::StackLine::chips(seat.stack);
        model.isDealer = i == 2;
        if (i == 2) {
            model.blind = QStringLiteral("BB");
        }
        if (i == 3) {
            model.status = PokerEngine::SeatStatus::empty;
            model.stackLine = SeatModel::StackLine::empty();
        }
        in.seats.push_back(model);
    }
    in.theme = TableTheme::drawnIn(style, TableSurface::window, 3, {});
    in.geometry = SeatClearance::windowGeometry(QSizeF(1100, 614), style);
    in.theme.pixelUnit = in.geometry.pixelUnit;
    return in;
}

struct Stage {
    explicit Stage(TableStyleID style)
        : inputs(fourSeats(style)) {
        stage.clock().setTimeSource([this] { return seconds; });
        stage.resize(inputs.geometry.stage.toSize());
        stage.show(inputs);
        seconds = 5; // everything has arrived
        stage.clock().ticked();
        stage.QWidget::show();
        QApplication::processEvents();
    }
    QString tooltipAt(QPointF point) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, point.toPoint(), stage.mapToGlobal(point.toPoint()));
        QApplication::sendEvent(&stage, &help);
        return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    QPointF plateCorner(int seat) const {
        const auto& model = inputs.seats[static_cast<std::size_t>(seat)];
        const QPointF center = inputs.geometry.plateCenter(model.slot);
        const QSizeF plate = NameplateModel::plateSize(inputs.theme);
        return center - QPointF(plate.width() / 2, plate.height() / 2);
    }
    // The middle of a seat's tag, where it is drawn.
    QPointF tagCenter(int seat, NameplateModel::TagKind kind) const {
        const auto& model = inputs.seats[static_cast<std::size_t>(seat)];
        const auto plate = NameplateModel::make(model, true, true, inputs.theme);
        for (const auto& tag : plate.tags) {
            if (tag.kind == kind) {
                return NameplateModel::tagArea(tag, plateCorner(seat),
                                               TagView::measure(inputs.theme, tag.text))
                    .center();
            }
        }
        ADD_FAILURE() << "no such tag";
        return {};
    }

    StageView::Inputs inputs;
    StageView stage;
    double seconds = 0;
};

} // namespace

TEST(StageHelp, TheSpotDrawnLastAnswers) {
    const std::vector<StageHelp::Spot> spots{{QRectF(0, 0, 100, 100), "under"},
                                             {QRectF(50, 50, 20, 20), "over"}};
    EXPECT_EQ(StageHelp::at(spots, QPointF(55, 55)), "over");
    EXPECT_EQ(StageHelp::at(spots, QPointF(10, 10)), "under");
    EXPECT_EQ(StageHelp::at(spots, QPointF(200, 10)), std::nullopt);
    EXPECT_EQ(StageHelp::dealerHelp(),
              "Dealer button: the D disc. It marks the dealer and moves one seat each hand.");
}

TEST(StageHelp, PlatesExplainTheirTagsAndAnEmptyCashSeat) {
    const TableTheme theme = TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, {});
    const auto in = fourSeats(TableStyleID::satin);
    const auto size = [](const QString&) { return QSizeF(40, 15); };
    const auto allIn =
        StageHelp::plate(NameplateModel::make(in.seats[1], true, true, theme), QPointF(200, 100), size);
    ASSERT_EQ(allIn.size(), 1u);
    EXPECT_EQ(allIn[0].help, SeatModel::allInExplanation());
    EXPECT_EQ(allIn[0].area, QRectF(QPointF(200 - 75 + 48 - 2, 100 - 23 - 0.75 * 15), QSizeF(40, 15)));
    const auto empty =
        StageHelp::plate(NameplateModel::make(in.seats[3], true, true, theme), QPointF(200, 100), size);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].help, "A new player joins next hand");
    EXPECT_TRUE(
        StageHelp::plate(NameplateModel::make(in.seats[3], true, false, theme), QPointF(), size).empty())
        << "away from a cash table an empty seat has no help";
    EXPECT_TRUE(
        StageHelp::plate(NameplateModel::make(in.seats[0], true, true, theme), QPointF(), size).empty());
}

TEST(StageView, TooltipsWhereThePointerRests) {
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        SCOPED_TRACE(toString(style));
        Stage table(style);
        const auto& in = table.inputs;
        EXPECT_EQ(table.tooltipAt(table.tagCenter(1, NameplateModel::TagKind::allIn)),
                  SeatModel::allInExplanation());
        EXPECT_EQ(table.tooltipAt(table.tagCenter(2, NameplateModel::TagKind::blind)),
                  "Big blind: the larger forced bet, put in by the second player after the button.");
        EXPECT_EQ(table.tooltipAt(in.geometry.plateCenter(in.seats[3].slot)), "A new player joins next hand");
        EXPECT_EQ(table.tooltipAt(SeatClearance::dealerCenter(in.geometry, in.theme, in.seats[2].slot)),
                  StageHelp::dealerHelp());
        QPointF potCenter;
        for (const auto& pose : table.stage.scene().poses(table.seconds)) {
            if (pose.item->kind == StageItem::Kind::pot) {
                potCenter = pose.center;
            }
        }
        const auto pot = FeltLabels::potLayout(potCenter, in.theme, in.view, true);
        if (style == TableStyleID::pixel) {
            EXPECT_FALSE(pot.sideLabel) << "the pixel pill holds its side line";
        } else {
            ASSERT_TRUE(pot.sideLabel);
            EXPECT_EQ(table.tooltipAt(pot.sideLabel->center()), PotText::sidePotHelp());
        }
        EXPECT_EQ(table.tooltipAt(in.geometry.plateCenter(in.seats[0].slot)), QString())
            << "the player's plate";
    }
}
