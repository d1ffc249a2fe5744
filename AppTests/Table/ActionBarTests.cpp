#include "Views/Table/ActionBar.h"
#include "Views/Table/ActionMessage.h"
#include "Views/Table/StatusLine.h"

#include "Game/ControllerHarness.h"
#include "Table/RaiseTarget.h"
#include "Views/Controls/AmountField.h"
#include "Views/Controls/ChipSlider.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Support/Announcer.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using PokerEngine::Action;

PokerEngine::PlayerView facingABet() {
    PokerEngine::PlayerView view;
    view.seatIndex = 0;
    view.currentBet = 40;
    view.blinds = PokerEngine::BlindLevel{10, 20, 0};
    PokerEngine::SeatView hero;
    hero.index = 0;
    hero.stack = 1500;
    hero.status = PokerEngine::SeatStatus::active;
    PokerEngine::SeatView bot = hero;
    bot.index = 1;
    bot.streetBet = 40;
    view.seats = {hero, bot};
    view.pots.push_back(PokerEngine::Pot{60, {}});
    PokerEngine::LegalActions legal;
    legal.canFold = true;
    legal.callAmount = 40;
    legal.minRaiseTo = 80;
    legal.maxRaiseTo = 1500;
    legal.canAllIn = true;
    view.legalActions = legal;
    return view;
}

TableTheme theme(TableStyleID style = TableStyleID::satin) {
    return TableTheme::drawnIn(style, TableSurface::window, 3, AppearanceFlags{});
}

struct BarHarness {
    explicit BarHarness(TableStyleID style = TableStyleID::satin, GameController* controller = nullptr)
        : bar(theme(style), controller, target) {
        bar.resize(560, bar.sizeHint().height());
        bar.setView(facingABet());
        bar.show();
        QObject::connect(&bar, &ActionBar::acted, [this](const Action& action) { sent.push_back(action); });
    }
    RaiseTarget target;
    ActionBar bar;
    std::vector<Action> sent;
};

// Clicks into the field, selects what is there and types `text` key by key.
void typeInto(AmountField& field, const QString& text) {
    QApplication::setActiveWindow(field.window());
    field.lineEdit()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field.lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(field.lineEdit(), text);
}

void typeAndReturn(AmountField& field, const QString& text) {
    typeInto(field, text);
    QTest::keyClick(field.lineEdit(), Qt::Key_Return);
}

} // namespace

TEST(ActionBar, ButtonsSendFoldCallAndTheRaise) {
    BarHarness harness;
    EXPECT_EQ(harness.bar.passiveButton()->title(), "Call 40");
    EXPECT_EQ(harness.bar.raiseButton()->title(), "Raise to 80");
    EXPECT_EQ(harness.bar.foldButton()->toolTip(), "Fold (F)");
    harness.bar.foldButton()->click();
    harness.bar.passiveButton()->click();
    harness.bar.raiseButton()->click();
    EXPECT_EQ(harness.sent, (std::vector<Action>{Action::fold(), Action::call(), Action::raise(80)}));
}

TEST(ActionBar, APresetPreparesTheAmountAndSendsNothing) {
    BarHarness harness;
    harness.bar.presetButton(RaisePreset::halfPot)->click();
    EXPECT_TRUE(harness.sent.empty());
    EXPECT_EQ(harness.target.chosenPreset(), RaisePreset::halfPot);
    // Pot 60 + 40 + 40 to call: half of that over the 40 is 110.
    EXPECT_EQ(harness.target.raiseTo(), 110);
    EXPECT_EQ(harness.bar.raiseButton()->title(), "Raise to 110");
    EXPECT_TRUE(harness.bar.presetButton(RaisePreset::halfPot)->kind().isSelectedPreset());
    EXPECT_FALSE(harness.bar.presetButton(RaisePreset::min)->kind().isSelectedPreset());
    EXPECT_EQ(harness.bar.amountField()->value(), 110);
    EXPECT_EQ(harness.bar.slider()->value(), 110);
    EXPECT_EQ(harness.bar.presetButton(RaisePreset::halfPot)->toolTip(), "½ Pot (1): raise by half the pot");
    EXPECT_EQ(harness.bar.presetButton(RaisePreset::halfPot)->accessibleDescription(),
              "Raise by half the pot");
}

