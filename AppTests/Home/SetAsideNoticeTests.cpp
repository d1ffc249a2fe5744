// A saved game that could not be resumed is set aside at start-up; the lobby tells the player once,
// naming where the file was kept.
#include "AppState.h"
#include "Game/DecisionRunner.h"
#include "Game/GameClock.h"
#include "GameController.h"
#include "Scheduler.h"
#include "Views/Home/HomeModel.h"
#include "Views/Home/LobbyText.h"

#include "BotKit/TieredBot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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

TEST(SetAsideNotice, TheLobbyTellsOnceWhereTheUnresumableSaveWasKept) {
    QTemporaryDir temporary;
    const QString folder = temporary.filePath("Chipwhistle");
    QDir().mkpath(folder);
    QFile damaged(QDir(folder).filePath("savedgame.json"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(R"({"schemaVersion": 1, "state": )");
    damaged.close();

    SetAsideLobby lobby(folder);
    ASSERT_FALSE(lobby.state.savedGame());
    ASSERT_TRUE(lobby.state.untoldSetAsideSave());
    const QString keptAt = *lobby.state.untoldSetAsideSave();
    EXPECT_TRUE(QFile::exists(keptAt));

    lobby.home.appeared();
    ASSERT_TRUE(lobby.home.notice());
    const auto* told = lobby.home.notice()->asSaveSetAside();
    ASSERT_TRUE(told);
    EXPECT_EQ(told->keptAt, keptAt);
    EXPECT_EQ(LobbyText::noticeTitle(*lobby.home.notice(), std::nullopt),
              "Your saved game couldn't be resumed");
    EXPECT_TRUE(LobbyText::noticeMessage(*lobby.home.notice(), std::nullopt, 0).contains(keptAt));

    lobby.home.dismissNotice();
    lobby.home.appeared();
    EXPECT_FALSE(lobby.home.notice()) << "told once";
}

TEST(SetAsideNotice, NothingIsToldWhenNothingWasSetAside) {
    QTemporaryDir temporary;
    SetAsideLobby lobby(temporary.filePath("Chipwhistle"));
    lobby.home.appeared();
    EXPECT_FALSE(lobby.home.notice());
}

} // namespace
