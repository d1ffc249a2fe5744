#include "Style/Drawing/ArtStage.h"
#include "Views/Controls/BuyInSlider.h"
#include "Views/Controls/OpponentStepper.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StakePicker.h"
#include "Views/Support/Announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "Support/WidgetEvents.h"

#include <gtest/gtest.h>

#include <tuple>

using WidgetEvents::click;
using WidgetEvents::key;

TEST(SheetControls, BuyInSliderDragsSnapsAndSteps) {
    TableTheme theme = TableTheme::standard();
    BuyInSlider slider(theme, 100, 75, 10, ChipDenomination::d5);
    slider.resize(252, slider.sizeHint().height());
    std::vector<std::int64_t> written;
    QObject::connect(&slider, &BuyInSlider::bigBlindsChanged,
                     [&](std::int64_t value) { written.push_back(value); });
    click(&slider, QPoint(251, 40));
    EXPECT_EQ(written.back(), 75);
    click(&slider, QPoint(1, 40));
    EXPECT_EQ(written.back(), 40);
    key(&slider, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(written.back(), 50);
    key(&slider, Qt::Key_Left);
    EXPECT_EQ(written.back(), 49);
    EXPECT_EQ(slider.accessibleValue(), "490 chips, 49 big blinds. You can afford up to 75 big blinds");
    slider.decrement();
    EXPECT_EQ(written.back(), 48);
}

TEST(SheetControls, BuyInSliderAtRestShowsNoBubbleAndAnUngrownThumb) {
    // Reduced motion, so the bubble and the thumb settle at once after each change.
    TableTheme theme = TableTheme::standard();
    theme.reduceMotion = true;
    QWidget window;
    auto* slider = new BuyInSlider(theme, 100, 100, 10, ChipDenomination::d5, &window);
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    slider->resize(252, slider->sizeHint().height());
    window.resize(300, 120);
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus(Qt::TabFocusReason);
    const QImage untouched = slider->grab().toImage();

    slider->setFocus(Qt::TabFocusReason);
    EXPECT_NE(slider->grab().toImage(), untouched) << "focused, it shows its ring and bubble";
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(251, 40), slider->mapToGlobal(QPointF(251, 40)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(251, 40), slider->mapToGlobal(QPointF(251, 40)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &release);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(slider->grab().toImage(), untouched) << "back at rest it looks as it did before";
}

TEST(SheetControls, StepperStopsAtTheEndsOfItsRange) {
    OpponentStepper stepper(TableTheme::standard(), 1, 1, 5, {"opponent", "opponents"});
    EXPECT_FALSE(stepper.canLower());
    EXPECT_TRUE(stepper.canRaise());
    EXPECT_EQ(stepper.accessibleValue(), "1 opponent");
    stepper.decrement();
    EXPECT_EQ(stepper.count(), 1);
    stepper.setCount(7);
    EXPECT_FALSE(stepper.canRaise());
    EXPECT_TRUE(stepper.canLower());
    stepper.increment();
    EXPECT_EQ(stepper.count(), 5);
    EXPECT_EQ(stepper.plusButton()->toolTip(), "More opponents");
    EXPECT_EQ(stepper.accessibleName(), "Opponents");
}

// By keys: the pressed button keeps them up to and past the end of the range, where a press changes
// nothing and says the end, once a press.
TEST(SheetControls, StepperButtonsKeepTheKeysAtTheEndsAndSayTheEnd) {
    using Case = std::tuple<std::int64_t, bool, int, std::int64_t, QStringList>;
    for (const auto& [start, fewer, presses, lands, said] :
         std::vector<Case>{{2, true, 3, 1, {"1 opponent is the fewest.", "1 opponent is the fewest."}},
                           {3, true, 2, 1, {}},
                           {4, false, 2, 5, {"5 opponents is the most."}}}) {
        QWidget window;
        auto* stepper =
            new OpponentStepper(TableTheme::standard(), start, 1, 5, {"opponent", "opponents"}, &window);
        (new QPushButton("About Stakes", &window))->move(0, 60);
        Announcer voice;
        voice.setShowsNotifications(false);
        stepper->setAnnouncer(&voice);
        window.show();
        QApplication::setActiveWindow(&window);
        QAbstractButton* pressed = fewer ? stepper->minusButton() : stepper->plusButton();
        pressed->setFocus(Qt::TabFocusReason);
        for (int press = 0; press < presses; ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), pressed) << start;
        EXPECT_EQ(stepper->count(), lands) << start;
        EXPECT_EQ(voice.spoken(), said) << start;
    }
}

// A reader gets the buy-in in chips and the count as numbers with their ends and step, and finds the
// stepper's buttons, which hold the keys, in the tree with the count beside them. (That it hears each
// move is for the reader itself to say: the end-to-end test with Orca.)
TEST(SheetControls, AReaderGetsTheBuyInAndTheCountAsValuesAndHearsThemMove) {
    QWidget window;
    auto* slider = new BuyInSlider(TableTheme::standard(), 100, 75, 10, ChipDenomination::d5, &window);
    auto* stepper = new OpponentStepper(TableTheme::standard(), 5, 1, 5, {"opponent", "opponents"}, &window);
    slider->setGeometry(0, 0, 252, slider->sizeHint().height());
    stepper->move(0, 100);
    window.resize(300, 200);
    window.show();
    QApplication::setActiveWindow(&window);
    slider->setFocus(Qt::TabFocusReason);

    QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(slider)->valueInterface();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->currentValue().toDouble(), 750);
    EXPECT_EQ(value->minimumValue().toDouble(), 400);
    EXPECT_EQ(value->maximumValue().toDouble(), 750);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 10);
    for (const auto& [key, lands] : std::vector<std::pair<Qt::Key, std::int64_t>>{
             {Qt::Key_Home, 40}, {Qt::Key_PageUp, 50}, {Qt::Key_End, 75}, {Qt::Key_PageDown, 65}}) {
        QTest::keyClick(slider, key);
        EXPECT_EQ(slider->bigBlinds(), lands) << key;
        EXPECT_EQ(value->currentValue().toDouble(), static_cast<double>(lands * 10)) << key;
    }
    value->setCurrentValue(600);
    EXPECT_EQ(slider->bigBlinds(), 60);

    QAccessibleInterface* count = QAccessible::queryAccessibleInterface(stepper);
    ASSERT_EQ(count->childCount(), 2);
    QAccessibleInterface* fewer = count->child(0);
    EXPECT_EQ(count->indexOfChild(fewer), 0);
    EXPECT_EQ(fewer->text(QAccessible::Name), "Fewer opponents");
    EXPECT_EQ(count->child(1)->text(QAccessible::Name), "More opponents");
    EXPECT_EQ(fewer->text(QAccessible::Description), "5 opponents");
    click(stepper->minusButton());
    EXPECT_EQ(fewer->text(QAccessible::Description), "4 opponents");
    EXPECT_EQ(count->valueInterface()->currentValue().toDouble(), 4);
}

