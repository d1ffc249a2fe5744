#include "Style/AmountText.h"
#include "Style/ChipSliderRules.h"
#include "Support/ToldSelections.h"
#include "Views/Controls/AmountField.h"
#include "Views/Controls/ChipSlider.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace {

TableTheme theme(TableStyleID style, bool contrast = false, double unit = 3) {
    return TableTheme::drawnIn(style, TableSurface::window, unit, AppearanceFlags{false, contrast, false});
}

void press(QWidget& widget, Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &down);
}

void click(QWidget& widget, double x, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at(x, widget.height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &down);
}

void drag(QWidget& widget, double x) {
    const QPointF at(x, widget.height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// Types `text` into the field as a player would and presses Return.
void typeAndReturn(AmountField& field, const QString& text) {
    field.lineEdit()->setFocus();
    field.lineEdit()->selectAll();
    field.lineEdit()->insert(text);
    press(*field.lineEdit(), Qt::Key_Return);
}

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

TEST(ChipSliderRules, SnapsToTheGridFromTheLowerEndWithBothEndsReachable) {
    using ChipSliderRules::snapped;
    EXPECT_EQ(snapped(24, 20, 95, 10), 20);
    EXPECT_EQ(snapped(25, 20, 95, 10), 30);
    EXPECT_EQ(snapped(93, 20, 95, 10), 90);
    EXPECT_EQ(snapped(94, 20, 95, 10), 90);
    EXPECT_EQ(snapped(95, 20, 95, 10), 95);
    EXPECT_EQ(snapped(5000, 20, 95, 10), 95);
    EXPECT_EQ(snapped(20, 20, 95, 10), 20);
    EXPECT_EQ(snapped(-5, 20, 95, 10), 20);
    // A step below 1 counts as 1.
    EXPECT_EQ(snapped(37, 20, 95, 0), 37);
    EXPECT_EQ(snapped(37, 20, 95, -10), 37);
    // A one-point range, or an upper end below the lower, holds everything at the lower end.
    EXPECT_EQ(snapped(7, 50, 50, 10), 50);
    EXPECT_EQ(snapped(70, 50, 40, 10), 50);
    // The widest range does not overflow.
    constexpr auto low = std::numeric_limits<std::int64_t>::min();
    constexpr auto high = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(snapped(0, low, high, 1), 0);
    EXPECT_EQ(snapped(high - 1, low, high, 4), high);
}

TEST(ChipSliderRules, DraggingAndNudging) {
    using ChipSliderRules::atFraction;
    using ChipSliderRules::nudged;
    EXPECT_EQ(atFraction(0, 20, 95, 10), 20);
    EXPECT_EQ(atFraction(1, 20, 95, 10), 95);
    EXPECT_EQ(atFraction(-3, 20, 95, 10), 20);
    EXPECT_EQ(atFraction(7, 20, 95, 10), 95);
    EXPECT_EQ(atFraction(0.5, 20, 95, 10), 60); // 57.5 rounds to 58, snaps to 60
    EXPECT_EQ(atFraction(std::numeric_limits<double>::quiet_NaN(), 20, 95, 10), 20);
    EXPECT_EQ(nudged(20, 1, 20, 95, 10), 30);
    EXPECT_EQ(nudged(90, 1, 20, 95, 10), 95);
    EXPECT_EQ(nudged(95, 1, 20, 95, 10), 95);
    EXPECT_EQ(nudged(20, -1, 20, 95, 10), 20);
    EXPECT_EQ(nudged(std::numeric_limits<std::int64_t>::max(), 1, 0, 100, 10), 100);
    EXPECT_EQ(nudged(std::numeric_limits<std::int64_t>::min(), -1, 0, 100, 10), 0);
    EXPECT_DOUBLE_EQ(ChipSliderRules::fill(20, 20, 120), 0);
    EXPECT_DOUBLE_EQ(ChipSliderRules::fill(70, 20, 120), 0.5);
    EXPECT_DOUBLE_EQ(ChipSliderRules::fill(50, 50, 50), 1);
}

TEST(ChipSliderRules, PixelTrackCells) {
    const auto empty = ChipSliderRules::pixelTrack(40, 12, 0, false);
    EXPECT_EQ(empty.track, (std::vector<CellRect>{{0, 4, 40, 4}}));
    EXPECT_TRUE(empty.fill.empty());
    EXPECT_EQ(empty.ticks, (std::vector<CellRect>{
                               {0, 9, 1, 2}, {9, 9, 1, 2}, {19, 9, 1, 2}, {29, 9, 1, 2}, {39, 9, 1, 2}}));
    EXPECT_EQ(empty.thumbOutline.front(), (CellRect{2, 2, 1, 1}));
    EXPECT_TRUE(empty.focus.empty());
    const auto full = ChipSliderRules::pixelTrack(40, 12, 1, true);
    EXPECT_EQ(full.fill, (std::vector<CellRect>{{1, 5, 38, 2}}));
    EXPECT_EQ(full.thumbOutline.front(), (CellRect{32, 2, 1, 1}));
    EXPECT_FALSE(full.focus.empty());
    for (const CellRect& cell : full.focus) {
        EXPECT_EQ(cell.column % 2 == 0 || cell.column == 28 || cell.column == 41, true);
        EXPECT_TRUE(cell.row == 0 || cell.row == 8 || cell.row % 2 == 0);
    }
    EXPECT_TRUE(ChipSliderRules::pixelTrack(0, 12, 0.5, true).track.empty());
}

TEST(AmountText, ReadsWholeAmountsWithTheLocaleGrouping) {
    EXPECT_EQ(AmountText::format(1500), "1,500");
    EXPECT_EQ(AmountText::parse("1,000"), 1000);
    EXPECT_EQ(AmountText::parse(" 250 "), 250);
    EXPECT_EQ(AmountText::parse("0"), 0);
    for (const char* refused : {"", "   ", "abc", "12abc", "-50", "12.5", "99999999999999999999999"})
        EXPECT_EQ(AmountText::parse(QString::fromUtf8(refused)), std::nullopt) << refused;
}

TEST(AmountText, PixelBoxBands) {
    const auto box = AmountText::pixelBox(10, 6);
    EXPECT_EQ(box.edge, (std::vector<CellRect>{{1, 0, 8, 6}, {0, 1, 10, 4}}));
    EXPECT_EQ(box.inside, (std::vector<CellRect>{{1, 1, 8, 4}}));
    EXPECT_EQ(box.shade, (std::vector<CellRect>{{1, 1, 8, 1}}));
    // Fewer than three cells wide: only the upright band.
    const auto narrow = AmountText::pixelBox(2, 6);
    EXPECT_EQ(narrow.edge, (std::vector<CellRect>{{0, 1, 2, 4}}));
    EXPECT_TRUE(narrow.inside.empty() && narrow.shade.empty());
    // Fewer than three cells tall: the flat band and the top shade only.
    const auto flat = AmountText::pixelBox(10, 2);
    EXPECT_EQ(flat.edge, (std::vector<CellRect>{{1, 0, 8, 2}}));
    EXPECT_TRUE(flat.inside.empty());
    EXPECT_EQ(flat.shade, (std::vector<CellRect>{{1, 1, 8, 1}}));
}

TEST(AmountField, ReturnCommitsAGroupedAmountAndSubmits) {
    for (TableStyleID style : allTableStyleIDs) {
        AmountField field(theme(style));
        field.resize(field.sizeHint());
        field.show();
        std::vector<std::int64_t> edited;
        int submitted = 0;
        QObject::connect(&field, &AmountField::valueEdited,
                         [&](std::int64_t value) { edited.push_back(value); });
        QObject::connect(&field, &AmountField::submitted, [&] { ++submitted; });
        typeAndReturn(field, "1,000");
        EXPECT_EQ(edited, (std::vector<std::int64_t>{1000})) << toString(style);
        EXPECT_EQ(submitted, 1);
        EXPECT_EQ(field.value(), 1000);
        EXPECT_EQ(field.lineEdit()->text(), "1,000");
        // The field does not clamp: a huge amount is written as typed and the owner holds it in range.
        typeAndReturn(field, "250000");
        EXPECT_EQ(field.value(), 250000);
        EXPECT_EQ(field.lineEdit()->text(), "250,000");
        EXPECT_EQ(field.lineEdit()->accessibleName(), "Raise amount");
        EXPECT_EQ(field.lineEdit()->placeholderText(), "Amount");
    }
}

TEST(AmountField, ReturnOnUnreadableTextIsRefusedAndLeavingPutsTheAmountBack) {
    QWidget window;
    AmountField field(theme(TableStyleID::satin), &window);
    QLineEdit elsewhere(&window);
    elsewhere.move(0, 60);
    window.show();
    QApplication::setActiveWindow(&window);
    field.setValue(400);
    int edits = 0;
    int submitted = 0;
    QStringList refusals;
    QObject::connect(&field, &AmountField::valueEdited, [&] { ++edits; });
    QObject::connect(&field, &AmountField::submitted, [&] { ++submitted; });
    QObject::connect(&field, &AmountField::refused, [&](const QString& why) { refusals << why; });
    for (const char* typed : {"", "lots", "-50", "12.5"}) {
        typeAndReturn(field, QString::fromUtf8(typed));
        EXPECT_EQ(field.value(), 400) << typed;
        EXPECT_EQ(field.lineEdit()->text(), QString::fromUtf8(typed)) << typed;
        EXPECT_TRUE(field.problem()) << typed;
    }
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(submitted, 0);
    EXPECT_EQ(refusals.size(), 4);
    // Leaving the field puts the amount back and clears the mark.
    elsewhere.setFocus();
    EXPECT_EQ(field.lineEdit()->text(), "400");
    EXPECT_FALSE(field.problem());
    // A readable amount is written as it is typed, and kept on leaving.
    field.lineEdit()->setFocus();
    field.lineEdit()->selectAll();
    QTest::keyClicks(field.lineEdit(), "600");
    EXPECT_EQ(edits, 3);
    elsewhere.setFocus();
    EXPECT_EQ(field.value(), 600);
    EXPECT_EQ(field.lineEdit()->text(), "600");
}

TEST(AmountField, EditingFollowsKeyboardFocus) {
    AmountField field(theme(TableStyleID::pixel));
    field.resize(field.sizeHint());
    field.show();
    QApplication::setActiveWindow(&field);
    field.setEditing(false);
    std::vector<bool> changes;
    QObject::connect(&field, &AmountField::editingChanged, [&](bool editing) { changes.push_back(editing); });
    const QImage resting = render(field);
    field.setEditing(true);
    EXPECT_TRUE(field.isEditing());
    const QImage editing = render(field);
    field.setEditing(false);
    EXPECT_FALSE(field.isEditing());
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));
    // Editing swaps the pixel-font amount for the live text and draws the gold frame.
    EXPECT_NE(resting, editing);
}

