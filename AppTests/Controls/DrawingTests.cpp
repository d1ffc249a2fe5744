#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/DealerButtonView.h"
#include "Style/Drawing/PaperFont.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/StyledParagraph.h"
#include "Style/Drawing/StyledText.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/TagView.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/StyledButton.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {
TableTheme pixelTheme(double unit) {
    return TableTheme::drawnIn(TableStyleID::pixel, TableSurface::popover, unit, {});
}

QImage blank(int w = 80, int h = 80) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool anythingDrawn(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}
} // namespace

TEST(PixelUnitGuard, AUnitBelowOneDrawsNothingAndNeverDivides) {
    for (double unit : {0.0, 0.5, -2.0}) {
        QImage image = blank();
        {
            QPainter painter(&image);
            const TableTheme theme = pixelTheme(unit);
            AvatarDisc::paint(painter, {0, 0}, theme, AvatarModel::hero(), 36, true, false);
            AvatarDisc::paint(painter, {0, 0}, theme, {"B", RGB::white, false, "biscuit"}, 36, false, true);
            DealerButtonView::paint(painter, {0, 0}, theme);
            TagView::paint(painter, {0, 0}, theme, "BB", TagView::Kind::blind);
            TextPainter::paint(painter, QRectF(0, 0, 80, 20), theme, "Biscuit", TextRole::seatName,
                               RGB::black);
            PixelKit(painter, unit).panel(0, 0, 10, 10, PixelPalette{});
        }
        EXPECT_FALSE(anythingDrawn(image)) << unit;
        EXPECT_EQ(wholeCells(36, unit), 0);
    }
    EXPECT_EQ(wholeCells(36, 2), 18);
}

TEST(PixelUnitGuard, ButtonsWithATinyUnitPaintWithoutCrashing) {
    StyledButton button(pixelTheme(0), "Check", ControlKind::call());
    button.resize(120, 40);
    QImage image = button.grab().toImage();
    EXPECT_FALSE(image.isNull());
}

TEST(Pill, CornerRadiusIsHalfTheShorterSideAfterTheInset) {
    EXPECT_DOUBLE_EQ(Pill{}.cornerRadius(QRectF(0, 0, 100, 20)), 10);
    EXPECT_DOUBLE_EQ(Pill{}.cornerRadius(QRectF(0, 0, 30, 30)), 15);
    const Pill twice = Pill{}.insetBy(1).insetBy(2);
    EXPECT_DOUBLE_EQ(twice.inset, 3);
    EXPECT_EQ(twice.path(QRectF(0, 0, 100, 20)).boundingRect(), QRectF(3, 3, 94, 14));
    EXPECT_DOUBLE_EQ(twice.cornerRadius(QRectF(0, 0, 100, 20)), 7);
    EXPECT_TRUE(Pill{20}.path(QRectF(0, 0, 30, 30)).isEmpty());
}

TEST(SoftShadow, RepaintingReusesTheBlurredImage) {
    SoftShadow::forgetAll();
    QImage image = blank(200, 200);
    QPainter painter(&image);
    QPainterPath shape;
    shape.addEllipse(QRectF(13, 17, 41, 29));
    SoftShadow::paint(painter, shape, 5, QColor(0, 0, 0, 90), {1, 3});
    const std::size_t made = SoftShadow::imagesMade();
    for (int i = 0; i < 20; ++i)
        SoftShadow::paint(painter, shape.translated(i * 3, i * 2), 5, QColor(0, 0, 0, 90), {1, 3});
    EXPECT_EQ(SoftShadow::imagesMade(), made);
    SoftShadow::paint(painter, shape, 6, QColor(0, 0, 0, 90), {1, 3});
    EXPECT_EQ(SoftShadow::imagesMade(), made + 1);
}

