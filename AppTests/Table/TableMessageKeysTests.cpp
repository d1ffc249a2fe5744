// Return and Escape on the messages in the action bar's place, typed as a player types them: into
// whatever holds the keyboard in the window, through the window's shortcuts.
#include "TableScreenHarness.h"

#include "Game/BotSeating.h"
#include "PokerEngine/HandEvent.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Table/ActionMessage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The action log or the guide beside the table, holding the keyboard.
struct WindowBeside {
    QWidget window;
    QListWidget* log = new QListWidget(&window);

    explicit WindowBeside(QWidget* content) {
        auto* row = new QHBoxLayout(&window);
        row->addWidget(content);
        row->addWidget(log);
        window.resize(900, 600);
        window.show();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
        QApplication::processEvents();
    }
};

void type(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

// A key held down: the repeat the desktop sends after the first press.
void typeRepeated(Qt::Key key) {
    qt_sendShortcutOverrideEvent(QApplication::focusWidget(), 0, key, Qt::NoModifier, QString(), true);
}

int heroActions(const PokerEngine::PlayerView& view) {
    int acted = 0;
    for (const auto& event : view.log)
        if (const auto* action = event.as<PokerEngine::HandEvent::Acted>())
            acted += action->seat == view.seatIndex ? 1 : 0;
    return acted;
}

} // namespace

TEST(TableMessageKeys, ReturnAndEscapeReachTheMessageWhereverTheKeysAre) {
    int primary = 0;
    int secondary = 0;
    auto* message = new ActionMessage(
        TableTheme::standard(), "Leave mid-hand?", QString("You forfeit your stack"), "Leave",
        ControlKind::danger(), ActionMessage::Secondary{QStringLiteral("Keep Playing"), [&] { ++secondary; }},
        [&] { ++primary; }, nullptr);
    WindowBeside beside(message);
    beside.log->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), beside.log);
    type(Qt::Key_Escape);
    EXPECT_EQ(secondary, 1);
    type(Qt::Key_Return);
    type(Qt::Key_Enter);
    EXPECT_EQ(primary, 2);
    // A held key is one press.
    typeRepeated(Qt::Key_Return);
    typeRepeated(Qt::Key_Escape);
    EXPECT_EQ(primary, 2);
    EXPECT_EQ(secondary, 1);
    // Tabbed onto "Keep Playing", Return presses that button, as Space does.
    message->secondaryButton()->setFocus(Qt::TabFocusReason);
    type(Qt::Key_Return);
    EXPECT_EQ(secondary, 2);
    EXPECT_EQ(primary, 2);
}

TEST(TableMessageKeys, ReturnResumesAPausedTableWithTheKeysOnTheTable) {
    TableScreenHarness table;
    table.activate();
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 8, 2)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    ASSERT_EQ(QApplication::focusWidget(), table.screen.get());
    type(Qt::Key_P);
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::paused);
    type(Qt::Key_Return);
    EXPECT_FALSE(controller.pauseReasons().contains(PauseReason::user));
}

TEST(TableMessageKeys, ReturnsPressedThroughTheNarrationDoNotBetWhenTheControlsAppear) {
    TableScreenHarness table;
    table.activate();
    auto& controller = table.game.controller;
    table.startPractice();
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::practiceCaption);
    // A player hurrying through: Return ten times a second until the controls come up, and a few times
    // more before the eye has caught up with them.
    int afterControls = 0;
    for (int press = 0; press < 200 && afterControls < 3; ++press) {
        type(Qt::Key_Return);
        table.game.scheduler.advance(std::chrono::milliseconds(100));
        afterControls += table.screen->bottomRow() == BottomRow::actionBar ? 1 : 0;
    }
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::actionBar);
    ASSERT_TRUE(controller.view()->legalActions);
    EXPECT_EQ(heroActions(*controller.view()), 0);
    // Held down, the key repeats and still bets nothing.
    table.game.scheduler.advance(std::chrono::seconds(1));
    typeRepeated(Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(table.screen.get(), &repeat);
    EXPECT_EQ(heroActions(*controller.view()), 0);
    // Once the controls have been seen, Return bets what the button shows.
    type(Qt::Key_Return);
    EXPECT_EQ(heroActions(*controller.view()), 1);
}
