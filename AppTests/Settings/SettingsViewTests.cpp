#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Settings/TakenGrabber.h"
#include "Style/Contrast.h"
#include "Style/Drawing/ThemeFonts.h"
#include "System/GlobalHotkey.h"
#include "System/LaunchAtLogin.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Settings/SettingsRules.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Settings/ShortcutRecorder.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/ConfirmationPanel.h"
#include "Views/WindowFit.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

#include "Support/WidgetEvents.h"

namespace {

struct SettingsWindow {
    explicit SettingsWindow(TakenGrabber::Taken taken = [](const KeyShortcut&) { return true; })
        : hotkey(std::make_unique<TakenGrabber>(std::move(taken), held))
        , launchAtLogin(autostart.path(), QStringLiteral("/usr/bin/chipwhistle"))
        , view(AppEnvironment{&state, &harness.controller, nullptr, &hotkey, &launchAtLogin, nullptr,
                              &announcer}) {
        harness.controller.setSession(&state);
        announcer.setShowsNotifications(false);
    }

    template <class T> T* find(const QString& text) const {
        for (auto* widget : view.findChildren<T*>())
            if (widget->text() == text)
                return widget;
        return nullptr;
    }
    QComboBox* combo(int index) const { return view.findChildren<QComboBox*>().at(index); }
    bool shows(QWidget* widget) const { return widget && widget->isVisibleTo(&view); }

    AppState state{std::nullopt};
    ControllerHarness harness;
    // What the desktop holds for the game now.
    std::optional<KeyShortcut> held;
    GlobalHotkey hotkey;
    QTemporaryDir autostart;
    LaunchAtLogin launchAtLogin;
    Announcer announcer;
    SettingsView view;
};

} // namespace

TEST(SettingsView, AFreshProfileShowsTheDefaults) {
    SettingsWindow window;
    EXPECT_EQ(window.combo(0)->currentText(), "Normal");
    EXPECT_FALSE(window.find<QCheckBox>("Deal next hand automatically")->isChecked());
    EXPECT_EQ(window.combo(1)->currentText(), "Quick Hand");
    EXPECT_FALSE(window.find<QCheckBox>("Learning mode")->isChecked());
    EXPECT_FALSE(window.find<QCheckBox>("Four-color deck")->isChecked());
    EXPECT_TRUE(window.find<QCheckBox>("Sounds")->isChecked());
    EXPECT_FALSE(window.find<QCheckBox>("Global shortcut")->isChecked());
    EXPECT_FALSE(window.shows(window.view.findChild<ShortcutRecorder*>()));
    EXPECT_EQ(window.combo(2)->currentText(), "System Tray");
    ASSERT_TRUE(window.find<QLabel>("10,000 chips"));
    // A reader passing the section hears the figures with their titles.
    EXPECT_EQ(window.find<QLabel>("10,000 chips")->accessibleName(), "Bankroll, 10,000 chips");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(window.find<QLabel>("Bankroll"))->state().invisible);
    EXPECT_TRUE(window.find<QLabel>("0 wins, 0 second places, 0 played"));
    EXPECT_EQ(window.view.guideSheet(), nullptr);
}

TEST(SettingsView, EveryControlWritesAtOnce) {
    SettingsWindow window;
    window.find<QCheckBox>("Deal next hand automatically")->click();
    window.find<QCheckBox>("Four-color deck")->click();
    window.find<QCheckBox>("Sounds")->click();
    window.find<QCheckBox>("Show stack in system tray")->click();
    window.find<QCheckBox>("Learning mode")->click();
    window.combo(0)->activated(2);
    window.combo(1)->activated(1);
    window.combo(2)->activated(1);

    const AppSettings& settings = window.state.profile().settings;
    EXPECT_TRUE(settings.autoDeal);
    EXPECT_TRUE(settings.fourColorDeck);
    EXPECT_FALSE(settings.soundsOn);
    EXPECT_TRUE(settings.showStackInMenuBar);
    EXPECT_TRUE(settings.learningMode);
    EXPECT_EQ(settings.botSpeed, BotSpeed::slow);
    EXPECT_EQ(settings.defaultTable, GameMode::sitAndGo);
    EXPECT_EQ(settings.launchSurface, LaunchSurface::window);
    EXPECT_TRUE(window.find<QLabel>(
        "Opens in a full window with the action log, and shows in the task bar while it's open."));
}

