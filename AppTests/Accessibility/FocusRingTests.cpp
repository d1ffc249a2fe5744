// The one focus ring: coloured to stand out from what every control sits on, in every style and
// appearance, and drawn by every focusable control in that colour where a player can see it.
#include "Style/Contrast.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/FocusRingStyle.h"
#include "Style/FocusRing.h"
#include "Views/Controls/AmountField.h"
#include "Views/Controls/BuyInSlider.h"
#include "Views/Controls/ChipSlider.h"
#include "Views/Controls/OpponentStepper.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StakePicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Home/HomeView.h"
#include "Views/Learn/InfoButton.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Onboarding/OnboardingPieces.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "Home/LobbyHarness.h"
#include "Support/WidgetEvents.h"

namespace {

std::vector<TableTheme> everyTheme() {
    std::vector<TableTheme> themes;
    for (TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel})
        for (TableSurface surface : {TableSurface::popover, TableSurface::window})
            for (bool dark : {false, true})
                for (bool contrast : {false, true})
                    themes.push_back(TableTheme::drawnIn(style, surface,
                                                         surface == TableSurface::window ? 3 : 2,
                                                         AppearanceFlags{dark, contrast, false}));
    return themes;
}

std::string nameOf(const TableTheme& theme) {
    return std::string(toString(theme.style)) + (theme.dark ? " dark" : " light") +
           (theme.increaseContrast ? " contrast" : "");
}

} // namespace

TEST(FocusRing, StandsOutFromEverySurfaceInEveryStyleAndAppearance) {
    for (const TableTheme& theme : everyTheme()) {
        const RGB ring = FocusRing::color(theme);
        for (const RGB& surround : FocusRing::surrounds(theme))
            EXPECT_GE(Contrast::ratio(ring, surround), FocusRing::minimumContrast) << nameOf(theme);
        // The palette's own colour where it already stands out; the gold of pixel on its light cream
        // does not, and is darkened.
        const RGB palette = theme.color(PaletteToken::focus);
        bool paletteStandsOut = true;
        for (const RGB& surround : FocusRing::surrounds(theme))
            paletteStandsOut = paletteStandsOut && Contrast::ratio(palette, surround) >= 3;
        EXPECT_EQ(ring == palette.withAlpha(1), paletteStandsOut) << nameOf(theme);
    }
    const TableTheme pixelLight = TableTheme::drawnIn(TableStyleID::pixel, TableSurface::popover, 2,
                                                      AppearanceFlags{false, false, false});
    EXPECT_NE(FocusRing::color(pixelLight), pixelLight.color(PaletteToken::focus));
}

TEST(FocusRing, ContrastIsMeasuredAsTheGuidelinesMeasureIt) {
    EXPECT_NEAR(Contrast::ratio(RGB::black, RGB::white), 21, 1e-9);
    EXPECT_NEAR(Contrast::ratio(RGB::white, RGB::white), 1, 1e-9);
    // #777 on white is the classic just-below-4.5 grey.
    EXPECT_NEAR(Contrast::ratio(RGB::bytes(119, 119, 119), RGB::white), 4.48, 0.01);
    EXPECT_EQ(Contrast::over(RGB::black.withAlpha(0.5), RGB::white), RGB(0.5, 0.5, 0.5, 1));
}

namespace {

// A control and the one of its widgets that takes the focus.
struct Shot {
    std::string name;
    TableTheme theme;
    std::function<std::unique_ptr<QWidget>()> make;
};

QWidget* focusTarget(QWidget* widget) {
    if (widget->focusPolicy() != Qt::NoFocus)
        return widget;
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus && child->isVisibleTo(widget))
            return child;
    return widget;
}

QImage look(QWidget& widget, const QRect& area, const TableTheme& theme) {
    QImage shot = widget.grab(area).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage flat(shot.size(), QImage::Format_RGB32);
    flat.fill(toQColor(theme.color(PaletteToken::stock).withAlpha(1)));
    QPainter painter(&flat);
    painter.drawImage(0, 0, shot);
    return flat;
}

RGB rgbAt(const QImage& image, int x, int y) {
    const QColor colour = image.pixelColor(x, y);
    return RGB{colour.redF(), colour.greenF(), colour.blueF(), 1};
}