TEST(SoftShadow, ShapesThatDifferOnlyInFillRuleCastTheirOwnShadows) {
    // Two nested circles: a ring under the odd-even rule, a solid disc under the winding rule.
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(QPointF(100, 100), 60, 60);
    ring.addEllipse(QPointF(100, 100), 40, 40);
    QPainterPath disc = ring;
    disc.setFillRule(Qt::WindingFill);
    const auto centreAlpha = [](const QPainterPath& shape) {
        QImage image = blank(200, 200);
        QPainter painter(&image);
        SoftShadow::paint(painter, shape, 2, QColor(0, 0, 0, 255), {0, 0});
        painter.end();
        return qAlpha(image.pixel(100, 100));
    };
    EXPECT_EQ(centreAlpha(ring), 0);
    EXPECT_GT(centreAlpha(disc), 200);
}

TEST(SoftShadow, ButtonsAndDiscsDoNotBlurOnEveryPaint) {
    const TableTheme paper = TableTheme::drawnIn(TableStyleID::paper, TableSurface::popover, 2, {});
    StyledButton button(paper, "Call", ControlKind::call());
    button.resize(button.sizeHint());
    (void)button.grab();
    AvatarDisc disc(TableTheme::standard(), AvatarModel::hero(), 36);
    disc.resize(disc.sizeHint());
    (void)disc.grab();
    const std::size_t made = SoftShadow::imagesMade();
    for (int i = 0; i < 5; ++i) {
        (void)button.grab();
        (void)disc.grab();
    }
    EXPECT_EQ(SoftShadow::imagesMade(), made);
}

TEST(PaperFont, UnavailableTypefaceFallsBackByWeight) {
    EXPECT_FALSE(PaperFont::isAvailable());
    EXPECT_EQ(PaperFont::fallbackWeight(800), FontWeight::heavy);
    EXPECT_EQ(PaperFont::fallbackWeight(700), FontWeight::bold);
    EXPECT_EQ(PaperFont::fallbackWeight(600), FontWeight::semibold);
    EXPECT_EQ(PaperFont::fallbackWeight(500), FontWeight::semibold);
    EXPECT_EQ(PaperFont::opticalSize(10), 12);
    EXPECT_EQ(PaperFont::opticalSize(120), 96);
    const QFont pot = ThemeFonts::font(TableTheme::drawnIn(TableStyleID::paper, TableSurface::window, 3, {}),
                                       TextRole::pot);
    EXPECT_EQ(pot.pixelSize(), 18);
    EXPECT_EQ(pot.weight(), QFont::ExtraBold);
}

TEST(ThemeFonts, SatinPotIsSemiboldAtItsSurfaceSize) {
    const QFont window = ThemeFonts::font(
        TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, {}), TextRole::pot);
    EXPECT_EQ(window.pixelSize(), 18);
    EXPECT_EQ(window.weight(), QFont::DemiBold);
    EXPECT_EQ(ThemeFonts::font(TableTheme::standard(), TextRole::pot).pixelSize(), 14);
}

TEST(StyledText, TagsReadInCapitalsExceptInPixel) {
    StyledText tag(TableTheme::standard(), "all-in", TextRole::tag, RGB::black);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&tag);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    EXPECT_EQ(accessible->text(QAccessible::Name), "ALL-IN");
    StyledText pixel(pixelTheme(2), "all-in", TextRole::tag, RGB::black);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&pixel)->text(QAccessible::Name), "all-in");
    EXPECT_EQ(pixel.sizeHint(), QSize(2 * PixelFont::width(PixelFontFace::label, "ALL-IN"), 10));
}

TEST(StyledText, RollsNumbersUnlessMotionIsReduced) {
    double now = 0;
    StyledText rolling(TableTheme::standard(), "100", TextRole::pot, RGB::black, true);
    rolling.clock().setTimeSource([&now] { return now; });
    rolling.setString("250");
    EXPECT_TRUE(rolling.isRolling());
    now = 1;
    (void)rolling.grab();
    EXPECT_FALSE(rolling.isRolling());

    TableTheme calm = TableTheme::standard();
    calm.reduceMotion = true;
    StyledText still(calm, "100", TextRole::pot, RGB::black, true);
    still.setString("250");
    EXPECT_FALSE(still.isRolling());
}

