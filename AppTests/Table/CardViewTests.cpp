#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/SoftShadow.h"
#include "Views/Table/CardSlot.h"
#include "Views/Table/CardView.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using PokerEngine::Card;

TableTheme theme(TableStyleID style, bool dark = false, bool contrast = false, bool fourColors = false) {
    return TableTheme::drawnIn(style, TableSurface::window, 3, AppearanceFlags{dark, contrast, false},
                               fourColors);
}

QImage picture(const TableTheme& theme, std::optional<Card> card, QSizeF size, bool lifted = false) {
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    CardView::paint(painter, QPointF(40, 40), theme, card, size, lifted);
    return image;
}

const std::array<TableStyleID, 3> styles{TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel};

} // namespace

TEST(CardView, ScreenReadersHearTheCardOrThatItLiesFaceDown) {
    CardView view(theme(TableStyleID::satin), std::nullopt, QSizeF(60, 84));
    EXPECT_EQ(view.accessibleName(), "Face-down card");
    view.setCard(*Card::fromCode("Qd"));
    EXPECT_EQ(view.accessibleName(), "Queen of diamonds");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Graphic);
    EXPECT_EQ(face->text(QAccessible::Name), "Queen of diamonds");
}

TEST(CardView, TheWidgetKeepsRoomForTheShadowAroundTheExactCard) {
    CardView satin(theme(TableStyleID::satin), std::nullopt, QSizeF(60, 84));
    EXPECT_EQ(satin.pieceRect().size(), QSizeF(60, 84));
    EXPECT_GT(satin.sizeHint().height(), 84 + 4);
    satin.placePiece(QRectF(100, 50, 60, 84));
    EXPECT_EQ(satin.mapToParent(satin.pieceRect().topLeft().toPoint()), QPoint(100, 50));

    CardView pixel(theme(TableStyleID::pixel), std::nullopt, QSizeF(60, 84));
    EXPECT_EQ(pixel.sizeHint(), QSize(60, 84));
    EXPECT_EQ(pixel.pieceRect(), QRectF(0, 0, 60, 84));
}

TEST(CardView, OnlyThePaperCardShowsBeingLifted) {
    const auto ace = Card::fromCode("As");
    for (TableStyleID style : styles) {
        const TableTheme look = theme(style);
        const bool differs = picture(look, ace, QSizeF(60, 84), true) != picture(look, ace, QSizeF(60, 84));
        EXPECT_EQ(differs, style == TableStyleID::paper) << toString(style);
    }
}

TEST(CardView, TheFourColourDeckRecoloursDiamondsAndClubsOnly) {
    for (TableStyleID style : styles) {
        const TableTheme twoColours = theme(style);
        const TableTheme fourColours = theme(style, false, false, true);
        for (const char* code : {"Kd", "Kc"})
            EXPECT_NE(picture(twoColours, Card::fromCode(code), QSizeF(60, 84)),
                      picture(fourColours, Card::fromCode(code), QSizeF(60, 84)))
                << toString(style) << code;
        for (const char* code : {"Kh", "Ks"})
            EXPECT_EQ(picture(twoColours, Card::fromCode(code), QSizeF(60, 84)),
                      picture(fourColours, Card::fromCode(code), QSizeF(60, 84)))
                << toString(style) << code;
    }
}

TEST(CardView, IncreasedContrastChangesEveryStyle) {
    for (TableStyleID style : styles)
        EXPECT_NE(picture(theme(style), Card::fromCode("7h"), QSizeF(60, 84)),
                  picture(theme(style, false, true), Card::fromCode("7h"), QSizeF(60, 84)))
            << toString(style);
}

TEST(CardView, ARepaintThatChangesNothingMakesNoImage) {
    for (TableStyleID style : allTableStyleIDs) {
        const TableTheme look = theme(style);
        const QImage first = picture(look, Card::fromCode("9c"), QSizeF(60, 84));
        picture(look, std::nullopt, QSizeF(60, 84));
        const std::size_t images = ArtCache::imagesMade();
        const std::size_t shadows = SoftShadow::imagesMade();
        EXPECT_EQ(picture(look, Card::fromCode("9c"), QSizeF(60, 84)), first) << toString(style);
        picture(look, std::nullopt, QSizeF(60, 84));
        EXPECT_EQ(ArtCache::imagesMade(), images) << toString(style);
        EXPECT_EQ(SoftShadow::imagesMade(), shadows) << toString(style);
    }
}

TEST(CardView, NothingIsDrawnForAPixelUnitBelowOnePoint) {
    TableTheme look = theme(TableStyleID::pixel);
    look.pixelUnit = 0.5;
    QImage empty(200, 200, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    EXPECT_EQ(picture(look, Card::fromCode("7h"), QSizeF(60, 84)), empty);
}

TEST(CardSlot, IsHiddenFromScreenReadersAndOutlinedInTheFeltLine) {
    CardSlot slot(theme(TableStyleID::paper), QSizeF(60, 84));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&slot);
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(face->state().invisible);
    EXPECT_EQ(slot.sizeHint(), QSize(60, 84));

    for (TableStyleID style : styles) {
        TableTheme look = theme(style);
        QImage image(80, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        CardSlot::paint(painter, QRectF(6, 6, 60, 84), look);
        painter.end();
        // The middle stays empty: only the outline is drawn.
        EXPECT_EQ(image.pixelColor(36, 48).alpha(), 0) << toString(style);
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            drawn = image.pixelColor(7, y).alpha() > 0 || image.pixelColor(6, y).alpha() > 0;
        EXPECT_TRUE(drawn) << toString(style);
    }
}