TEST(SettingsView, FollowsChangesMadeElsewhere) {
    SettingsWindow window;
    window.state.setDefaultTable(GameMode::cashTable);
    EXPECT_EQ(window.combo(1)->currentIndex(), -1) << "a cash table matches neither option";
    window.state.setFourColorDeck(true);
    EXPECT_TRUE(window.find<QCheckBox>("Four-color deck")->isChecked());
}

TEST(SettingsView, TheShortcutRowsFollowTheSwitch) {
    SettingsWindow window;
    window.find<QCheckBox>("Global shortcut")->click();
    EXPECT_TRUE(window.state.hotkey().enabled);
    EXPECT_EQ(window.state.hotkey().shortcut, KeyShortcut{});
    auto* recorder = window.view.findChild<ShortcutRecorder*>();
    EXPECT_TRUE(window.shows(recorder));

    // The shell puts the setting in force; the grab is refused and the form says why.
    window.hotkey.update(window.state.hotkey().shortcut);
    ASSERT_TRUE(window.hotkey.problem());
    EXPECT_TRUE(window.shows(window.find<QLabel>(*window.hotkey.problem())));

    window.find<QCheckBox>("Global shortcut")->click();
    EXPECT_FALSE(window.shows(recorder));
    EXPECT_FALSE(window.shows(window.find<QLabel>(*window.hotkey.problem())));
}

TEST(SettingsView, LaunchAtLoginShowsWhatTheDesktopReports) {
    SettingsWindow window;
    auto* toggle = window.find<QCheckBox>("Launch at login");
    toggle->click();
    EXPECT_EQ(window.launchAtLogin.status(), LoginItemStatus::enabled);
    EXPECT_TRUE(toggle->isChecked());
    toggle->click();
    EXPECT_EQ(window.launchAtLogin.status(), LoginItemStatus::notRegistered);
    EXPECT_FALSE(toggle->isChecked());
}

// Asked in the game's own card over the form, its whole title showing and the figures it asks about in
// view: Escape, a click on the shade and Return (the ring is on Cancel) all keep the bankroll; only
// "Reset Bankroll", clicked or pressed with Return once the ring is on it, resets it.
TEST(SettingsView, ResetAsksFirstAndCancellingChangesNothing) {
    SettingsWindow window;
    Profile profile = window.state.profile();
    profile.bankroll = 55;
    window.state.setProfile(profile);
    window.view.show();
    QApplication::setActiveWindow(&window.view);
    auto* reset = window.find<QAbstractButton>("Reset Bankroll…");
    // Asked from the keyboard, or with a click.
    const auto ask = [&](bool keys = false) {
        window.view.scrollArea()->ensureWidgetVisible(reset);
        if (keys) {
            reset->setFocus(Qt::TabFocusReason);
            QTest::keyClick(reset, Qt::Key_Space);
        } else {
            WidgetEvents::click(reset);
        }
        ConfirmationPanel* question = window.view.resetQuestion();
        EXPECT_TRUE(question && question->isVisible());
        return question;
    };
    const auto unanswered = [&](const char* how) {
        EXPECT_FALSE(window.view.resetQuestion()) << how;
        EXPECT_EQ(window.state.profile().bankroll, 55) << how;
        EXPECT_TRUE(window.view.isVisible()) << how;
    };

    ConfirmationPanel* question = ask(true);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->accessibleName(), "Reset your bankroll to 10,000 chips?");
    QStringList texts;
    for (QLabel* label : question->findChildren<QLabel*>()) {
        texts << label->text();
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << "cut: " << label->text().toStdString();
    }
    EXPECT_EQ(texts, QStringList({"Reset your bankroll to 10,000 chips?", "Lifetime counters are kept."}));
    EXPECT_EQ(question->dismissButton()->title(), "Cancel");
    EXPECT_EQ(question->confirmButton()->title(), "Reset Bankroll");
    EXPECT_EQ(question->confirmButton()->kind(), ControlKind::danger());
    EXPECT_TRUE(question->dismissButton()->hasFocus()) << "the ring is on what Return presses";
    EXPECT_FALSE(window.view.scrollArea()->isEnabled()) << "the form under the question takes input";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    unanswered("Escape");
    EXPECT_TRUE(reset->hasFocus()) << "the keys go back to the button that asked";

    ask();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    unanswered("Return");
    question = ask();
    ASSERT_TRUE(question);
    const QRect asked(question->mapTo(&window.view, QPoint()), question->size());
    for (const char* figure : {"Bankroll", "55 chips", "Hands played", "Sit & Go results"}) {
        QLabel* label = window.find<QLabel>(figure);
        ASSERT_TRUE(label) << figure;
        const QRect shown(label->mapTo(&window.view, QPoint()), label->size());
        EXPECT_TRUE(window.view.rect().contains(shown)) << figure << " out of view";
        EXPECT_FALSE(asked.intersects(shown)) << figure << " under the question";
    }
    WidgetEvents::click(window.view.childAt(20, window.view.height() - 20));
    unanswered("a click on the shaded form");

    question = ask();
    ASSERT_TRUE(question);
    WidgetEvents::click(question->confirmButton());
    EXPECT_FALSE(window.view.resetQuestion());
    EXPECT_EQ(window.state.profile().bankroll, 10000);
    EXPECT_TRUE(window.find<QLabel>("10,000 chips"));
    EXPECT_EQ(window.announcer.spoken(), QStringList{"Bankroll reset to 10,000 chips."});

    profile = window.state.profile();
    profile.bankroll = 55;
    window.state.setProfile(profile);
    question = ask(true);
    ASSERT_TRUE(question);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(question->confirmButton()->hasFocus()) << "Tab moves the ring to the other answer";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(window.view.resetQuestion());
    EXPECT_EQ(window.state.profile().bankroll, 10000) << "Return presses the answer with the ring";
}

