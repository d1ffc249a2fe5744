#include "Style/Drawing/StyleAccessibility.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

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
    // The arrows drawn on a title to point the way are not read out; the title is drawn as given.
    const std::pair<const char*, const char*> titles[] = {
        {"Fold", "Fold"},
        {"Rankings \u203A", "Rankings"},
        {"\u2039 Back", "Back"},
        {"Starting hands in Poker Basics \u203A", "Starting hands in Poker Basics"},
        {"Next \u2192 page", "Next page"},
        {"Deal \u00BB", "Deal"},
        {"\u00BD Pot", "\u00BD Pot"},
    };
    for (const auto& [title, spoken] : titles) {
        SCOPED_TRACE(title);
        StyledButton button(themeIn(GetParam()), QString::fromUtf8(title), ControlKind::fold(),
                            ControlSize::small, ControlIcon::lock);
        EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Button);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(spoken));
        EXPECT_EQ(button.title(), QString::fromUtf8(title));
        EXPECT_FALSE(accessible->state().selected);
        // A title that changes is heard the same way.
        StyledButton changing(themeIn(GetParam()), "Next", ControlKind::confirm(), ControlSize::small);
        changing.setTitle(QString::fromUtf8(title));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&changing)->text(QAccessible::Name),
                  QString::fromUtf8(spoken));
    }
}

TEST_P(StyledButtons, APresetIsARadioButtonCheckedWhenChosen) {
    int presses = 0;
    StyledButton preset(themeIn(GetParam()), QString::fromUtf8("½ Pot"), ControlKind::preset(true),
                        ControlSize::small, std::nullopt, [&presses] { ++presses; });
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&preset);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::RadioButton);
    EXPECT_TRUE(accessible->state().checkable);
    EXPECT_TRUE(accessible->state().checked);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8("½ Pot"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(presses, 1);
    preset.setKind(ControlKind::preset(false));
    EXPECT_FALSE(accessible->state().checked);
    EXPECT_EQ(accessible->role(), QAccessible::RadioButton);
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

namespace {

void mouseAt(QWidget& widget, QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// A shown paper button whose press is timed on a clock the test turns.
template <typename Button> struct TimedPress {
    double now = 0;
    Button& button;
    explicit TimedPress(Button& pressed)
        : button(pressed) {
        button.pressClock().setTimeSource([this] { return now; });
        button.resize(button.sizeHint());
        button.show();
    }
    QImage at(double seconds) {
        now = seconds;
        return button.grab().toImage();
    }
};

template <typename Button> void expectEasedPress(Button& button) {
    TimedPress<Button> timed(button);
    const QImage first = timed.at(0);
    const QImage rest = timed.at(5);
    EXPECT_EQ(first, rest) << "a button at rest is drawn at rest on its first frame";
    const QPointF centre = QRectF(button.rect()).center();
    mouseAt(button, QEvent::MouseButtonPress, centre);
    const QImage halfway = timed.at(5.03);
    const QImage down = timed.at(5.08);
    EXPECT_NE(halfway, rest);
    EXPECT_NE(halfway, down);
    EXPECT_EQ(timed.at(6), down);
    mouseAt(button, QEvent::MouseButtonRelease, centre);
    EXPECT_NE(timed.at(6.07), rest) << "the release eases back up over 0.14 s";
    EXPECT_EQ(timed.at(6.14), rest);
}

TableTheme paperTheme() {
    return themeIn(TableStyleID::paper);
}

} // namespace

TEST(PaperPress, TextButtonsStartAtRestAndEaseDownAndUp) {
    StyledButton button(paperTheme(), "Call 40", ControlKind::call());
    expectEasedPress(button);
}

TEST(PaperPress, IconDiscsStartAtRestAndEaseDownAndUp) {
    StyledIconButton button(paperTheme(), "pause.fill", {"##.##"}, StyledIconButton::Tint::teal, "Pause");
    expectEasedPress(button);
}

TEST(PaperPress, ReducedMotionPressesAtOnce) {
    TableTheme calm = paperTheme();
    calm.reduceMotion = true;
    StyledButton button(calm, "Call 40", ControlKind::call());
    TimedPress<StyledButton> timed(button);
    const QImage rest = timed.at(0);
    mouseAt(button, QEvent::MouseButtonPress, QRectF(button.rect()).center());
    EXPECT_EQ(timed.at(0), timed.at(1));
    EXPECT_NE(timed.at(1), rest);
}

TEST(HitArea, OnlyTheDrawnFaceTakesAClick) {
    for (auto style : allTableStyleIDs) {
        int presses = 0;
        const auto count = [&presses] { ++presses; };
        StyledIconButton icon(themeIn(style), "gearshape.fill", {"#####"}, StyledIconButton::Tint::neutral,
                              "Settings", count);
        StyledButton text(themeIn(style), "Deal", ControlKind::confirm(), ControlSize::main, std::nullopt,
                          count);
        for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{&icon, &text}) {
            button->resize(button->sizeHint());
            presses = 0;
            clickCentre(*button);
            EXPECT_EQ(presses, 1) << toString(style);
        }
        // The corner of the paper disc's square lies outside the disc; the pixel tile's and the text
        // button's room around the face takes no click either.
        const QRectF face = icon.faceRect();
        presses = 0;
        mouseAt(icon, QEvent::MouseButtonPress, face.topLeft() + QPointF(1, 1));
        mouseAt(icon, QEvent::MouseButtonRelease, face.topLeft() + QPointF(1, 1));
        EXPECT_EQ(presses, style == TableStyleID::paper ? 0 : 1) << toString(style);
        presses = 0;
        for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{&icon, &text}) {
            mouseAt(*button, QEvent::MouseButtonPress, QPointF(0.5, 0.5));
            mouseAt(*button, QEvent::MouseButtonRelease, QPointF(0.5, 0.5));
        }
        EXPECT_EQ(presses, style == TableStyleID::satin ? 1 : 0) << toString(style);
    }
}