TEST(ActionBar, ReturnInTheFieldSendsAndLeavesTheField) {
    BarHarness harness;
    AmountField& field = *harness.bar.amountField();
    typeAndReturn(field, "1,000");
    EXPECT_EQ(harness.sent, (std::vector<Action>{Action::raise(1000)}));
    EXPECT_FALSE(harness.target.isFieldFocused());
    EXPECT_EQ(harness.target.raiseTo(), 1000);
}

TEST(ActionBar, TheRaiseButtonFollowsTheAmountAsItIsTyped) {
    BarHarness harness;
    AmountField& field = *harness.bar.amountField();
    typeInto(field, "1000");
    EXPECT_EQ(harness.bar.raiseButton()->title(), "Raise to 1,000");
    // Out of range, the button shows what Return will really send.
    typeInto(field, "99,999,999");
    EXPECT_EQ(harness.bar.raiseButton()->title(), "All-in 1,500");
    QTest::keyClick(field.lineEdit(), Qt::Key_Return);
    typeInto(field, "5");
    EXPECT_EQ(harness.bar.raiseButton()->title(), "Raise to 80");
    QTest::keyClick(field.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(harness.sent, (std::vector<Action>{Action::allIn(), Action::raise(80)}));
}

TEST(ActionBar, ReturnOnTextThatIsNotAnAmountSendsNothingAndSaysWhy) {
    BarHarness harness;
    Announcer announcer;
    announcer.setShowsNotifications(false);
    harness.bar.setAnnouncer(&announcer);
    AmountField& field = *harness.bar.amountField();
    const QString paste(10000, QLatin1Char('9'));
    for (const QString& typed : {QString("12.5"), QString("-50"), QString("lots"), QString(), paste}) {
        if (typed == paste) {
            QApplication::setActiveWindow(field.window());
            field.lineEdit()->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(field.lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QGuiApplication::clipboard()->setText(paste);
            QTest::keyClick(field.lineEdit(), Qt::Key_V, Qt::ControlModifier);
            ASSERT_EQ(field.lineEdit()->text(), paste) << "the whole paste is read, not a cut of it";
        } else {
            typeInto(field, typed);
        }
        // The button shows the last amount the text read as ("12" on the way to "12.5"): only that
        // could be sent, and Return sends nothing.
        const QString shown = harness.bar.raiseButton()->title();
        QTest::keyClick(field.lineEdit(), Qt::Key_Return);
        const std::string label = typed.left(12).toStdString();
        EXPECT_TRUE(harness.sent.empty()) << label;
        // The text stays to be mended, the field is marked, and the player hears why.
        EXPECT_EQ(field.lineEdit()->text(), typed) << label;
        ASSERT_TRUE(field.problem()) << label;
        EXPECT_EQ(announcer.spoken().back(), *field.problem()) << label;
        EXPECT_EQ(QToolTip::text(), *field.problem()) << label;
        // Said beside the field, clear of the button whose words tell what Return would send.
        const QWidget* raise = harness.bar.raiseButton();
        const QRect button(raise->mapToGlobal(QPoint()), raise->size());
        const auto widgets = QApplication::topLevelWidgets();
        EXPECT_EQ(std::count_if(widgets.begin(), widgets.end(),
                                [](const QWidget* tip) {
                                    return tip->objectName() == QLatin1String("qtooltip_label") &&
                                           tip->isVisible();
                                }),
                  1)
            << label;
        for (const QWidget* tip : widgets) {
            if (tip->objectName() == QLatin1String("qtooltip_label") && tip->isVisible()) {
                EXPECT_FALSE(tip->geometry().intersects(button)) << label;
                EXPECT_FALSE(tip->geometry().intersects(QRect(field.mapToGlobal(QPoint()), field.size())))
                    << label;
            }
        }
        EXPECT_TRUE(field.isEditing()) << label;
        EXPECT_EQ(harness.bar.raiseButton()->title(), shown) << label;
    }
    EXPECT_EQ(announcer.spoken().size(), 5);
    // Mending the text clears the mark; the amount goes out.
    typeAndReturn(field, "400");
    EXPECT_FALSE(field.problem());
    EXPECT_EQ(harness.sent, (std::vector<Action>{Action::raise(400)}));
}

TEST(ActionBar, AReturnThatSendsTheRaiseGoesNoFurther) {
    // The table under the bar takes Return too: after the raise it must not see the same press.
    QWidget table;
    int reachedTable = 0;
    struct Counting : QObject {
        int* count;
        explicit Counting(int* c)
            : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return)
                ++*count;
            return false;
        }
    } counting(&reachedTable);
    RaiseTarget target;
    auto* bar = new ActionBar(theme(), nullptr, target, &table);
    bar->resize(560, bar->sizeHint().height());
    bar->setView(facingABet());
    table.installEventFilter(&counting);
    table.show();
    typeAndReturn(*bar->amountField(), "500");
    EXPECT_EQ(reachedTable, 0);
}

