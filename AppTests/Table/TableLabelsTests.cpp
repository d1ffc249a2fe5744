// The nameplate's, the pot's and the bets' words and measures at the worked values.
#include "HandEvents.h"

#include "Table/Screen/NameplateModel.h"
#include "Table/Screen/PotText.h"
#include "Table/TableMetrics.h"

#include <QStringList>

#include <gtest/gtest.h>

using PokerEngine::SeatStatus;

namespace {

TableTheme theme(TableStyleID style, TableSurface surface, double unit = 2) {
    return TableTheme::drawnIn(style, surface, unit, AppearanceFlags{});
}

SeatModel seat(SeatStatus status = SeatStatus::active) {
    SeatModel model;
    model.seat = 1;
    model.slot = 1;
    model.name = QStringLiteral("Rascal");
    model.status = status;
    model.stack = 12'340;
    model.stackLine = SeatModel::StackLine::chips(12'340);
    return model;
}

} // namespace

TEST(Nameplate, StackLineByLineKindAndSurface) {
    const auto popover = theme(TableStyleID::satin, TableSurface::popover);
    const auto window = theme(TableStyleID::satin, TableSurface::window);
    const auto pixel = theme(TableStyleID::pixel, TableSurface::window, 3);
    using Line = SeatModel::StackLine;
    EXPECT_EQ(NameplateModel::stackText(Line::chips(12'340), popover), "12.3k");
    EXPECT_EQ(NameplateModel::stackText(Line::chips(12'340), window), "12,340");
    EXPECT_EQ(NameplateModel::stackText(Line::folded(980), popover), "Folded · 980");
    EXPECT_EQ(NameplateModel::stackText(Line::folded(12'340), window), "Folded · 12,340");
    EXPECT_EQ(NameplateModel::stackText(Line::folded(12'340), pixel), "Folded");
    EXPECT_EQ(NameplateModel::stackText(Line::out(), window), "Out");
    EXPECT_EQ(NameplateModel::stackText(Line::sittingOut(), window), "Sitting out");
    EXPECT_EQ(NameplateModel::stackText(Line::empty(), window), "Empty");

    auto folded = seat(SeatStatus::folded);
    folded.stackLine = Line::folded(12'340);
    const auto plate = NameplateModel::make(folded, true, false, window);
    EXPECT_EQ(plate.stackFallback, "Folded");
    EXPECT_FALSE(plate.stackRolls);
    EXPECT_TRUE(NameplateModel::make(seat(), true, false, window).stackRolls);
}

TEST(Nameplate, SizesByStyleAndSurface) {
    const auto popover =
        NameplateModel::make(seat(), true, false, theme(TableStyleID::paper, TableSurface::popover));
    EXPECT_EQ(popover.plate, QSizeF(112, 36));
    EXPECT_EQ(popover.avatar, 36);
    EXPECT_EQ(popover.ringOverhang, 0);
    EXPECT_EQ(popover.tagHeight, 13);
    const auto window =
        NameplateModel::make(seat(), true, false, theme(TableStyleID::satin, TableSurface::window));
    EXPECT_EQ(window.plate, QSizeF(150, 46));
    EXPECT_EQ(window.avatar, 48);
    EXPECT_EQ(window.ringOverhang, 1);
    EXPECT_EQ(window.tagHeight, 15);
    const auto pixelTheme = theme(TableStyleID::pixel, TableSurface::window, 3);
    const auto pixel = NameplateModel::make(seat(), true, false, pixelTheme);
    EXPECT_EQ(pixel.plate, TableMetrics::pixel(3, TableSurface::window).plate);
    EXPECT_EQ(pixel.tagHeight, 27);
}

TEST(Nameplate, PixelNamesAreUpperCasedAndCut) {
    const auto pixel = theme(TableStyleID::pixel, TableSurface::popover, 2);
    EXPECT_EQ(NameplateModel::displayName("Rascal", pixel), "RASCAL");
    const QString cut = NameplateModel::displayName("Bartholomew the Magnificent", pixel);
    EXPECT_TRUE(cut.endsWith('.'));
    EXPECT_TRUE(QString("BARTHOLOMEW THE MAGNIFICENT").startsWith(cut.chopped(1)));
    const auto plate = NameplateModel::plateSize(pixel);
    const int maxWidth = int((plate.width() - NameplateModel::avatarSize(pixel)) / 2) - 1;
    EXPECT_LE(PixelFont::width(PixelFontFace::label, cut), maxWidth);
    // Satin and paper never shorten.
    EXPECT_EQ(NameplateModel::displayName("Bartholomew the Magnificent",
                                          theme(TableStyleID::satin, TableSurface::popover)),
              "Bartholomew the Magnificent");
}

TEST(Nameplate, RingTagsAndDimming) {
    const auto window = theme(TableStyleID::satin, TableSurface::window);
    auto acting = seat();
    acting.isActing = true;
    EXPECT_TRUE(NameplateModel::make(acting, true, false, window).ringOn);
    EXPECT_FALSE(NameplateModel::make(acting, false, false, window).ringOn);
    EXPECT_TRUE(NameplateModel::make(acting, true, false, window).tags.empty()); // a bot gets no turn tag
    auto winner = seat();
    winner.isWinner = true;
    EXPECT_TRUE(NameplateModel::make(winner, false, false, window).ringOn);

    auto hero = acting;
    hero.isHero = true;
    hero.status = SeatStatus::allIn;
    hero.blind = QStringLiteral("SB");
    const auto plate = NameplateModel::make(hero, true, false, window);
    ASSERT_EQ(plate.tags.size(), 3u);
    EXPECT_EQ(plate.tags[0].text, "All-in");
    EXPECT_EQ(plate.tags[0].tooltip, "Betting every chip you have. Nobody can make you fold after that.");
    EXPECT_EQ(plate.tags[0].offset, QPointF(46, -11.25));
    EXPECT_EQ(plate.tags[1].text, "Your turn");
    EXPECT_EQ(plate.tags[1].offset, QPointF(44, -11.25));
    EXPECT_EQ(plate.tags[1].frameWidth, 102);
    EXPECT_EQ(plate.tags[2].text, "SB");
    EXPECT_EQ(
        plate.tags[2].tooltip,
        "Small blind: the smaller forced bet, half the big blind, put in by the player after the button.");
    EXPECT_EQ(plate.tags[2].offset, QPointF(0, 46 - 0.45 * 15));
    EXPECT_EQ(plate.tags[2].frameWidth, 144);

    auto malformed = seat();
    malformed.blind = QStringLiteral("XX");
    EXPECT_EQ(NameplateModel::make(malformed, true, false, window).tags[0].tooltip,
              "Big blind: the larger forced bet, put in by the second player after the button.");

    EXPECT_EQ(NameplateModel::make(seat(SeatStatus::busted), true, false, window).contentOpacity, 0.4);
    EXPECT_EQ(NameplateModel::make(seat(SeatStatus::folded), true, false, window).contentOpacity, 0.5);
    EXPECT_EQ(NameplateModel::make(seat(SeatStatus::sittingOut), true, false, window).contentOpacity, 0.5);
    EXPECT_EQ(NameplateModel::make(seat(SeatStatus::allIn), true, false, window).contentOpacity, 1);
    const auto pixel = theme(TableStyleID::pixel, TableSurface::window, 3);
    EXPECT_EQ(NameplateModel::make(seat(SeatStatus::busted), true, false, pixel).contentOpacity, 1);
    EXPECT_TRUE(NameplateModel::make(seat(SeatStatus::busted), true, false, pixel).nameGreyed);
    EXPECT_FALSE(NameplateModel::make(seat(SeatStatus::allIn), true, false, pixel).nameGreyed);
    // In pixel the turn tag hangs from the top edge by one cell.
    EXPECT_EQ(NameplateModel::make(hero, true, false, pixel).tags[1].offset.y(), 3 - 27);
}

TEST(Nameplate, EmptySeats) {
    const auto window = theme(TableStyleID::satin, TableSurface::window);
    auto empty = seat(SeatStatus::empty);
    empty.isWinner = true;
    EXPECT_EQ(NameplateModel::make(empty, true, true, window).tooltip, "A new player joins next hand");
    EXPECT_EQ(NameplateModel::make(empty, true, false, window).tooltip, "");
    EXPECT_FALSE(NameplateModel::make(empty, true, true, window).ringOn);
    EXPECT_TRUE(NameplateModel::make(empty, true, true, window).empty);
}

namespace {

PokerEngine::PlayerView potsView(std::vector<std::pair<std::int64_t, std::vector<int>>> pots) {
    auto view = HandEvents::view(4, 0);
    for (auto& seat : view.seats) {
        seat.player = PokerEngine::PlayerID::random();
    }
    for (const auto& [amount, eligible] : pots) {
        PokerEngine::Pot pot{amount, {}};
        for (const int seat : eligible) {
            pot.eligible.insert(*view.seats[std::size_t(seat)].player);
        }
        view.pots.push_back(pot);
    }
    return view;
}

QString seatName(std::int64_t seat) {
    return QStringList{"Hero?", "Rascal", "Goldie", "Moss"}.at(int(seat));
}

} // namespace

TEST(PotText, SideLineAndSpokenPots) {
    EXPECT_FALSE(PotText::sideLine({PokerEngine::Pot{400, {}}}));
    EXPECT_EQ(PotText::sideLine({PokerEngine::Pot{400, {}}, PokerEngine::Pot{1250, {}}}),
              "Main 400 · Side 1,250");
    EXPECT_EQ(
        PotText::sideLine({PokerEngine::Pot{400, {}}, PokerEngine::Pot{120, {}}, PokerEngine::Pot{60, {}}}),
        "Main 400 · Side 1 120 · Side 2 60");

    auto one = potsView({{400, {0, 1}}});
    EXPECT_EQ(PotText::accessibilityLabel(one, seatName), "Pot: 400 chips.");

    auto two = potsView({{400, {0, 1, 2}}, {120, {1, 2}}});
    two.seats[1].streetBet = 30;
    EXPECT_EQ(PotText::accessibilityLabel(two, seatName),
              "Pot: 550 chips. Main pot: 400 chips, you, Rascal and Goldie. Side pot 1: 120 chips, Rascal "
              "and Goldie.");

    // Players who have left, and a viewer with no seat, who is never "you".
    auto gone = potsView({{400, {0, 1}}, {120, {}}});
    gone.seatIndex.reset();
    EXPECT_EQ(PotText::accessibilityLabel(gone, seatName),
              "Pot: 520 chips. Main pot: 400 chips, Hero? and Rascal. Side pot 1: 120 chips.");
}

TEST(PotText, ListsBetsAndHeights) {
    EXPECT_EQ(PotText::listed({}), "");
    EXPECT_EQ(PotText::listed({"A"}), "A");
    EXPECT_EQ(PotText::listed({"A", "B"}), "A and B");
    EXPECT_EQ(PotText::listed({"A", "B", "C"}), "A, B and C");
    EXPECT_EQ(PotText::betSpoken(1250), "Bet 1,250 chips");
    EXPECT_EQ(PotText::pill(1250), "Pot 1,250");
    EXPECT_EQ(PotText::potHeightHalf(theme(TableStyleID::satin, TableSurface::popover), 1), 11);
    EXPECT_EQ(PotText::potHeightHalf(theme(TableStyleID::paper, TableSurface::window), 1), 14);
    EXPECT_EQ(PotText::potHeightHalf(theme(TableStyleID::paper, TableSurface::window), 2), 23);
    EXPECT_EQ(PotText::potHeightHalf(theme(TableStyleID::pixel, TableSurface::window, 3), 1), 22.5);
    EXPECT_EQ(PotText::potHeightHalf(theme(TableStyleID::pixel, TableSurface::window, 3), 3), 34.5);
}

TEST(PixelBox, OutlineWithEmptyCornersAndAFill) {
    const auto box = PixelBoxCells::make(5, 4);
    EXPECT_EQ(box.outline, (std::vector<QRect>{QRect(1, 0, 3, 4), QRect(0, 1, 5, 2)}));
    EXPECT_EQ(box.fill, QRect(1, 1, 3, 2));
    EXPECT_FALSE(PixelBoxCells::make(2, 5).fill); // narrower than three cells: no fill
    EXPECT_EQ(PixelBoxCells::make(2, 5).outline, (std::vector<QRect>{QRect(0, 1, 2, 3)}));
    EXPECT_EQ(PixelBoxCells::make(0, 5), PixelBoxCells{});
    EXPECT_EQ(PixelBoxCells::make(5, 0), PixelBoxCells{});
}

TEST(PotLabelLayout, ChipsPillAndSideLineByStyle) {
    PotLabelLayout::Sizes sizes;
    sizes.total = QSizeF(60, 18);
    sizes.sideWords = QSizeF(100, 12);
    sizes.sideLabel = QSizeF(112, 15);
    sizes.chips = QSizeF(24, 30);
    const auto satin = PotLabelLayout::make(
        TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, {}), QPointF(500, 300), sizes);
    // The pill is the words padded 12 by 3; the chips sit 6 to its left, the row centred on the point.
    EXPECT_EQ(satin.pill, QRectF(500 - (84 + 30) / 2.0 + 30, 300 - (24 + 3 + 15) / 2.0, 84, 24));
    ASSERT_TRUE(satin.chips);
    EXPECT_EQ(satin.chips->left(), 500 - 57);
    EXPECT_EQ(satin.chips->center().y(), satin.pill.center().y());
    EXPECT_EQ(satin.total, satin.pill.adjusted(12, 3, -12, -3));
    ASSERT_TRUE(satin.sideLabel);
    EXPECT_EQ(*satin.sideLabel, QRectF(500 - 56, satin.pill.bottom() + 3, 112, 15))
        << "centred under the pill";
    EXPECT_FALSE(satin.sideInPill);

    const auto paper = PotLabelLayout::make(
        TableTheme::drawnIn(TableStyleID::paper, TableSurface::window, 3, {}), QPointF(500, 300), sizes);
    EXPECT_EQ(paper.total, paper.pill.adjusted(10, 2, -10, -2));

    // Pixel (unit 3): the side line goes inside the pill under the total; nothing hangs below.
    sizes.chips.reset();
    const auto pixel = PotLabelLayout::make(
        TableTheme::drawnIn(TableStyleID::pixel, TableSurface::window, 3, {}), QPointF(500, 300), sizes);
    EXPECT_FALSE(pixel.sideLabel);
    EXPECT_FALSE(pixel.chips);
    EXPECT_EQ(pixel.pill.size(), QSizeF(100 + 30, 18 + 6 + 12 + 18));
    EXPECT_EQ(pixel.pill.center(), QPointF(500, 300));
    EXPECT_EQ(pixel.total, QRectF(pixel.pill.left() + 15, pixel.pill.top() + 9, 100, 18));
    ASSERT_TRUE(pixel.sideInPill);
    EXPECT_EQ(pixel.sideInPill->top(), pixel.total.bottom() + 6);
}