#include <QPainter>

#include "Views/Controls/ButtonFaces.h"

namespace {

// The most opaque pixel of the widget's outermost rows and columns. A shadow's faintest tail may end
// there (1 of 255); anything stronger was cut off.
int alphaAtTheEdge(const QImage& image) {
    int most = 0;
    for (int x = 0; x < image.width(); ++x)
        most = std::max({most, qAlpha(image.pixel(x, 0)), qAlpha(image.pixel(x, image.height() - 1))});
    for (int y = 0; y < image.height(); ++y)
        most = std::max({most, qAlpha(image.pixel(0, y)), qAlpha(image.pixel(image.width() - 1, y))});
    return most;
}

QImage renderedAlone(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

TEST(ButtonRoom, ShadowsAndFocusRingsEndInsideTheWidgetInEveryStateAndStyle) {
    for (auto style : allTableStyleIDs)
        for (bool dark : {false, true}) {
            const TableTheme theme = themeIn(style, dark);
            for (ControlSize size : {ControlSize::main, ControlSize::small}) {
                StyledButton button(theme, "Raise to 120", ControlKind::confirm(), size);
                button.resize(button.sizeHint());
                const QImage rest = renderedAlone(button);
                button.setDown(true);
                const QImage pressed = renderedAlone(button);
                button.setDown(false);
                // The face at rest and pressed, drawn freely with the focus ring on a canvas with room
                // to spare: nothing may land outside the widget's rectangle.
                QImage free(button.size() + QSize(80, 80), QImage::Format_ARGB32_Premultiplied);
                free.fill(Qt::transparent);
                {
                    QPainter painter(&free);
                    const QRectF face = button.faceRect().translated(40, 40);
                    const auto noLabel = [](QPainter&, const QRectF&) {};
                    for (double press : {0.0, 1.0}) {
                        const ButtonFaces::State state{press > 0, true, press};
                        if (style == TableStyleID::paper)
                            ButtonFaces::paper(painter, face, ControlKind::confirm(), size, theme, state,
                                               noLabel);
                        else if (style == TableStyleID::satin)
                            ButtonFaces::satin(painter, face, ControlKind::confirm(), theme, state, noLabel);
                        else
                            ButtonFaces::pixel(painter, face, ControlKind::confirm(), theme, state, noLabel);
                    }
                }
                const QRect widget(QPoint(40, 40), button.size());
                int outside = 0;
                for (int y = 0; y < free.height(); ++y)
                    for (int x = 0; x < free.width(); ++x)
                        if (!widget.contains(x, y) && qAlpha(free.pixel(x, y)) > 0)
                            ++outside;
                const std::string name = std::string(toString(style)) + (dark ? " dark" : " light") +
                                         (size == ControlSize::main ? " main" : " small");
                EXPECT_EQ(outside, 0) << name;
                EXPECT_LE(alphaAtTheEdge(rest), 1) << name;
                EXPECT_LE(alphaAtTheEdge(pressed), 1) << name;
            }
            StyledIconButton icon(theme, "pause.fill", {"##.##"}, StyledIconButton::Tint::tomato, "Pause");
            icon.resize(icon.sizeHint());
            EXPECT_LE(alphaAtTheEdge(renderedAlone(icon)), 1) << toString(style);
            icon.setDown(true);
            EXPECT_LE(alphaAtTheEdge(renderedAlone(icon)), 1) << toString(style);
        }
}

TEST(ButtonRoom, APaperButtonsShadowShowsBelowItsFace) {
    StyledButton button(themeIn(TableStyleID::paper), "Call 40", ControlKind::call());
    button.resize(button.sizeHint());
    const QImage image = renderedAlone(button);
    const QRectF face = button.faceRect();
    // Below the face and its 4 pt side, the soft shadow still shows a few points further down.
    EXPECT_GT(qAlpha(image.pixel(static_cast<int>(face.center().x()), static_cast<int>(face.bottom()) + 8)),
              0);
    EXPECT_GE(button.room().bottom(), 12);
    EXPECT_EQ(button.room().top(), button.room().bottom());
}