TEST(ActionBar, TheSliderMovesTheSharedTarget) {
    BarHarness harness(TableStyleID::paper);
    ChipSlider& slider = *harness.bar.slider();
    EXPECT_EQ(slider.lower(), 80);
    EXPECT_EQ(slider.upper(), 1500);
    EXPECT_EQ(slider.step(), 10);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    harness.target.setRaiseTo(80);
    QApplication::sendEvent(&slider, &right);
    EXPECT_EQ(harness.target.raiseTo(), 90);
    EXPECT_EQ(harness.bar.raiseButton()->title(), "Raise to 90");
    EXPECT_EQ(harness.bar.amountField()->lineEdit()->text(), "90");
    harness.target.setRaiseTo(1500);
    EXPECT_EQ(harness.bar.raiseButton()->title(), "All-in 1,500");
}

TEST(ActionBar, FocusIsSharedWithTheTarget) {
    BarHarness harness;
    QApplication::setActiveWindow(&harness.bar);
    harness.target.setFocus(TableFocus::raiseField);
    EXPECT_TRUE(harness.bar.amountField()->isEditing());
    harness.bar.confirmRaise();
    EXPECT_FALSE(harness.bar.amountField()->isEditing());
    EXPECT_EQ(harness.target.focus(), std::nullopt);

    // Tab reads the bar as it is drawn: the presets' row, the slider and the field, then the buttons.
    ActionBar& bar = harness.bar;
    const std::vector<QWidget*> drawn{bar.presetButton(RaisePreset::min),
                                      bar.presetButton(RaisePreset::halfPot),
                                      bar.presetButton(RaisePreset::threeQuarterPot),
                                      bar.presetButton(RaisePreset::pot),
                                      bar.presetButton(RaisePreset::allIn),
                                      bar.slider(),
                                      bar.amountField()->lineEdit(),
                                      bar.foldButton(),
                                      bar.passiveButton(),
                                      bar.raiseButton()};
    drawn.front()->setFocus(Qt::TabFocusReason);
    for (std::size_t stop = 1; stop <= drawn.size(); ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), drawn[stop % drawn.size()]) << "Tab number " << stop;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), drawn.back()) << "Shift+Tab goes back the same way";
}

TEST(ActionBar, WithoutARaiseOnlyFoldAndCallShow) {
    BarHarness harness;
    auto view = facingABet();
    view.legalActions->minRaiseTo.reset();
    harness.bar.setView(view);
    EXPECT_FALSE(harness.bar.raiseButton()->isVisible());
    EXPECT_FALSE(harness.bar.slider()->isVisible());
    EXPECT_FALSE(harness.bar.amountField()->isVisible());
    EXPECT_FALSE(harness.bar.presetButton(RaisePreset::pot)->isVisible());
    EXPECT_NEAR(harness.bar.passiveButton()->faceRect().width(), 0.76 * (560 - 16), 1);
    harness.bar.confirmRaise();
    EXPECT_TRUE(harness.sent.empty());
}

