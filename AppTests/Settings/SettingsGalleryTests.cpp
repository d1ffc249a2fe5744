// The Settings window in the states a player meets besides its defaults: a shortcut the desktop refused,
// and the Poker Basics guide open over it, light and dark. Written under gallery/settings.
#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Settings/TakenGrabber.h"
#include "Support/WidgetEvents.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Settings/ShortcutRecorder.h"
#include "Views/Support/ConfirmationPanel.h"

#include <QAbstractButton>
#include <QApplication>

#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct Shot {
    Shot()
        : hotkey(std::make_unique<TakenGrabber>(
              [](const KeyShortcut& shortcut) { return shortcut.key == "K"; }, held))
        , view(AppEnvironment{&state, &harness.controller, nullptr, &hotkey, nullptr, nullptr}) {
        harness.controller.setSession(&state);
        state.setHotkey(HotkeySetting{true, KeyShortcut{}});
        hotkey.update(state.hotkey().shortcut);
        view.show();
        view.adjustSize();
    }

    AppState state{std::nullopt};
    ControllerHarness harness;
    std::optional<KeyShortcut> held;
    GlobalHotkey hotkey;
    SettingsView view;
};

} // namespace

TEST(SettingsGallery, ARefusedShortcut) {
    Shot shot;
    auto* recorder = shot.view.findChild<ShortcutRecorder*>();
    recorder->click();
    WidgetEvents::key(recorder, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    // The whole form, so the line under the recorder saying why is in the picture.
    shot.view.resize(shot.view.sizeHint());
    // Laid out at that size before the picture, with no scroll bar left from the smaller one.
    QCoreApplication::processEvents();
    ASSERT_EQ(shot.state.hotkey().shortcut, KeyShortcut{});
    ASSERT_TRUE(recorder->refusal());
    QLabel* why = nullptr;
    for (auto* label : shot.view.findChildren<QLabel*>())
        why = label->isVisible() && label->text() == *recorder->refusal() ? label : why;
    ASSERT_TRUE(why);
    EXPECT_EQ(why->visibleRegion().boundingRect(), why->rect()) << "the refusal line is shown whole";
    EXPECT_TRUE(shot.view.grab().save(WidgetEvents::galleryFolder(QStringLiteral("settings")) +
                                      QStringLiteral("/settings-shortcut-refused.png")));
}

TEST(SettingsGallery, TheGuideOpenOverTheWindow) {
    for (const bool dark : {false, true}) {
        WidgetEvents::DesktopAppearance appearance(dark);
        Shot shot;
        shot.view.showGuide();
        QDialog* sheet = shot.view.guideSheet();
        ASSERT_TRUE(sheet);
        // The sheet drawn where a window manager centres it over the form, the form dimmed behind it.
        QImage image = shot.view.grab().toImage();
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(0, 0, 0, 60));
        const QPoint at((image.width() - sheet->width()) / 2, 40);
        painter.drawPixmap(at, sheet->grab());
        painter.end();
        EXPECT_TRUE(image.save(WidgetEvents::galleryFolder(QStringLiteral("settings")) +
                               QStringLiteral("/settings-guide%1.png").arg(dark ? "-dark" : "")));
        sheet->close();
    }
}

TEST(SettingsGallery, TheResetQuestionOverTheForm) {
    for (const bool dark : {false, true}) {
        for (const bool contrast : {false, true}) {
            WidgetEvents::DesktopAppearance appearance(dark, contrast);
            Shot shot;
            shot.view.resize(shot.view.width(), 640);
            // Active, so the ring shows on the answer Return presses.
            QApplication::setActiveWindow(&shot.view);
            for (auto* button : shot.view.findChildren<QAbstractButton*>())
                if (button->text() == QStringLiteral("Reset Bankroll…"))
                    button->click();
            ASSERT_TRUE(shot.view.resetQuestion());
            EXPECT_TRUE(shot.view.grab().save(WidgetEvents::galleryFolder(QStringLiteral("settings")) +
                                              QStringLiteral("/settings-reset-question%1%2.png")
                                                  .arg(dark ? "-dark" : "", contrast ? "-contrast" : "")));
        }
    }
}
