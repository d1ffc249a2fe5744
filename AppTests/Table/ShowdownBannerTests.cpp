// The showdown banner as the player sees it: winners that scroll in their own band, the rule between
// them in each style, the explanation's tooltip, and the hold control, a caption with its own focus
// ring. Pictures of it go to gallery/table-kit.
#include "Game/ControllerHarness.h"

#include "Game/BotSeating.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Table/Screen/ShowdownText.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Table/HoldResultButton.h"
#include "Views/Table/ShowdownBannerView.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>

#include <gtest/gtest.h>

#include "Support/WidgetEvents.h"

namespace {

TableTheme bannerTheme(TableStyleID style = TableStyleID::satin, bool dark = false) {
    return TableTheme::drawnIn(style, TableSurface::window, 3, AppearanceFlags{dark, false, false});
}

std::vector<ShowdownRow> winners(int count) {
    const QStringList names{"You", "Rascal", "Goldie", "Moss", "Biscuit"};
    std::vector<ShowdownRow> rows;
    for (int i = 0; i < count; ++i) {
        const QString who = names.at(i);
        rows.push_back(ShowdownRow{i, QStringLiteral("Two Pair"),
                                   who + (i == 0 ? " win " : " wins ") + QString::number(300 + 10 * i)});
    }
    return rows;
}

struct Banner {
    explicit Banner(const TableTheme& theme = bannerTheme())
        : view(theme, harness.controller, [this] { return harness.base + harness.scheduler.now(); }) {
        view.resize(560, 124);
        view.show();
        QApplication::processEvents();
    }
    // Plays an auto-dealt Quick Hand by checking or folding until its result shows.
    void playToAutoDealtResult() {
        harness.controller.setAutoDeal(true);
        harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 31, 5)));
        int hands = 0;
        for (int i = 0; i < 2000 && !harness.controller.isShowingResult(); ++i) {
            harness.stepOnce(checkOrFold, hands);
        }
    }
    ControllerHarness harness;
    ShowdownBannerView view;
};

// Sends a tooltip request to whatever is drawn at `point` of `top`, as the pointer resting there does.
QString tooltipAt(QWidget* top, QPoint point) {
    QToolTip::hideText();
    QWidget* target = top->childAt(point);
    if (!target) {
        target = top;
    }
    const QPoint local = target->mapFrom(top, point);
    QHelpEvent help(QEvent::ToolTip, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &help);
    return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

// A click on whatever is drawn at `point` of `top`.
void clickAt(QWidget* top, QPoint point) {
    QWidget* target = top->childAt(point);
    if (!target) {
        target = top;
    }
    WidgetEvents::click(target, target->mapFrom(top, point));
}

} // namespace

TEST(ShowdownLayout, TheLeftControlFollowsTheScheduledDealAndTheHold) {
    using ShowdownLayout::LeftControl;
    EXPECT_EQ(ShowdownLayout::leftControl(true, false), LeftControl::hold);
    EXPECT_EQ(ShowdownLayout::leftControl(true, true), LeftControl::hold);
    EXPECT_EQ(ShowdownLayout::leftControl(false, true), LeftControl::heldCaption);
    EXPECT_EQ(ShowdownLayout::leftControl(false, false), LeftControl::none);
}

TEST(ShowdownLayout, BandsAndRowsByStyle) {
    const TableTheme satin = bannerTheme();
    const auto bands = ShowdownLayout::bands(satin, QSizeF(560, 124), 26);
    EXPECT_EQ(bands.controls, QRectF(0, 94, 560, 30));
    EXPECT_EQ(bands.results, QRectF(0, 0, 560, 86));
    EXPECT_EQ(bands.next, QRectF(410, 94, 150, 30));
    EXPECT_EQ(ShowdownLayout::bands(bannerTheme(TableStyleID::pixel), QSizeF(560, 124), 26).next.width(),
              192);

    // One winner: the disc (34 in the window), the hand over the award, then the explanation.
    const auto one = ShowdownLayout::results(satin, 560, {{QSizeF(80, 20), QSizeF(90, 16)}}, 14.0);
    ASSERT_EQ(one.rows.size(), 1u);
    EXPECT_FALSE(one.rows[0].divider);
    EXPECT_EQ(one.rows[0].disc, QRectF(12, 9.5, 34, 34)) << "centred on the taller words";
    EXPECT_EQ(one.rows[0].first, QRectF(56, 8, 492, 20));
    EXPECT_EQ(one.rows[0].second, QRectF(56, 29, 492, 16));
    ASSERT_TRUE(one.why);
    EXPECT_EQ(*one.why, QRectF(12, 8 + 37 + 6, 536, 14));
    EXPECT_EQ(one.height, 8 + 37 + 6 + 14 + 8);

    // Several: compact rows with a rule before every one but the first; no explanation.
    std::vector<ShowdownLayout::RowWords> four(4, {QSizeF(60, 14), QSizeF(120, 16)});
    const auto many = ShowdownLayout::results(satin, 560, four, 14.0);
    EXPECT_FALSE(many.why);
    ASSERT_EQ(many.rows.size(), 4u);
    EXPECT_FALSE(many.rows[0].divider);
    for (int i = 1; i < 4; ++i) {
        ASSERT_TRUE(many.rows[static_cast<std::size_t>(i)].divider);
        EXPECT_EQ(many.rows[static_cast<std::size_t>(i)].divider->height(), 1);
    }
    EXPECT_EQ(many.height, 6 + 4 * 18 + 3 * (4 + 1 + 4) + 6);
    EXPECT_GT(many.height, bands.results.height()) << "four winners are taller than their band";
    EXPECT_EQ(ShowdownLayout::dividerHeight(bannerTheme(TableStyleID::pixel)), 3);
}