TEST(StyledParagraph, PixelWordsSplitAtSingleSpacesAndReadUnchanged) {
    EXPECT_EQ(StyledParagraph::words("two  words"), (QStringList{"two", "words"}));
    EXPECT_TRUE(StyledParagraph::words("").isEmpty());
    StyledParagraph paragraph(pixelTheme(2), "two  words", TextRole::body, RGB::black);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&paragraph)->text(QAccessible::Name), "two  words");
    StyledParagraph empty(pixelTheme(2), "", TextRole::body, RGB::black);
    EXPECT_EQ(empty.heightForWidth(100), 0);
    // Hidden from readers, it takes words to draw without a name that tells a reader of them.
    StyleAccessibility::setHidden(&empty);
    empty.setString("two words");
    EXPECT_TRUE(empty.accessibleName().isEmpty());
}

TEST(TagView, PixelTagsMeasureTheSpelledOutHalf) {
    const TableTheme theme = pixelTheme(2);
    const QSizeF size = TagView::measure(theme, QString::fromUtf8("½ pot"));
    EXPECT_EQ(size, QSizeF(2 * (PixelFont::width(PixelFontFace::label, "1/2 POT") + 4), 18));
    EXPECT_EQ(TagView::measure(theme, ""), QSizeF(8, 18));
}

TEST(DealerButtonView, SizesPerStyleAndSurface) {
    EXPECT_EQ(
        DealerButtonView::diameter(TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, {})),
        22);
    EXPECT_EQ(DealerButtonView::diameter(TableTheme::standard()), 16);
    EXPECT_EQ(DealerButtonView::diameter(pixelTheme(3)), 27);
}

TEST(Ornaments, AreHiddenFromScreenReaders) {
    AvatarDisc disc(TableTheme::standard(), AvatarModel::hero(), 36);
    ChipFace chip(ChipDenomination::d25, 28);
    DealerButtonView dealer(TableTheme::standard());
    for (QWidget* widget : std::initializer_list<QWidget*>{&disc, &chip, &dealer}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_TRUE(accessible->state().invisible);
    }
}

TEST(AvatarDisc, PortraitLookupsRememberMisses) {
    AvatarDisc::forgetPortraits();
    const std::size_t before = AvatarDisc::portraitLoads();
    // No portraits are shipped: the first lookup of a name misses, and the miss is remembered.
    EXPECT_EQ(AvatarDisc::portrait(TableStyleID::satin, "portrait-cache-test"), nullptr);
    EXPECT_EQ(AvatarDisc::portraitLoads(), before + 1);
    for (int again = 0; again < 3; ++again)
        EXPECT_EQ(AvatarDisc::portrait(TableStyleID::satin, "portrait-cache-test"), nullptr);
    EXPECT_EQ(AvatarDisc::portraitLoads(), before + 1);
    // Each style has its own portraits.
    EXPECT_EQ(AvatarDisc::portrait(TableStyleID::pixel, "portrait-cache-test"), nullptr);
    EXPECT_EQ(AvatarDisc::portraitLoads(), before + 2);
}

TEST(AvatarDisc, AnAvatarWithoutASlugNeverLooksForAPortrait) {
    const std::size_t before = AvatarDisc::portraitLoads();
    QImage image = blank(60, 60);
    QPainter painter(&image);
    for (auto style : allTableStyleIDs)
        AvatarDisc::paint(painter, {4, 4}, TableTheme::drawnIn(style, TableSurface::popover, 2, {}),
                          {"Z", RGB::white, false, std::nullopt}, 36, false, false);
    AvatarDisc::paint(painter, {4, 4}, TableTheme::standard(), AvatarModel::hero(), 36, false, false);
    EXPECT_EQ(AvatarDisc::portraitLoads(), before);
}