// As on the rest of the desktop, only the field with the keys shows a selection: reached by Tab it holds
// the whole amount, which the first digit replaces; left, it shows none, through a new amount too, and
// draws as a field the keys never reached.
TEST(AmountField, OnlyTheFieldWithTheKeysShowsASelection) {
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        SCOPED_TRACE(static_cast<int>(style));
        QWidget window;
        QPushButton before(QStringLiteral("Before"), &window);
        AmountField field(theme(style), &window);
        QPushButton after(QStringLiteral("After"), &window);
        field.move(0, 40);
        field.resize(field.sizeHint());
        after.move(0, 100);
        AmountField untouched(theme(style));
        untouched.resize(field.size());
        window.show();
        QApplication::setActiveWindow(&window);
        field.setValue(40);
        before.setFocus();
        QTest::keyClick(&before, Qt::Key_Tab);
        QApplication::processEvents();
        ASSERT_TRUE(field.isEditing());
        EXPECT_EQ(field.lineEdit()->selectedText().toStdString(), "40");
        QTest::keyClick(field.lineEdit(), Qt::Key_6);
        EXPECT_EQ(field.lineEdit()->text().toStdString(), "6");
        field.lineEdit()->selectAll();
        QTest::keyClick(field.lineEdit(), Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), &after);
        EXPECT_FALSE(field.lineEdit()->hasSelectedText());
        untouched.setValue(6);
        EXPECT_EQ(render(field), render(untouched));
        field.setValue(120);
        EXPECT_FALSE(field.lineEdit()->hasSelectedText());
        // Back by keys, the amount is chosen whole again.
        QTest::keyClick(&after, Qt::Key_Backtab);
        QApplication::processEvents();
        EXPECT_EQ(field.lineEdit()->selectedText().toStdString(), "120");
    }
}

