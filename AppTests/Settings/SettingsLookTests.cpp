// The Settings form in the game's look whatever colours the desktop gives its own controls: the
// drop-downs, the recorder and the buttons faced as the game's controls are, every text on them
// readable, and the keyboard's ring round the part of a switch that takes the click.
#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Style/Contrast.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/FocusRingStyle.h"
#include "Style/FocusRing.h"
#include "Style/SatinGlass.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Settings/SettingsLook.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Settings/ShortcutRecorder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QStyleOption>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include "Support/WidgetEvents.h"

namespace {

RGB rgb(const QColor& colour) {
    return RGB{colour.redF(), colour.greenF(), colour.blueF(), colour.alphaF()};
}

RGB pixel(const QImage& image, QPoint at) {
    return rgb(image.pixelColor(at)).withAlpha(1);
}

std::string appearance(bool dark, bool contrast = false) {
    return std::string(dark ? "dark" : "light") + (contrast ? " contrast" : "");
}

struct Form {
    explicit Form(bool withShortcut = true)
        : view(AppEnvironment{&state, &harness.controller, nullptr, nullptr, nullptr, nullptr}) {
        harness.controller.setSession(&state);
        state.setHotkey(HotkeySetting{withShortcut, KeyShortcut{}});
        view.resize(view.sizeHint());
        view.show();
        QApplication::processEvents();
    }
    template <class T> T* find(const QString& text) const {
        for (auto* widget : view.findChildren<T*>())
            if (widget->text() == text)
                return widget;
        return nullptr;
    }

    AppState state{std::nullopt};
    ControllerHarness harness;
    SettingsView view;
};

} // namespace

// Measured in the model and on the form as drawn: every explanation line against the section it is
// drawn on, and every switch's box edge against the section round it.
TEST(SettingsLook, EveryTextReadsOnWhatItIsDrawnOnAndTheControlsBelongToTheAppearance) {
    for (const bool dark : {false, true}) {
        for (const bool contrast : {false, true}) {
            SCOPED_TRACE(appearance(dark, contrast));
            const TableTheme theme = SettingsLook::theme(AppearanceFlags{dark, contrast, false});
            EXPECT_EQ(theme.style, TableStyleID::satin);
            const SettingsLook::Colours look = SettingsLook::colours(theme);
            const double text = contrast ? Contrast::enhancedText : Contrast::text;
            const double edge = contrast ? Contrast::text : Contrast::boundary;
            for (const RGB& ground : {look.window, look.section}) {
                EXPECT_GE(Contrast::textRatio(look.text, ground), text);
                EXPECT_GE(Contrast::textRatio(look.explanation, ground), text);
                EXPECT_GE(Contrast::textRatio(look.problem, ground), text);
                EXPECT_GE(Contrast::ratio(look.controlEdge, ground), edge);
            }
            EXPECT_GE(Contrast::textRatio(look.controlText, look.controlFace), Contrast::text);
            EXPECT_GE(Contrast::textRatio(look.disabledText, look.controlFace), Contrast::text);
            EXPECT_GE(Contrast::textRatio(look.highlightedText, look.highlight), Contrast::text);
            // A face is the glass of the game's buttons laid on the window: a shade lighter than a dark
            // window, never a light control on it, and on a light one all but white.
            EXPECT_EQ(look.controlFace, SatinGlass::face(dark, look.window));
            const double face = Contrast::relativeLuminance(look.controlFace);
            EXPECT_GT(face, Contrast::relativeLuminance(look.window));
            EXPECT_LT(Contrast::ratio(look.controlFace, look.window), dark ? 1.8 : 1.2);

            WidgetEvents::DesktopAppearance desktop(dark, contrast);
            Form form;
            const QImage shot = form.view.grab().toImage();
            for (QLabel* line : form.view.findChildren<QLabel*>()) {
                if (!line->property("chipwhistleExplanation").toBool() || !line->isVisible() ||
                    line->text().isEmpty())
                    continue;
                // The text's strongest pixel against the ground at its box's corner.
                const QRect box(line->mapTo(&form.view, QPoint()), line->size());
                const RGB ground = pixel(shot, box.topLeft());
                double strongest = 0;
                for (int y = box.top(); y <= box.bottom(); ++y)
                    for (int x = box.left(); x <= box.right(); ++x)
                        strongest = std::max(strongest, Contrast::ratio(pixel(shot, QPoint(x, y)), ground));
                EXPECT_GE(strongest, text) << line->text().toStdString();
            }
            for (QCheckBox* choice : form.view.findChildren<QCheckBox*>()) {
                if (!choice->isVisible())
                    continue;
                QStyleOptionButton option;
                option.initFrom(choice);
                option.text = choice->text();
                const QRect box =
                    choice->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, choice);
                const QPoint left = choice->mapTo(&form.view, QPoint(box.left(), box.center().y()));
                EXPECT_GE(Contrast::ratio(pixel(shot, left), pixel(shot, left - QPoint(2, 0))), edge)
                    << choice->text().toStdString();
            }
        }
    }
}