TEST(SymbolIcons, EveryNamedSymbolPaintsAndUnknownNamesPaintNothing) {
    for (const QString& name : SymbolIcons::names()) {
        QImage image = blank(24, 24);
        {
            QPainter painter(&image);
            SymbolIcons::paint(painter, name, QRectF(0, 0, 24, 24), Qt::black);
        }
        EXPECT_TRUE(anythingDrawn(image)) << name.toStdString();
    }
    QImage image = blank(24, 24);
    {
        QPainter painter(&image);
        SymbolIcons::paint(painter, "no.such.symbol", QRectF(0, 0, 24, 24), Qt::black);
    }
    EXPECT_FALSE(anythingDrawn(image));
    EXPECT_TRUE(SymbolIcons::has("person.fill"));
}

#include "Style/Drawing/Hatch.h"
#include "Style/Drawing/SlideTransform.h"
#include "Views/Support/Announcer.h"

TEST(Announcer, RecordsWhatItSaysAndShowsANotification) {
    Announcer announcer;
    announcer.announce("Biscuit raises to 60.");
    announcer.announce("   ");
    announcer.announce("Your turn.");
    EXPECT_EQ(announcer.spoken(), (QStringList{"Biscuit raises to 60.", "Your turn."}));
    ASSERT_NE(announcer.notificationWindow(), nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcer.notificationWindow());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Notification);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Your turn.");

    // Once read, the windows close: a long session leaves none behind in the reader's tree.
    announcer.setNotificationLifetime(std::chrono::milliseconds(0));
    for (int refused = 0; refused < 30; ++refused)
        announcer.announce("Add Ctrl, Alt or Super to use a shortcut from other apps.");
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_NE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Notification);
}

TEST(Hatch, PathCoversTheStripesOnly) {
    const QPainterPath path = hatchPath(QRectF(0, 0, 40, 8));
    EXPECT_TRUE(path.contains(QPointF(-6.5, 7.5)));
    EXPECT_FALSE(path.contains(QPointF(-4.5, 7.5)));
    EXPECT_TRUE(hatchPath(QRectF(0, 0, 40, 0)).boundingRect().height() == 0);
}

TEST(SlideTransform, TurnsAboutTheCentreAndIsTheIdentityAtRest) {
    EXPECT_TRUE(slideTransform(SlideEffect{}.placement(), QSizeF(40, 20)).isIdentity());
    const QTransform half =
        slideTransform(SlideEffect{0, 0, 0, 180, 1, 0, false}.placement(), QSizeF(40, 20));
    EXPECT_EQ(half.map(QPointF(20, 10)), QPointF(20, 10));
    const QPointF corner = half.map(QPointF(0, 0));
    EXPECT_NEAR(corner.x(), 40, 1e-9);
    EXPECT_NEAR(corner.y(), 20, 1e-9);
}

#include "Style/Drawing/PixelText.h"
#include "Style/Drawing/SystemAppearance.h"

TEST(PixelText, FramedToItsFontPixelsAndReadAsWritten) {
    PixelText text(QString::fromUtf8("½ Pot"), PixelFontFace::label, 2, RGB::black);
    EXPECT_EQ(text.sizeHint(), QSize(2 * PixelFont::width(PixelFontFace::label, "1/2 POT"), 10));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&text)->text(QAccessible::Name),
              QString::fromUtf8("½ Pot"));
    PixelText body("Hi", PixelFontFace::text, 1, RGB::black);
    EXPECT_EQ(body.sizeHint(), QSize(6, 9));
}

TEST(SystemAppearance, DarkFollowsTheApplicationPalette) {
    const QPalette original = QApplication::palette();
    AppearanceWatcher watcher;
    int changes = 0;
    AppearanceFlags last;
    QObject::connect(&watcher, &AppearanceWatcher::changed, [&](AppearanceFlags flags) {
        ++changes;
        last = flags;
    });
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    QApplication::processEvents();
    EXPECT_TRUE(SystemAppearance::current().dark);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(last.dark);
    QApplication::setPalette(original);
    QApplication::processEvents();
    EXPECT_FALSE(SystemAppearance::current().dark);
}