// The hotkey's problem says the stored shortcut is not in force. A refused new one leaves the stored one
// working, so it gets a beep, a word on why (in the red of every refusal, and spoken) and the recorder
// waiting for another, never the problem, neither then nor when Settings opens again.
TEST(SettingsView, ARefusedShortcutKeepsThePreviousOneStoredAndInForceWithoutTheRedText) {
    const KeyShortcut taken{40, true, true, false, false, "K"};
    auto window =
        std::make_unique<SettingsWindow>([&](const KeyShortcut& shortcut) { return shortcut == taken; });
    window->view.show();
    window->find<QCheckBox>("Global shortcut")->click();
    // The shell puts the stored setting in force, as it does on every change.
    const auto applySettings = [&] { window->hotkey.update(window->state.hotkey().shortcut); };
    applySettings();
    ASSERT_EQ(window->held, KeyShortcut{});

    auto* recorder = window->view.findChild<ShortcutRecorder*>();
    // It names itself, title first: no label names it a second time.
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(recorder);
    EXPECT_EQ(read->text(QAccessible::Name), "Shortcut Ctrl+Shift+P");
    EXPECT_TRUE(read->relations(QAccessible::Label).isEmpty());
    const QString refusal = "Ctrl+Shift+K is already used by another app. Pick another shortcut.";
    const auto refusalLabels = [&] {
        int shown = 0;
        for (auto* label : window->view.findChildren<QLabel*>())
            shown += label->text() == refusal && label->isVisibleTo(&window->view);
        return shown;
    };
    const auto redShown = [&] {
        for (auto* label : window->view.findChildren<QLabel*>())
            if (label->isVisibleTo(&window->view) && !label->text().isEmpty() &&
                label->property("chipwhistleProblem").toBool() &&
                !label->text().endsWith("another shortcut."))
                return true;
        return false;
    };
    const auto lastSpoken = [&] {
        return window->announcer.spoken().value(window->announcer.spoken().size() - 1);
    };
    recorder->click();
    const QString started = "Press the new shortcut, or Escape to keep Ctrl+Shift+P.";
    EXPECT_EQ(lastSpoken(), started);
    QTest::keyClick(recorder, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(lastSpoken(), refusal);
    EXPECT_EQ(window->announcer.spoken().count(started), 1) << "recording goes on; it does not start again";
    EXPECT_EQ(recorder->accessibleName(), "Recording shortcut");
    EXPECT_TRUE(window->find<QLabel>(refusal)->property("chipwhistleProblem").toBool())
        << "a refusal looks as the one found at start-up does";
    applySettings();
    EXPECT_EQ(window->state.hotkey().shortcut, KeyShortcut{}) << "the refused shortcut is not stored";
    EXPECT_EQ(window->held, KeyShortcut{}) << "the previous shortcut is still in force";
    EXPECT_TRUE(window->hotkey.isActive());
    EXPECT_EQ(window->hotkey.problem(), std::nullopt);
    EXPECT_FALSE(redShown());
    EXPECT_TRUE(recorder->isRecording()) << "it waits for another combination";
    EXPECT_EQ(refusalLabels(), 1) << "the reason shows while it waits";
    // Settings' own close key and the desktop's copy key, which a grab would take from every window.
    for (const auto& [key, why] :
         {std::pair{Qt::Key_W, "Ctrl+W closes Settings. Pick another shortcut."},
          std::pair{Qt::Key_C, "Ctrl+C copies in every app. Pick another shortcut."}}) {
        QTest::keyClick(recorder, key, Qt::ControlModifier);
        EXPECT_TRUE(recorder->isRecording() && window->view.isVisible()) << why;
        EXPECT_TRUE(window->shows(window->find<QLabel>(why))) << why;
        EXPECT_EQ(lastSpoken(), why);
    }
    QTest::keyClick(recorder, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(window->announcer.spoken().count("Ctrl+C copies in every app. Pick another shortcut."), 2)
        << "each refusal is spoken";
    // A key without Ctrl, Alt or Super is refused with its reason too, once a press.
    const QString needsModifier = "Add Ctrl, Alt or Super to use a shortcut from other apps.";
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_P, Qt::KeyboardModifiers()}, std::pair{Qt::Key_F5, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_P, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        const qsizetype before = window->announcer.spoken().size();
        QTest::keyClick(recorder, key, modifiers);
        EXPECT_TRUE(recorder->isRecording()) << key;
        EXPECT_EQ(window->announcer.spoken().mid(before), QStringList{needsModifier}) << key;
    }
    EXPECT_EQ(window->state.hotkey().shortcut, KeyShortcut{});
    QTest::keyClick(recorder, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);

    QTest::keyClick(recorder, Qt::Key_Escape);
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_EQ(recorder->text(), "Ctrl+Shift+P");
    EXPECT_EQ(refusalLabels(), 0) << "once recording ends, the working shortcut needs no word";
    EXPECT_FALSE(redShown());

    // Settings opened again on the same stored setting and the same hotkey shows nothing either.
    window->view.hide();
    SettingsView reopened(AppEnvironment{&window->state, &window->harness.controller, nullptr,
                                         &window->hotkey, &window->launchAtLogin, nullptr});
    for (auto* label : reopened.findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains("already used") && label->isVisibleTo(&reopened));

    recorder->click();
    QTest::keyClick(recorder, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    applySettings();
    const KeyShortcut accepted{37, true, true, false, false, "L"};
    EXPECT_EQ(window->state.hotkey().shortcut, accepted);
    EXPECT_EQ(window->held, accepted);
    EXPECT_EQ(recorder->text(), "Ctrl+Shift+L");
    EXPECT_EQ(lastSpoken(), "Shortcut set to Ctrl+Shift+L.");
    EXPECT_EQ(window->hotkey.problem(), std::nullopt);
}

// A click anywhere but on the recorder ends a recording and does nothing else, where nothing takes the
// focus too, and so does a press on the window's frame.
TEST(SettingsView, AClickOutsideTheRecorderEndsARecording) {
    SettingsWindow window;
    window.view.show();
    window.find<QCheckBox>("Global shortcut")->click();
    auto* recorder = window.view.findChild<ShortcutRecorder*>();
    QGroupBox* section = window.view.findChild<QGroupBox*>();
    for (auto* group : window.view.findChildren<QGroupBox*>())
        section = group->isAncestorOf(recorder) ? group : section;
    QStyleOptionGroupBox heading;
    heading.initFrom(section);
    heading.text = section->title();
    heading.subControls = QStyle::SC_GroupBoxLabel;
    const QRect title =
        section->style()->subControlRect(QStyle::CC_GroupBox, &heading, QStyle::SC_GroupBoxLabel, section);
    auto* sounds = window.find<QCheckBox>("Sounds");
    // On the switch's box, at its left.
    const QPoint onSounds(6, sounds->height() / 2);
    const std::tuple<QWidget*, QPoint, const char*> rows[] = {
        {section, title.center(), "the section's title"},
        {section, QPoint(2, section->height() / 2), "the section's margin"},
        {sounds, onSounds, "the Sounds switch"},
    };
    for (const auto& [pressed, at, where] : rows) {
        QTest::mouseClick(recorder, Qt::LeftButton);
        ASSERT_TRUE(recorder->isRecording());
        QTest::mouseClick(pressed, Qt::LeftButton, {}, at);
        EXPECT_FALSE(recorder->isRecording()) << where;
        EXPECT_EQ(QWidget::keyboardGrabber(), nullptr) << "the keyboard is the desktop's again";
        EXPECT_TRUE(window.state.profile().settings.soundsOn && sounds->isChecked()) << where;
    }
    QTest::mouseClick(sounds, Qt::LeftButton, {}, onSounds);
    EXPECT_FALSE(window.state.profile().settings.soundsOn) << "once the recording is over, a click acts";
    // Pressed on its title bar, which the window manager draws, the window moves under the press.
    QTest::mouseClick(recorder, Qt::LeftButton);
    ASSERT_TRUE(recorder->isRecording());
    window.view.move(window.view.pos() + QPoint(40, 30));
    QApplication::processEvents();
    EXPECT_FALSE(recorder->isRecording()) << "the window moved by its frame";
}

// Where the stored shortcut itself is held by another program, the red text stays: it is not in force.
TEST(SettingsView, AStoredShortcutThatIsNotInForceShowsTheRedText) {
    SettingsWindow window;
    window.find<QCheckBox>("Global shortcut")->click();
    window.hotkey.update(window.state.hotkey().shortcut);
    EXPECT_TRUE(window.shows(
        window.find<QLabel>("Ctrl+Shift+P is already used by another app. Pick another shortcut.")));
}

TEST(SettingsView, PokerBasicsOpensTheGuideAsASheetThatClosesItself) {
    SettingsWindow window;
    window.view.show();
    const auto closed = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.view.guideSheet() == nullptr;
    };
    for (const bool byEscape : {false, true}) {
        window.find<QAbstractButton>("Poker Basics…")->click();
        QDialog* sheet = window.view.guideSheet();
        ASSERT_TRUE(sheet);
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(sheet->parentWidget(), &window.view);
        EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
        EXPECT_EQ(sheet->size(), QSize(440, 600));
        auto* guide = sheet->findChild<PokerBasicsView*>();
        ASSERT_TRUE(guide);
        ASSERT_TRUE(guide->doneButton()) << "the panel presentation, with its own Done";
        EXPECT_EQ(guide->tab(), GuideTab::basics);

        window.find<QAbstractButton>("Poker Basics…")->click();
        EXPECT_EQ(window.view.guideSheet(), sheet) << "one guide at a time";

        if (byEscape)
            QTest::keyClick(guide->doneButton(), Qt::Key_Escape);
        else
            guide->doneButton()->click();
        EXPECT_TRUE(closed());
    }
}

TEST(SettingsViewKeys, EscapeAndCtrlWCloseTheWindowButEscapeFirstStopsARecording) {
    SettingsWindow window;
    const auto open = [&] {
        window.view.show();
        QApplication::setActiveWindow(&window.view);
        window.view.activateWindow();
        window.find<QCheckBox>("Learning mode")->setFocus(Qt::TabFocusReason);
    };
    open();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.view.isVisible());
    open();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window.view.isVisible());
    // A drop-down that has the keys lets Escape through when it is closed.
    open();
    window.combo(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.view.isVisible());
    // Recording a shortcut, Escape stops the recording and the window stays.
    open();
    auto* recorder = window.view.findChild<ShortcutRecorder*>();
    ASSERT_TRUE(recorder);
    window.find<QCheckBox>("Global shortcut")->setChecked(true);
    recorder->setFocus(Qt::TabFocusReason);
    QTest::keyClick(recorder, Qt::Key_Space);
    ASSERT_TRUE(recorder->isRecording());
    QTest::keyClick(recorder, Qt::Key_Escape);
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_TRUE(window.view.isVisible());
}