double distance(const RGB& a, const RGB& b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

// Takes `area` of `shown` without and with the focus on `target` and looks at what the focus added:
// enough pixels of the ring's colour, and most of them standing out from what they cover.
void expectRing(const std::string& name, const TableTheme& theme, QWidget* shown, QWidget* target,
                QRect area = {}) {
    if (area.isNull())
        area = shown->rect();
    SCOPED_TRACE(name + " in " + nameOf(theme));
    QApplication::setActiveWindow(shown->window());
    target->clearFocus();
    const QImage before = look(*shown, area, theme);
    target->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(target->hasFocus());
    const QImage after = look(*shown, area, theme);
    // Kept for a person to look at, beside the other galleries.
    QString file = QString::fromStdString(name + "-" + nameOf(theme)).replace(' ', '-');
    after.save(WidgetEvents::galleryFolder(QStringLiteral("focus")) + u'/' + file + QStringLiteral(".png"));
    const RGB ring = FocusRing::color(theme);
    int ringPixels = 0;
    int standingOut = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const RGB now = rgbAt(after, x, y);
            const RGB was = rgbAt(before, x, y);
            if (distance(now, was) < 0.05 || distance(now, ring) > 0.06)
                continue;
            ++ringPixels;
            standingOut += Contrast::ratio(ring, was) >= FocusRing::minimumContrast ? 1 : 0;
        }
    }
    EXPECT_GE(ringPixels, 20) << "no ring of the one colour";
    EXPECT_GE(standingOut, ringPixels * 3 / 4) << standingOut << " of " << ringPixels << " pixels stand out";
}

void expectRing(const Shot& shot) {
    // On the stock colour of its theme, as the control stands in its screen.
    QWidget stock;
    stock.setAutoFillBackground(true);
    QPalette palette = stock.palette();
    palette.setColor(QPalette::Window, toQColor(shot.theme.color(PaletteToken::stock).withAlpha(1)));
    stock.setPalette(palette);
    std::unique_ptr<QWidget> control = shot.make();
    control->setParent(&stock);
    stock.resize(control->size());
    stock.show();
    expectRing(shot.name, shot.theme, &stock, focusTarget(control.get()));
}

TableTheme themed(TableStyleID style, bool dark) {
    return TableTheme::drawnIn(style, TableSurface::popover, 2, AppearanceFlags{dark, false, false});
}

} // namespace

TEST(FocusRing, EveryControlDrawsTheSameVisibleRing) {
    std::vector<Shot> shots;
    for (bool dark : {false, true}) {
        for (TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableTheme theme = themed(style, dark);
            shots.push_back({"text button", theme, [theme] {
                                 auto button =
                                     std::make_unique<StyledButton>(theme, "Check", ControlKind::call());
                                 button->resize(button->sizeHint().expandedTo(QSize(140, 0)));
                                 return button;
                             }});
            shots.push_back({"chosen preset", theme, [theme] {
                                 auto button = std::make_unique<StyledButton>(
                                     theme, "Pot", ControlKind::preset(true), ControlSize::small);
                                 button->resize(button->sizeHint().expandedTo(QSize(90, 0)));
                                 return button;
                             }});
            shots.push_back({"icon button", theme, [theme] {
                                 auto button = std::make_unique<StyledIconButton>(
                                     theme, "gearshape.fill", PixelGlyph{".#.", "###", ".#."},
                                     StyledIconButton::Tint::neutral, "Settings");
                                 button->resize(button->sizeHint());
                                 return button;
                             }});
            shots.push_back({"raise slider", theme, [theme] {
                                 auto slider = std::make_unique<ChipSlider>(theme, "Raise amount");
                                 slider->setRange(20, 1000, 10);
                                 slider->setValue(400);
                                 slider->resize(240, 36);
                                 return slider;
                             }});
            shots.push_back({"amount field", theme, [theme] {
                                 auto field = std::make_unique<AmountField>(theme);
                                 field->resize(field->sizeHint());
                                 return field;
                             }});
        }
        const TableTheme satin = themed(TableStyleID::satin, dark);
        shots.push_back({"segment picker", satin, [satin] {
                             auto picker = std::make_unique<SlidingPicker>(
                                 satin, "Hands",
                                 std::vector<SlidingPicker::Option>{{"1 hand", 0, {}}, {"3 hands", 0, {}}},
                                 0);
                             picker->resize(260, 32);
                             return picker;
                         }});
        shots.push_back({"stake card", satin, [satin] {
                             auto picker = std::make_unique<StakePicker>(satin, CashStakes::low, 100000);
                             picker->resize(380, picker->sizeHint().height());
                             return picker;
                         }});
        shots.push_back({"opponent stepper", satin, [satin] {
                             auto stepper = std::make_unique<OpponentStepper>(
                                 satin, 3, 1, 5, StepperUnit{"opponent", "opponents"});
                             stepper->resize(stepper->sizeHint());
                             return stepper;
                         }});
        shots.push_back({"buy-in slider", satin, [satin] {
                             auto slider =
                                 std::make_unique<BuyInSlider>(satin, 100, 200, 20, ChipDenomination::d100);
                             slider->resize(300, slider->sizeHint().height());
                             return slider;
                         }});
        shots.push_back({"chosen onboarding card", satin, [satin] {
                             auto card = std::make_unique<OptionCard>(satin, ArtIcon::quickHand, "Quick Hand",
                                                                      "One hand", [] {});
                             card->setSelected(true);
                             return card;
                         }});
        shots.push_back({"chosen style card", satin, [satin] {
                             return std::make_unique<StyleCard>(satin, TableStyleID::satin, true, [] {});
                         }});
    }
    for (const Shot& shot : shots)
        expectRing(shot);
}