TEST(ActionBar, ARefusedActionIsLetPass) {
    ControllerHarness controller;
    BarHarness harness(TableStyleID::satin, &controller.controller);
    // No table runs: the controller refuses, and the bar carries on.
    harness.bar.foldButton()->click();
    harness.bar.raiseButton()->click();
    EXPECT_EQ(harness.sent.size(), 2u);
    EXPECT_FALSE(controller.controller.hasTable());
}

TEST(StatusLine, ShowsItsText) {
    StatusLine line(theme(), "Goldie is thinking…");
    EXPECT_EQ(line.text(), "Goldie is thinking…");
    line.setText("Waiting for the next hand");
    EXPECT_EQ(line.text(), "Waiting for the next hand");
}

TEST(ActionMessage, AnnouncesItselfWhenShown) {
    Announcer announcer;
    announcer.setShowsNotifications(false);
    int pressed = 0;
    ActionMessage plain(
        theme(), "You busted", std::nullopt, "Back to Lobby", ControlKind::confirm(), std::nullopt,
        [&] { ++pressed; }, &announcer);
    plain.show();
    ActionMessage detailed(
        theme(), "Table over", QString("You finished 2nd"), "OK", ControlKind::confirm(), std::nullopt, [] {},
        &announcer);
    detailed.show();
    EXPECT_EQ(announcer.spoken(), (QStringList{"You busted", "Table over. You finished 2nd"}));
    plain.primaryButton()->click();
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(plain.secondaryButton(), nullptr);
}

TEST(ActionMessage, TheSecondaryStandsBesideThePrimaryAtOneWidth) {
    ActionMessage message(
        theme(TableStyleID::pixel), "Leave the table?", QString("You forfeit your stack"), "Leave",
        ControlKind::danger(), ActionMessage::Secondary{QStringLiteral("Stay"), [] {}}, [] {}, nullptr);
    EXPECT_EQ(message.secondaryButton()->title(), "Stay");
    EXPECT_EQ(message.primaryButton()->width(), 180);
    EXPECT_EQ(message.secondaryButton()->width(), 180);
}

TEST(ActionMessage, ALongTitleWidensBothButtonsInsteadOfBeingCut) {
    for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        ActionMessage message(
            theme(style), "That's a hand of poker", std::nullopt, "Play a Quick Hand", ControlKind::confirm(),
            ActionMessage::Secondary{QStringLiteral("Home"), [] {}}, [] {}, nullptr);
        StyledButton* primary = message.primaryButton();
        EXPECT_GE(primary->width(), primary->sizeHint().width()) << int(style);
        EXPECT_EQ(message.secondaryButton()->width(), primary->width()) << int(style);
    }
    // Short titles keep the frame.
    ActionMessage shortTitles(
        theme(), "You won 120", std::nullopt, "Play Again", ControlKind::confirm(),
        ActionMessage::Secondary{QStringLiteral("Home"), [] {}}, [] {}, nullptr);
    EXPECT_EQ(shortTitles.primaryButton()->width(), 140);
}