TEST(SheetControls, SlidingPickerArrowsStopAtTheEnds) {
    SlidingPicker picker(TableTheme::standard(), "Difficulty",
                         {{"Easy", 1, {}}, {"Medium", 2, {}}, {"Hard", 3, {}}}, 2);
    picker.resize(300, 32);
    std::vector<int> picked;
    QObject::connect(&picker, &SlidingPicker::picked, [&](int index) { picked.push_back(index); });
    key(picker.segments()[2], Qt::Key_Right);
    EXPECT_EQ(picked, std::vector<int>{2});
    key(picker.segments()[2], Qt::Key_Left);
    EXPECT_EQ(picker.selected(), 1);
    picker.setSelected(std::nullopt);
    key(picker.segments()[0], Qt::Key_Left);
    EXPECT_EQ(picker.selected(), 2);
    // Anywhere in a segment chooses it.
    click(picker.segments()[0], QPoint(2, 2));
    EXPECT_EQ(picker.selected(), 0);
    EXPECT_EQ(picked.back(), 0);
    EXPECT_EQ(picker.accessibleName(), "Difficulty");
}

TEST(SheetControls, TabReachesOnlyThePickersChoiceSoTheRingMarksIt) {
    QWidget window;
    auto* before = new QPushButton("Before", &window);
    auto* picker =
        new SlidingPicker(TableTheme::standard(), "Sidebar", {{"Log", 0, {}}, {"Guide", 0, {}}}, 0, &window);
    auto* after = new QPushButton("After", &window);
    picker->move(0, 40);
    after->move(0, 80);
    window.show();
    QApplication::setActiveWindow(&window);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), picker->segments()[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    // The arrow takes the choice and the keys along; Tab from before now lands on the new choice.
    picker->segments()[0]->setFocus();
    QTest::keyClick(picker->segments()[0], Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), picker->segments()[1]);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), picker->segments()[1]);
}

TEST(SheetControls, LockedStakesReportInsteadOfSelecting) {
    StakePicker picker(TableTheme::standard(), CashStakes::low, 400, nullptr);
    picker.resize(360, picker.height());
    std::vector<CashStakes> selected;
    std::vector<CashStakes> locked;
    QObject::connect(&picker, &StakePicker::selected, [&](CashStakes stakes) { selected.push_back(stakes); });
    QObject::connect(&picker, &StakePicker::lockedChosen,
                     [&](CashStakes stakes) { locked.push_back(stakes); });
    click(picker.card(CashStakes::medium));
    EXPECT_EQ(locked, std::vector<CashStakes>{CashStakes::medium});
    EXPECT_EQ(picker.selection(), CashStakes::low);
    click(picker.card(CashStakes::low));
    EXPECT_EQ(selected, std::vector<CashStakes>{CashStakes::low});
    EXPECT_EQ(picker.card(CashStakes::medium)->accessibleName(), "25/50, locked, needs 2,000 chips");
    EXPECT_EQ(picker.accessibleName(), "Stakes");
}

TEST(ArtStagePainting, AnEmptyStageDrawsNothingInAnyStyle) {
    for (TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const TableTheme theme = TableTheme::drawnIn(style, TableSurface::popover, 2, {});
        ArtStage::paint(painter, QRectF(5, 5, 0, 0), theme, 0.5);
        FloorShadow::paint(painter, QPointF(10, 10), theme, 0, 1);
        painter.end();
        EXPECT_EQ(image, [] {
            QImage blank(20, 20, QImage::Format_ARGB32_Premultiplied);
            blank.fill(Qt::transparent);
            return blank;
        }());
    }
}