TEST(ShowdownBanner, AFourthWinnerScrollsInsteadOfCoveringTheControls) {
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        SCOPED_TRACE(toString(style));
        Banner empty(bannerTheme(style));
        empty.view.setResult({}, std::nullopt, {});
        Banner four(bannerTheme(style));
        four.view.setResult(winners(4), std::nullopt, {});
        QApplication::processEvents();
        // Nothing of the rows is drawn in the controls row, left of the next-hand button and its ring.
        const int next = style == TableStyleID::pixel ? 192 : 150;
        const QRect controls(0, 124 - 30, 560 - next - 12, 30);
        const QImage withFour = four.view.grab().toImage().copy(controls);
        const QImage withNone = empty.view.grab().toImage().copy(controls);
        EXPECT_EQ(withFour, withNone);
        if (withFour != withNone) {
            withFour.save(WidgetEvents::galleryFolder("table-kit") + "/showdown-controls-four.png");
            withNone.save(WidgetEvents::galleryFolder("table-kit") + "/showdown-controls-none.png");
        }

        // The wheel brings the fourth row into view.
        QScrollBar* scroll = four.view.resultsArea()->verticalScrollBar();
        EXPECT_GT(scroll->maximum(), 0);
        QWidget* viewport = four.view.resultsArea()->viewport();
        QWheelEvent wheel(QPointF(100, 20), viewport->mapToGlobal(QPointF(100, 20)), QPoint(),
                          QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        EXPECT_EQ(scroll->value(), scroll->maximum());
        const QRectF last = four.view.resultsLayout().rows.back().disc;
        EXPECT_LE(last.bottom() - scroll->value(), viewport->height());
    }
}

TEST(ShowdownBanner, AClickOnTheResultsHoldsThem) {
    Banner banner;
    banner.playToAutoDealtResult();
    ASSERT_TRUE(banner.harness.controller.autoDealAt());
    banner.view.setResult(winners(4), std::nullopt, {});
    banner.view.refresh();
    EXPECT_TRUE(banner.view.holdButton()->isVisible());
    clickAt(&banner.view, QPoint(300, 20));
    EXPECT_TRUE(banner.harness.controller.isResultHeld());
    banner.view.refresh();
    EXPECT_FALSE(banner.view.holdButton()->isVisible()) << "held: the caption says so instead";
}

TEST(ShowdownBanner, TheHoldControlIsACaptionWithItsOwnFocusRing) {
    Banner banner;
    banner.playToAutoDealtResult();
    ASSERT_TRUE(banner.harness.controller.autoDealAt());
    banner.view.refresh();
    HoldResultButton* hold = banner.view.holdButton();
    ASSERT_TRUE(hold->isVisible());
    EXPECT_EQ(hold->toolTip(), "Keep this result up until you deal");
    EXPECT_EQ(hold->accessibleName(), "Keep this result up");
    const QImage resting = hold->grab().toImage();
    hold->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(hold->hasFocus());
    EXPECT_NE(hold->grab().toImage(), resting) << "the ring shows while it has the keyboard";
    WidgetEvents::key(hold, Qt::Key_Space);
    EXPECT_TRUE(banner.harness.controller.isResultHeld());
}

TEST(ShowdownBanner, TheExplanationShrinksToFitAndExplainsItselfOnHover) {
    Banner banner;
    // A sentence a little too wide for the band: it shrinks onto one line rather than wrapping.
    const QString why =
        QStringLiteral("Your pair of kings beat Rascal's pair of queens, because a higher pair "
                       "always wins, and the kicker never came into it this time at all");
    banner.view.setResult(winners(1), why, {});
    QApplication::processEvents();
    const auto& layout = banner.view.resultsLayout();
    ASSERT_TRUE(layout.why);
    const QFontMetricsF caption(ThemeFonts::font(bannerTheme(), TextRole::caption));
    if (caption.horizontalAdvance(why) <= layout.why->width() / ShowdownLayout::whyMinimumScale) {
        EXPECT_LT(layout.why->height(), 1.5 * caption.height());
    }
    const QPoint spot = banner.view.resultsArea()->mapTo(&banner.view, layout.why->center().toPoint());
    EXPECT_EQ(tooltipAt(&banner.view, spot), why);
    EXPECT_EQ(tooltipAt(&banner.view, QPoint(30, 20)), QString()) << "the avatar has no help";
}

TEST(ShowdownBannerGallery, EveryStyleWithOneAndFourWinners) {
    const QString folder = WidgetEvents::galleryFolder(QStringLiteral("table-kit"));
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        for (const bool dark : {false, true}) {
            WidgetEvents::DesktopAppearance desktop(dark);
            const QString name =
                QStringLiteral("%1/showdown-%2-%3")
                    .arg(folder, QString::fromUtf8(toString(style)), dark ? "dark" : "light");
            Banner one(bannerTheme(style, dark));
            one.view.setResult(winners(1), QStringLiteral("Two pair beats one pair."), {});
            QApplication::processEvents();
            EXPECT_TRUE(one.view.grab().save(name + "-one.png"));
            Banner four(bannerTheme(style, dark));
            four.view.setResult(winners(4), std::nullopt, {});
            QApplication::processEvents();
            EXPECT_TRUE(four.view.grab().save(name + "-four.png"));
            four.view.resultsArea()->verticalScrollBar()->setValue(
                four.view.resultsArea()->verticalScrollBar()->maximum());
            EXPECT_TRUE(four.view.grab().save(name + "-four-scrolled.png"));
        }
    }
}