// What a reader is told of the amount's selection as the keys come to the field and the player types
// over it. The reader reads the field's selection as it meets the focus; told apart of a selection, it
// may get to that only after a digit has replaced it, and Orca then says "Text unselected". So no
// selection made with the focus (the owner handing over the keys, as the table does on R) is told
// apart; Tab, which chooses the amount just after the focus is told, tells of it; typing over it and
// leaving never tell of the selection going.
TEST(AmountField, AReaderIsToldOfTheSelectionOnlyWhereItCannotReadItWithTheFocus) {
    struct Case {
        const char* keys;
        bool byTab;
        const char* typed;
        bool leaves;
        std::vector<ToldSelections::Selection> told;
    };
    const std::vector<Case> cases{
        {"Tab", true, "", false, {{0, 2}}},
        {"Tab, a digit", true, "6", false, {{0, 2}}},
        {"Tab, then Tab out", true, "", true, {{0, 2}}},
        {"R", false, "", false, {}},
        {"R, a digit at once", false, "6", false, {}},
        {"R, the amount at once, then Tab out", false, "60", true, {}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.keys);
        QWidget window;
        QPushButton before(QStringLiteral("Before"), &window);
        AmountField field(theme(TableStyleID::satin), &window);
        QPushButton after(QStringLiteral("After"), &window);
        field.move(0, 40);
        field.resize(field.sizeHint());
        after.move(0, 100);
        window.show();
        QApplication::setActiveWindow(&window);
        field.setValue(40);
        before.setFocus();
        QApplication::processEvents();
        const ToldSelections reader(field.lineEdit());
        if (row.byTab) {
            QTest::keyClick(&before, Qt::Key_Tab);
            QApplication::processEvents();
        } else {
            field.setEditing(true);
        }
        ASSERT_EQ(QApplication::focusWidget(), field.lineEdit());
        EXPECT_EQ(field.lineEdit()->selectedText().toStdString(), "40");
        QTest::keyClicks(field.lineEdit(), QString::fromLatin1(row.typed));
        if (row.leaves)
            QTest::keyClick(field.lineEdit(), Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_EQ(reader.told(), row.told);
    }
}

// A reader speaks a line run of text attributes by run: the runs must cover the whole amount, or the
// last digit goes unsaid ("4 selected" for 40), and the selection the keys make must hold all of it.
TEST(AmountField, AReaderGetsTheWholeAmountAsItsTextAndItsSelection) {
    AmountField field(theme(TableStyleID::satin));
    field.resize(field.sizeHint());
    field.show();
    QApplication::setActiveWindow(&field);
    for (const std::int64_t amount : {40, 300, 1250}) {
        field.setEditing(false);
        field.setValue(amount);
        field.setEditing(true);
        const QString shown = field.lineEdit()->text();
        SCOPED_TRACE(shown.toStdString());
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(field.lineEdit());
        ASSERT_TRUE(read && read->textInterface());
        QAccessibleTextInterface* text = read->textInterface();
        ASSERT_EQ(text->characterCount(), shown.size());
        QString spoken;
        for (int offset = 0; offset < text->characterCount();) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            ASSERT_LE(start, offset);
            ASSERT_GT(end, offset) << "a run that ends where it starts, at " << offset;
            spoken += text->text(offset, end);
            offset = end;
        }
        EXPECT_EQ(spoken, shown);
        ASSERT_EQ(text->selectionCount(), 1);
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        EXPECT_EQ(text->text(start, end), shown) << "typing replaces the whole amount";
    }
}