TEST(FocusRing, TheLobbysQuitButtonShowsIt) {
    for (bool dark : {false, true}) {
        LobbyHarness harness;
        const TableTheme art = themed(TableStyleID::satin, dark);
        HomeView lobby(AppEnvironment{&harness.state, &harness.controller}, TableSurface::popover, art);
        lobby.resize(420, 560);
        lobby.show();
        QApplication::setActiveWindow(&lobby);
        QPushButton* quit = lobby.quitButton();
        ASSERT_TRUE(quit);
        expectRing("Quit", HomeLook::lobbyTheme(art), &lobby, quit,
                   QRect(quit->mapTo(&lobby, QPoint()), quit->size()));
    }
}

TEST(FocusRing, TheDesktopsOwnControlsDrawItToo) {
    FocusRingStyle style;
    const TableTheme desktop = FocusRingPainter::desktopTheme(false);
    QCheckBox box(QStringLiteral("Sounds"));
    QComboBox speeds;
    speeds.addItems({QStringLiteral("Fast"), QStringLiteral("Normal")});
    QPushButton button(QStringLiteral("Poker Basics…"));
    QLineEdit search;
    QToolButton tool;
    tool.setText(QStringLiteral("Poker Basics"));
    tool.setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QWidget* control : std::initializer_list<QWidget*>{&box, &speeds, &button, &search, &tool}) {
        control->setStyle(&style);
        control->resize(control->sizeHint().expandedTo(QSize(120, 0)));
        control->show();
        expectRing(control->metaObject()->className(), desktop, control, control);
    }
}

TEST(FocusRing, AChoicesRingStandsRoundWhatTakesTheClickAndInsideItsWidget) {
    const TableTheme satin = FocusRingPainter::desktopTheme(false);
    const FocusRing::Look look = FocusRing::look(satin);
    const double edge = look.outset + look.width / 2;
    const QRectF click(10, 10, 120, 16);
    // Room enough: the frame stands out from the box and title by the outset and the stroke.
    EXPECT_EQ(FocusRing::frameAround(click, QRectF(0, 0, 400, 40), satin),
              click.adjusted(-edge, -edge, edge, edge));
    // Too little: it closes in rather than be cut off, and never reaches along the row.
    const QRectF tight(5, 8, 400, 20);
    const QRectF frame = FocusRing::frameAround(click, tight, satin);
    EXPECT_TRUE(tight.contains(frame));
    EXPECT_LT(frame.right(), click.right() + edge + 0.01);
    EXPECT_GE(FocusRing::room(satin), FocusRing::reach(satin));

    // A ring round a scrolling area stands beside its scroll bar, never across it.
    const QRectF rows(0, 40, 280, 600);
    EXPECT_EQ(FocusRing::frameClearOf(rows, QRectF(266, 40, 14, 600)), QRectF(0, 40, 266, 600));
    EXPECT_EQ(FocusRing::frameClearOf(rows, QRectF(300, 40, 14, 600)), rows) << "a bar elsewhere";
}