TEST(ActionBar, ItsRowsFitTheAreaUnderTheTableOnBothSurfaces) {
    for (const auto surface : allTableSurfaces) {
        for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableTheme theme =
                TableTheme::drawnIn(style, surface, surface == TableSurface::popover ? 2 : 3, {});
            RaiseTarget target;
            ActionBar bar(theme, nullptr, target);
            bar.resize(surface == TableSurface::popover ? 388 : 512, 124);
            bar.setView(facingABet());
            // Every face lies inside the bar; their shadows may reach past it.
            for (StyledButton* button : {bar.foldButton(), bar.passiveButton(), bar.raiseButton(),
                                         bar.presetButton(RaisePreset::halfPot)}) {
                const QRectF face = button->faceRect().translated(button->mapTo(&bar, QPoint(0, 0)));
                EXPECT_GE(face.top(), -0.5) << toString(style);
                EXPECT_LE(face.bottom(), 124.5) << toString(style);
            }
            const QRectF presets =
                bar.presetButton(RaisePreset::halfPot)
                    ->faceRect()
                    .translated(bar.presetButton(RaisePreset::halfPot)->mapTo(&bar, QPoint(0, 0)));
            const QRectF fold = bar.foldButton()->faceRect().translated(bar.foldButton()->pos());
            EXPECT_LT(presets.bottom(), fold.top()) << "the presets stand above the buttons";
        }
    }
}

TEST(ActionBar, FoldAndCallStayPutWhetherOrNotARaiseIsOffered) {
    // In the table's bottom area, 124 high: a turn that offers a raise and one that does not.
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        SCOPED_TRACE(toString(style));
        BarHarness harness(style);
        harness.bar.resize(560, 124);
        const QRect withRaise = harness.bar.foldButton()->geometry();
        PokerEngine::PlayerView noRaise = facingABet();
        noRaise.legalActions->minRaiseTo.reset();
        harness.bar.setView(noRaise);
        EXPECT_EQ(harness.bar.foldButton()->geometry().y(), withRaise.y());
        EXPECT_EQ(harness.bar.passiveButton()->geometry().y(), withRaise.y());
        // And they stand on the bottom of the area.
        const double face = ActionBarModel::buttonRowHeight(theme(style));
        const QMargins room = harness.bar.foldButton()->room();
        EXPECT_NEAR(withRaise.bottom() + 1 - room.bottom(), 124, 1);
        EXPECT_NEAR(withRaise.height() - room.top() - room.bottom(), face, 1);
    }
}

TEST(ActionBarModel, TheColumnStandsOnTheBandsBottom) {
    const TableTheme satin = theme();
    ActionBarModel bar;
    bar.view = facingABet();
    bar.legal = *bar.view.legalActions;
    const double row = ActionBarModel::buttonRowHeight(satin);
    const auto tops = bar.rowTops(satin, 24, 124);
    EXPECT_EQ(tops.buttons, 124 - row);
    ASSERT_TRUE(tops.amount && tops.presets);
    EXPECT_EQ(*tops.amount, tops.buttons - 8 - 28);
    EXPECT_EQ(*tops.presets, *tops.amount - 8 - 24);
    EXPECT_EQ(bar.columnHeight(satin, 24), 124 - *tops.presets);
    // Tab reads the rows in the same order, from the top, each left to right.
    using Kind = ActionBarControl::Kind;
    const auto order = ActionBarModel::readingOrder();
    const auto at = [&order](Kind kind, std::optional<RaisePreset> preset = std::nullopt) {
        return std::find(order.begin(), order.end(), ActionBarControl{kind, preset}) - order.begin();
    };
    ASSERT_EQ(order.size(), 10u);
    EXPECT_EQ(at(Kind::preset, RaisePreset::min), 0);
    EXPECT_LT(at(Kind::preset, RaisePreset::halfPot), at(Kind::preset, RaisePreset::pot));
    EXPECT_LT(at(Kind::preset, RaisePreset::allIn), at(Kind::slider));
    EXPECT_LT(at(Kind::slider), at(Kind::amountField));
    EXPECT_LT(at(Kind::amountField), at(Kind::fold));
    EXPECT_LT(at(Kind::fold), at(Kind::passive));
    EXPECT_EQ(at(Kind::raise), 9);

    bar.legal.minRaiseTo.reset();
    EXPECT_EQ(bar.rowTops(satin, 24, 124), (ActionBarModel::RowTops{std::nullopt, std::nullopt, 124 - row}));
    EXPECT_EQ(bar.columnHeight(satin, 24), row);
}