TEST(AmountField, PaperOutlinesThePlateOnlyUnderIncreasedContrast) {
    AmountField plain(theme(TableStyleID::paper));
    AmountField contrast(theme(TableStyleID::paper, true));
    plain.resize(plain.sizeHint());
    contrast.resize(contrast.sizeHint());
    plain.lineEdit()->hide();
    contrast.lineEdit()->hide();
    EXPECT_NE(render(plain), render(contrast));
}

TEST(AmountField, APixelUnitBelowOneDrawsNoBox) {
    AmountField field(theme(TableStyleID::pixel, false, 0.5));
    field.resize(120, 32);
    field.lineEdit()->hide();
    QImage empty(field.size(), QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    EXPECT_EQ(render(field), empty);
}

TEST(ChipSlider, ArrowKeysMoveOneStepAndStopAtTheEnds) {
    ChipSlider slider(theme(TableStyleID::paper), "Raise amount");
    slider.setRange(20, 95, 10);
    slider.setValue(20);
    std::vector<std::int64_t> edited;
    QObject::connect(&slider, &ChipSlider::valueEdited, [&](std::int64_t value) { edited.push_back(value); });
    press(slider, Qt::Key_Left);
    EXPECT_EQ(slider.value(), 20);
    press(slider, Qt::Key_Right);
    press(slider, Qt::Key_Up);
    EXPECT_EQ(slider.value(), 40);
    press(slider, Qt::Key_Down);
    EXPECT_EQ(slider.value(), 30);
    for (int i = 0; i < 12; ++i)
        press(slider, Qt::Key_Right);
    EXPECT_EQ(slider.value(), 95);
    EXPECT_EQ(edited, (std::vector<std::int64_t>{30, 40, 30, 40, 50, 60, 70, 80, 90, 95}));
}

TEST(ChipSlider, ThePointerSetsTheValueFromTheFirstPress) {
    for (TableStyleID style : allTableStyleIDs) {
        ChipSlider slider(theme(style), "Raise amount");
        slider.resize(200, 28);
        slider.setRange(20, 95, 10);
        slider.setValue(50);
        click(slider, 0);
        EXPECT_EQ(slider.value(), 20) << toString(style);
        drag(slider, 200);
        EXPECT_EQ(slider.value(), 95) << toString(style);
        drag(slider, 100);
        EXPECT_EQ(slider.value(), 60) << toString(style);
        drag(slider, -40);
        EXPECT_EQ(slider.value(), 20) << toString(style);
        // Another button does nothing.
        click(slider, 200, Qt::RightButton);
        EXPECT_EQ(slider.value(), 20) << toString(style);
    }
}

TEST(ChipSlider, AOnePointRangeStaysPut) {
    ChipSlider slider(theme(TableStyleID::pixel), "Raise amount");
    slider.resize(200, 28);
    slider.setRange(500, 500, 10);
    slider.setValue(500);
    int edits = 0;
    QObject::connect(&slider, &ChipSlider::valueEdited, [&] { ++edits; });
    click(slider, 150);
    press(slider, Qt::Key_Right);
    press(slider, Qt::Key_Left);
    EXPECT_EQ(slider.value(), 500);
    EXPECT_EQ(edits, 0);
}

TEST(ChipSlider, ScreenReadersSeeAnAdjustableSlider) {
    ChipSlider slider(theme(TableStyleID::satin), "Raise amount");
    slider.setRange(20, 2000, 10);
    slider.setValue(1200);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&slider);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Slider);
    EXPECT_EQ(face->text(QAccessible::Name), "Raise amount");
    EXPECT_EQ(face->text(QAccessible::Value), "1,200 chips");
    QAccessibleValueInterface* value = face->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toLongLong(), 20);
    EXPECT_EQ(value->maximumValue().toLongLong(), 2000);
    EXPECT_EQ(value->minimumStepSize().toLongLong(), 10);
    // The grid runs from 20: 1234 lies nearest 1230.
    value->setCurrentValue(QVariant::fromValue<qlonglong>(1234));
    EXPECT_EQ(slider.value(), 1230);
}

TEST(ChipSlider, APixelUnitBelowOneDrawsNothing) {
    ChipSlider slider(theme(TableStyleID::pixel, false, 0.5), "Raise amount");
    slider.resize(200, 28);
    slider.setRange(20, 95, 10);
    slider.setValue(50);
    QImage empty(slider.size(), QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    EXPECT_EQ(render(slider), empty);
}
