// A saved game that could not be resumed is set aside at start-up; the lobby tells the player once,
// naming where the file was kept.
#include "AppState.h"
#include "Game/BotSeating.h"
#include "Game/ControllerHarness.h"
#include "Game/DecisionRunner.h"
#include "Game/GameClock.h"
#include "GameController.h"
#include "Persistence/PersistenceTestSupport.h"
#include "Scheduler.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Home/HomeModel.h"
#include "Views/Home/HomePieces.h"
#include "Views/Home/HomeView.h"
#include "Views/Home/LobbyText.h"

#include "BotKit/TieredBot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Support/WidgetEvents.h"

#include <gtest/gtest.h>

namespace {

// A data folder whose saved game is cut short, so it can't be read.
QString folderWithADamagedSave(const QTemporaryDir& temporary) {
    const QString folder = temporary.filePath("Chipwhistle");
    QDir().mkpath(folder);
    QFile damaged(QDir(folder).filePath("savedgame.json"));
    damaged.open(QIODevice::WriteOnly);
    damaged.write(R"({"schemaVersion": 1, "state": )");
    return folder;
}

struct SetAsideLobby {
    explicit SetAsideLobby(const QString& folder)
        : clock(scheduler, [] { return AppState::systemNow(); })
        , state(PersistenceStore(folder))
        , controller(clock, std::make_shared<BotKit::TieredBot>(),
                     std::make_unique<ImmediateDecisionRunner>())
        , home(state, controller) {
        controller.setSession(&state);
    }
    ManualScheduler scheduler;
    SchedulerGameClock clock;
    AppState state;
    GameController controller;
    HomeModel home;
};

// A data folder whose saved game stopped the game at the last resume, and whose next resume stops
// it again.
QString folderWithASaveThatStoppedTwoResumes(const QTemporaryDir& temporary) {
    const QString folder = temporary.filePath("Chipwhistle");
    {
        SetAsideLobby lobby(folder);
        lobby.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 7, 3)));
    }
    const PersistenceStore store(folder);
    store.markResuming({store.savedGameDigest(), AppState::resumeStopsBeforeSetAside - 1});
    return folder;
}

// A data folder whose profile booked the first hand of a three-hand series while its save still
// stood at that hand's first deal: every later save of the hand failed, and the game stopped.
QString folderWithASaveBehindItsBooking(const QTemporaryDir& temporary) {
    const QString folder = temporary.filePath("Chipwhistle");
    const QString save = QDir(folder).filePath("savedgame.json");
    QByteArray unfinished;
    {
        AppState state{PersistenceStore(folder)};
        ControllerHarness harness;
        harness.controller.setSession(&state);
        harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 7, 3)));
        unfinished = readBytes(save);
        int hands = 0;
        while (!harness.controller.isShowingResult() && harness.stepOnce(checkOrCall, hands)) {
        }
        EXPECT_EQ(state.profile().counters.handsPlayed, 1);
    }
    writeBytes(save, unfinished);
    return folder;
}

TEST(SetAsideNotice, TheLobbyTellsOnceWhyTheSaveWasSetAsideAndWhereItWasKept) {
    struct Case {
        const char* name;
        QString (*folder)(const QTemporaryDir&);
        QString why;
        bool kept;
    };
    const std::vector<Case> cases = {
        {"damaged", folderWithADamagedSave, "It was damaged, so it was set aside. ", true},
        // Not blamed on the save: two power cuts in a row would do the same.
        {"stopped twice", folderWithASaveThatStoppedTwoResumes,
         "Chipwhistle stopped twice while resuming this table, so it was set aside. ", true},
        {"behind its booking", folderWithASaveBehindItsBooking,
         "Chipwhistle stopped after your last hand at this table was counted but before the table was "
         "saved, so the table was closed. That hand counts once.",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir temporary;
        SetAsideLobby lobby(c.folder(temporary));
        ASSERT_FALSE(lobby.state.savedGame());
        ASSERT_TRUE(lobby.state.untoldSetAsideSave());
        const QString keptAt = lobby.state.untoldSetAsideSave()->keptAt;
        EXPECT_EQ(QFile::exists(keptAt), c.kept);

        lobby.home.appeared();
        ASSERT_TRUE(lobby.home.notice());
        const auto* told = lobby.home.notice()->asSaveSetAside();
        ASSERT_TRUE(told);
        EXPECT_EQ(told->keptAt, keptAt);
        EXPECT_EQ(LobbyText::noticeTitle(*lobby.home.notice(), std::nullopt),
                  "Your saved game couldn't be resumed");
        EXPECT_EQ(LobbyText::noticeMessage(*lobby.home.notice(), std::nullopt, 0),
                  c.kept ? c.why + "The file is kept at " + keptAt + "." : c.why);

        lobby.home.dismissNotice();
        lobby.home.appeared();
        EXPECT_FALSE(lobby.home.notice()) << "told once";
    }
}

TEST(SetAsideNotice, TheLobbyOnScreenShowsItWithAnOKButton) {
    for (const bool dark : {false, true}) {
        QTemporaryDir temporary;
        SetAsideLobby lobby(folderWithADamagedSave(temporary));
        const WidgetEvents::DesktopAppearance desktop(dark);
        HomeView view(AppEnvironment{&lobby.state, &lobby.controller}, TableSurface::popover,
                      TableTheme::drawnIn(TableStyleID::satin, TableSurface::popover, 2,
                                          AppearanceFlags{dark, false, false}));
        double now = 0;
        view.clock().setTimeSource([&now] { return now; });
        view.resize(420, 560);
        view.show();
        now = 100;
        emit view.clock().ticked();
        ASSERT_TRUE(view.noticePanel());
        EXPECT_TRUE(view.noticePanel()->accessibleName().contains("couldn't be resumed"));
        EXPECT_EQ(view.noticePanel()->dismissButton()->text(), "OK");
        ASSERT_TRUE(view.grab().save(
            WidgetEvents::galleryFolder("home") +
            (dark ? "/notice-save-set-aside-dark.png" : "/notice-save-set-aside-light.png")));
        EXPECT_FALSE(lobby.state.untoldSetAsideSave()) << "told";
    }
}

TEST(SetAsideNotice, APathInTheHomeFolderIsWrittenFromTilde) {
    const QString keptAt =
        QDir::homePath() + "/.local/share/Chipwhistle/savedgame.unreadable-2026-03-14T093005.json";
    const QString message = LobbyText::noticeMessage(HomeNotice::saveSetAside(keptAt), std::nullopt, 0);
    EXPECT_TRUE(message.contains(" ~/.local/share/Chipwhistle/savedgame.unreadable-2026-03-14T093005.json."))
        << message.toStdString();
}

TEST(SetAsideNotice, NothingIsToldWhenNothingWasSetAside) {
    QTemporaryDir temporary;
    SetAsideLobby lobby(temporary.filePath("Chipwhistle"));
    lobby.home.appeared();
    EXPECT_FALSE(lobby.home.notice());
}

} // namespace
