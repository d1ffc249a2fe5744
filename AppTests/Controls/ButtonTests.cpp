#include "Style/Drawing/StyleAccessibility.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

TableTheme themeIn(TableStyleID style, bool dark = false) {
    return TableTheme::drawnIn(style, TableSurface::popover, 2, AppearanceFlags{dark, false, false});
}

void clickCentre(QWidget& widget) {
    const QPointF centre = QRectF(widget.rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget.mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget.mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

void pressKey(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

class StyledButtons : public ::testing::TestWithParam<TableStyleID> {};

} // namespace

TEST_P(StyledButtons, PressedByMouseSpaceReturnAndEnter) {
    int presses = 0;
    StyledButton button(themeIn(GetParam()), "Call 40", ControlKind::call(), ControlSize::main, std::nullopt,
                        [&presses] { ++presses; });
    button.resize(button.sizeHint());
    clickCentre(button);
    EXPECT_EQ(presses, 1);
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        pressKey(button, key);
    EXPECT_EQ(presses, 4);
}

TEST_P(StyledButtons, DisabledButtonsIgnoreMouseAndKeys) {
    int presses = 0;
    StyledButton button(themeIn(GetParam()), "Deal", ControlKind::confirm(), ControlSize::main, std::nullopt,
                        [&presses] { ++presses; });
    button.resize(button.sizeHint());
    button.setEnabled(false);
    clickCentre(button);
    pressKey(button, Qt::Key_Return);
    EXPECT_EQ(presses, 0);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_TRUE(accessible->state().disabled);
}

TEST_P(StyledButtons, TakeKeyboardFocusAndSpeakTheirTitle) {
    StyledButton button(themeIn(GetParam()), "Fold", ControlKind::fold(), ControlSize::small,
                        ControlIcon::lock);
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Fold");
    EXPECT_FALSE(accessible->state().selected);
}

TEST_P(StyledButtons, AChosenPresetIsSelectedForScreenReaders) {
    int presses = 0;
    StyledButton preset(themeIn(GetParam()), QString::fromUtf8("½ Pot"), ControlKind::preset(true),
                        ControlSize::small, std::nullopt, [&presses] { ++presses; });
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&preset);
    ASSERT_NE(accessible, nullptr);
    EXPECT_TRUE(accessible->state().selected);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8("½ Pot"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(presses, 1);
    preset.setKind(ControlKind::preset(false));
    EXPECT_FALSE(accessible->state().selected);
}

TEST_P(StyledButtons, IconButtonsSpeakTheirHelpAndPress) {
    int presses = 0;
    StyledIconButton button(themeIn(GetParam()), "pause.fill", {"##.##", "##.##", "##.##", "##.##", "##.##"},
                            StyledIconButton::Tint::teal, "Pause (P)", [&presses] { ++presses; });
    button.resize(button.sizeHint());
    EXPECT_EQ(button.toolTip(), "Pause (P)");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Pause (P)");
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    clickCentre(button);
    pressKey(button, Qt::Key_Space);
    EXPECT_EQ(presses, 2);
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, StyledButtons,
                         ::testing::Values(TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel),
                         [](const auto& info) { return std::string(toString(info.param)); });

TEST(StyledButtonLayout, FaceHeightFollowsTheRules) {
    const TableTheme pixelWindow = TableTheme::drawnIn(TableStyleID::pixel, TableSurface::window, 3, {});
    StyledButton pixel(pixelWindow, "Raise", ControlKind::confirm());
    pixel.resize(pixel.sizeHint());
    EXPECT_DOUBLE_EQ(pixel.faceRect().height(), 42);
    // In satin a preset is always the small control.
    StyledButton preset(themeIn(TableStyleID::satin), "Pot", ControlKind::preset(false), ControlSize::main);
    EXPECT_DOUBLE_EQ(preset.faceHeight(), 22);
    StyledButton paperPreset(themeIn(TableStyleID::paper), "Pot", ControlKind::preset(false),
                             ControlSize::main);
    EXPECT_DOUBLE_EQ(paperPreset.faceHeight(), 32);
    // The pixel icon tile is 14 by 13 cells.
    StyledIconButton tile(pixelWindow, "gearshape.fill", {"#####"}, StyledIconButton::Tint::neutral,
                          "Settings");
    EXPECT_EQ(tile.faceSize(), QSize(42, 39));
}

TEST(StyledIconButtonTints, PaperTintsMatchTheButtonColours) {
    const auto teal = StyledIconButton::paperTint(StyledIconButton::Tint::teal, false);
    EXPECT_EQ(teal.face, RGB::bytes(38, 117, 112));
    const auto neutral = StyledIconButton::paperTint(StyledIconButton::Tint::neutral, true);
    EXPECT_EQ(neutral.icon, RGB::bytes(243, 233, 214));
    EXPECT_EQ(StyledIconButton::paperTint(StyledIconButton::Tint::tomato, true).side,
              RGB::bytes(142, 48, 32));
}

#include <QHBoxLayout>

TEST(StyledButtonFocus, TabMovesFocusAcrossButtonsAndTheFocusedOneIsDrawnDifferently) {
    for (auto style : allTableStyleIDs) {
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        auto* first = new StyledButton(themeIn(style), "Check", ControlKind::call());
        auto* second = new StyledIconButton(themeIn(style), "gearshape.fill", {"#####"},
                                            StyledIconButton::Tint::teal, "Settings");
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        QApplication::setActiveWindow(&window);
        second->setFocus();
        QApplication::processEvents();
        const QImage unfocused = first->grab().toImage();
        first->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(first->hasFocus()) << toString(style);
        EXPECT_NE(first->grab().toImage(), unfocused) << toString(style);
        pressKey(*first, Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_TRUE(second->hasFocus()) << toString(style);
    }
}