// A desktop whose dark theme leaves the controls' own colour light, as the shot's stand-in does: the
// form faces them itself.
TEST(SettingsLook, ItsDropDownsRecorderAndButtonsAreFacedInTheGamesLook) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(appearance(dark));
        WidgetEvents::DesktopAppearance desktop(dark);
        Form form;
        const SettingsLook::Colours look = SettingsLook::colours(SettingsLook::theme({dark, false, false}));
        const QImage shot = form.view.grab().toImage();
        const auto faceAt = [&](QWidget* control, QPoint inside) {
            return pixel(shot, control->mapTo(&form.view, inside));
        };
        const auto expectFace = [&](const RGB& face, const char* what) {
            // The desktop style's shading lies over the face; it stays a shade of it, light on a light
            // window and dark on a dark one.
            EXPECT_LT(Contrast::ratio(face, look.controlFace), 1.6) << what;
            if (dark)
                EXPECT_LT(Contrast::relativeLuminance(face), 0.15) << what << " stands out light";
            else
                EXPECT_GT(Contrast::relativeLuminance(face), 0.7) << what;
        };
        for (QComboBox* box : form.view.findChildren<QComboBox*>())
            expectFace(faceAt(box, QPoint(3, box->height() / 2)), "drop-down");
        auto* recorder = form.view.findChild<ShortcutRecorder*>();
        ASSERT_TRUE(recorder);
        expectFace(faceAt(recorder, QPoint(6, recorder->height() / 2)), "recorder");
        auto* guide = form.find<StyledButton>(QStringLiteral("Poker Basics…"));
        ASSERT_TRUE(guide) << "drawn as the game's buttons are";
        EXPECT_EQ(guide->theme().dark, dark);
        const QRectF face = guide->faceRect();
        expectFace(faceAt(guide, QPoint(int(face.left() + 10), int(face.center().y()))), "Poker Basics…");
    }
}

TEST(SettingsLook, EveryControlsTextReadsOnItsFaceAndInTheListItOpens) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(appearance(dark));
        WidgetEvents::DesktopAppearance desktop(dark);
        Form form;
        const auto expectReads = [](const QPalette& palette, QPalette::ColorRole text,
                                    QPalette::ColorRole face, const QString& what) {
            EXPECT_GE(Contrast::textRatio(rgb(palette.color(text)), rgb(palette.color(face))), Contrast::text)
                << what.toStdString();
        };
        for (QComboBox* box : form.view.findChildren<QComboBox*>()) {
            expectReads(box->palette(), QPalette::ButtonText, QPalette::Button, box->currentText());
            // The list it opens, as a click opens it.
            QTest::mouseClick(box, Qt::LeftButton);
            QAbstractItemView* list = box->view();
            ASSERT_TRUE(list->isVisible()) << box->currentText().toStdString();
            list->window()->grab().save(WidgetEvents::galleryFolder(QStringLiteral("settings")) +
                                        QStringLiteral("/settings-list-%1%2.png")
                                            .arg(box->accessibleName().replace(' ', '-').toLower(),
                                                 dark ? QStringLiteral("-dark") : QString()));
            expectReads(list->palette(), QPalette::Text, QPalette::Base, box->currentText() + " list");
            expectReads(list->palette(), QPalette::HighlightedText, QPalette::Highlight,
                        box->currentText() + " chosen row");
            EXPECT_EQ(rgb(list->palette().color(QPalette::Base)).withAlpha(1),
                      rgb(box->palette().color(QPalette::Button)).withAlpha(1))
                << "the list in the face's glass";
            box->hidePopup();
        }
        auto* recorder = form.view.findChild<ShortcutRecorder*>();
        expectReads(recorder->palette(), QPalette::ButtonText, QPalette::Button, recorder->text());
        for (StyledButton* button : form.view.findChildren<StyledButton*>()) {
            const TableTheme& theme = button->theme();
            const RGB face = SatinGlass::face(theme.dark, SettingsLook::colours(theme).window);
            EXPECT_GE(Contrast::textRatio(ControlStyle::textColor(button->kind(), theme), face),
                      Contrast::text)
                << button->title().toStdString();
        }
    }
}