TEST(SettingsView, OpensWithinTheScreenAndScrollsToEverySection) {
    SettingsWindow window;
    window.view.show();
    QApplication::processEvents();
    const QRect room = window.view.screen()->availableGeometry();
    // The offscreen screen is shorter than the form, as a 1366 x 768 laptop's is.
    ASSERT_LT(room.height(), window.view.sizeHint().height());
    EXPECT_LE(window.view.frameGeometry().height(), room.height());
    EXPECT_TRUE(room.contains(window.view.geometry()));
    auto* scroll = window.view.findChild<QScrollArea*>();
    ASSERT_TRUE(scroll) << "the form does not scroll";
    auto* reset = window.find<QAbstractButton>(QStringLiteral("Reset Bankroll…"));
    ASSERT_TRUE(reset);
    scroll->ensureWidgetVisible(reset);
    const QRect shown = QRect(reset->mapTo(scroll->viewport(), QPoint()), reset->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
    // On a screen with room, the whole form shows without scrolling.
    const QSize form(SettingsView::formWidth, 860);
    EXPECT_EQ(WindowFit::size(form, {}, {2560, 1440 - 28}), form);
    EXPECT_EQ(WindowFit::size(form, {}, {1366, 768 - 28}).height(), 768 - 28 - 48);
}

TEST(SettingsView, UsesTheGamesTypeface) {
    SettingsWindow window;
    EXPECT_EQ(window.view.font().family(), ThemeFonts::systemFamily());
    EXPECT_EQ(window.find<QCheckBox>("Learning mode")->font().family(), ThemeFonts::systemFamily());
}

TEST(SettingsView, EveryTextReadsOnTheWindowInLightAndDark) {
    // As a desktop sets its palette: the text and window colours, the placeholder grey left as it was.
    for (const bool dark : {false, true}) {
        const QPalette saved = QApplication::palette();
        QPalette desktop = saved;
        desktop.setColor(QPalette::Window, dark ? QColor(30, 30, 30) : QColor(236, 236, 236));
        desktop.setColor(QPalette::WindowText, dark ? QColor(235, 235, 235) : QColor(29, 29, 31));
        QApplication::setPalette(desktop);
        {
            // The problem texts shown too, in their red.
            SettingsWindow window;
            window.find<QCheckBox>("Global shortcut")->click();
            window.hotkey.update(window.state.hotkey().shortcut);
            window.view.show();
            const auto rgb = [](const QColor& colour) {
                return RGB{colour.redF(), colour.greenF(), colour.blueF(), colour.alphaF()};
            };
            for (QLabel* label : window.view.findChildren<QLabel*>()) {
                if (label->text().isEmpty())
                    continue;
                const double ratio = Contrast::textRatio(rgb(label->palette().color(QPalette::WindowText)),
                                                         rgb(label->palette().color(QPalette::Window)));
                EXPECT_GE(ratio, Contrast::text)
                    << (dark ? "dark: " : "light: ") << label->text().toStdString();
            }
        }
        QApplication::setPalette(saved);
    }
}

// A reader gets a drop-down's title as its name and its option as its text, and hears each option the
// arrow keys choose; the window reads each title once, with its explanation only as its description.
TEST(SettingsViewKeys, ADropDownSaysItsTitleAndOptionAndEachOptionTheArrowsChoose) {
    SettingsWindow window;
    window.view.show();
    QApplication::setActiveWindow(&window.view);
    const std::vector<std::pair<QString, QString>> shown{
        {"Bot speed", "Normal"}, {"Default table", "Quick Hand"}, {"Open Chipwhistle in", "System Tray"}};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QComboBox* box = window.combo(int(i));
        SCOPED_TRACE(shown[i].first.toStdString());
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
        ASSERT_TRUE(read && read->textInterface());
        EXPECT_EQ(read->role(), QAccessible::ComboBox);
        EXPECT_EQ(read->text(QAccessible::Name), shown[i].first);
        QAccessibleTextInterface* text = read->textInterface();
        EXPECT_EQ(text->text(0, text->characterCount()), shown[i].second);

        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(text->text(0, text->characterCount()), box->currentText());
        EXPECT_EQ(window.announcer.spoken().value(window.announcer.spoken().size() - 1), box->currentText());
        QTest::keyClick(box, Qt::Key_Up);
        EXPECT_EQ(window.announcer.spoken().value(window.announcer.spoken().size() - 1), shown[i].second);
    }
    EXPECT_EQ(window.state.profile().settings.botSpeed, BotSpeed::normal);

    // A line a control speaks as its description is not read a second time as a loose label.
    int described = 0;
    for (QWidget* control : window.view.findChildren<QWidget*>()) {
        if (control->accessibleDescription().isEmpty() || control->focusPolicy() == Qt::NoFocus)
            continue;
        for (QLabel* line : window.view.findChildren<QLabel*>())
            if (line->text() == control->accessibleDescription()) {
                ++described;
                EXPECT_TRUE(QAccessible::queryAccessibleInterface(line)->state().invisible)
                    << line->text().toStdString();
            }
    }
    EXPECT_GE(described, 6);
}