TEST(SettingsLook, ASwitchsFocusRingGoesRoundItsBoxAndTitleNotTheWholeRow) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(appearance(dark));
        WidgetEvents::DesktopAppearance desktop(dark);
        FocusRingStyle style;
        Form form(false);
        for (QWidget* widget : form.view.findChildren<QWidget*>())
            widget->setStyle(&style);
        QApplication::processEvents();
        QApplication::setActiveWindow(&form.view);
        auto* speed = form.view.findChildren<QComboBox*>().at(0);
        auto* autoDeal = form.find<QCheckBox>(QStringLiteral("Deal next hand automatically"));
        ASSERT_TRUE(autoDeal);
        speed->setFocus(Qt::OtherFocusReason);
        const QImage before = autoDeal->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(autoDeal->hasFocus());
        const QImage after = autoDeal->grab().toImage();
        form.view.grab().save(WidgetEvents::galleryFolder(QStringLiteral("settings")) +
                              QStringLiteral("/settings-switch-focused%1.png").arg(dark ? "-dark" : ""));

        const TableTheme desktopTheme = FocusRingPainter::desktopTheme(dark);
        const RGB ring = FocusRing::color(desktopTheme);
        QRect drawn;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) {
                const RGB now = pixel(after, QPoint(x, y));
                if (now == pixel(before, QPoint(x, y)))
                    continue;
                if (std::abs(now.red - ring.red) + std::abs(now.green - ring.green) +
                        std::abs(now.blue - ring.blue) <
                    0.08)
                    drawn |= QRect(x, y, 1, 1);
            }
        ASSERT_FALSE(drawn.isEmpty()) << "no ring";
        // Round the box and the title, whole, with the ring's own outset; the row runs on past it.
        QStyleOptionButton option;
        option.initFrom(autoDeal);
        option.text = autoDeal->text();
        const QRect click = style.subElementRect(QStyle::SE_CheckBoxClickRect, &option, autoDeal);
        const int reach = FocusRing::room(desktopTheme);
        EXPECT_TRUE(drawn.contains(click)) << "the ring crosses the title or the box";
        // And the box and title are drawn where they take the click, inside the ring.
        const RGB row = pixel(before, QPoint(before.width() - 2, before.height() / 2));
        QRect marks;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (Contrast::ratio(pixel(before, QPoint(x, y)), row) > 1.5)
                    marks |= QRect(x, y, 1, 1);
        EXPECT_TRUE(click.contains(marks)) << "drawn outside where the click is taken";
        EXPECT_TRUE(click.adjusted(-reach, -reach, reach, reach).contains(drawn));
        EXPECT_GT(drawn.left(), 0) << "cut off at the control's edge";
        EXPECT_LT(drawn.right(), autoDeal->width() / 2) << "spans the row";

        // A switch with a line under it: the ring keeps clear of the line's words.
        auto* shortcut = form.find<QCheckBox>(QStringLiteral("Global shortcut"));
        ASSERT_TRUE(shortcut);
        QLabel* line = nullptr;
        for (QLabel* label : form.view.findChildren<QLabel*>())
            if (label->text() == shortcut->accessibleDescription())
                line = label;
        ASSERT_TRUE(line);
        const QImage plain = form.view.grab().toImage();
        shortcut->setFocus(Qt::TabFocusReason);
        const QImage ringed = form.view.grab().toImage();
        ringed.save(WidgetEvents::galleryFolder(QStringLiteral("settings")) +
                    QStringLiteral("/settings-switch-with-line-focused%1.png").arg(dark ? "-dark" : ""));
        int ringBottom = -1;
        for (int y = 0; y < ringed.height(); ++y)
            for (int x = 0; x < ringed.width(); ++x)
                if (pixel(ringed, QPoint(x, y)) != pixel(plain, QPoint(x, y)))
                    ringBottom = std::max(ringBottom, y);
        const QRect lineBox(line->mapTo(&form.view, QPoint()), line->size());
        const RGB ground = pixel(plain, lineBox.topLeft() + QPoint(1, 0));
        int inkTop = plain.height();
        for (int y = lineBox.top(); y <= lineBox.bottom(); ++y)
            for (int x = lineBox.left(); x <= lineBox.right(); ++x)
                if (Contrast::ratio(pixel(plain, QPoint(x, y)), ground) > 1.5)
                    inkTop = std::min(inkTop, y);
        EXPECT_GE(inkTop - ringBottom - 1, 3) << "the ring touches the line under its switch";
    }
}
