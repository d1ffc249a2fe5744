// The autostart entry: its command runs the right program whatever its path, and it comes and goes
// with the setting.
#include "LaunchPlan.h"
#include "System/LaunchAtLogin.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(DesktopExecLine, QuotesEveryArgumentAndEscapesWhatTheFormatReserves) {
    EXPECT_EQ(desktopExecLine({"/usr/bin/chipwhistle", "--launched-at-login"}),
              R"("/usr/bin/chipwhistle" "--launched-at-login")");
    EXPECT_EQ(desktopExecLine({"/home/a b/100% poker/chipwhistle"}),
              R"("/home/a b/100%% poker/chipwhistle")");
    EXPECT_EQ(desktopExecLine({R"(/x/"q"/$HOME/`c`)"}), R"("/x/\\"q\\"/\\$HOME/\\`c\\`")");
    EXPECT_EQ(desktopExecLine({R"(/x\y)"}), R"("/x\\\\y")") << "a backslash takes four";
}

struct LoginItemTest : ::testing::Test {
    QTemporaryDir home;
    QString folder = home.path() + "/config/autostart";
    LaunchAtLogin login{folder, "/opt/my games/chipwhistle"};
};

TEST_F(LoginItemTest, StartsUnregisteredWithoutAnEntry) {
    EXPECT_EQ(login.status(), LoginItemStatus::notRegistered);
    EXPECT_EQ(login.error(), std::nullopt);
}

TEST_F(LoginItemTest, TurningItOnWritesAnEntryThatPassesTheLoginArgument) {
    int changes = 0;
    QObject::connect(&login, &LaunchAtLogin::statusChanged, [&] { ++changes; });
    login.set(true);
    EXPECT_EQ(login.status(), LoginItemStatus::enabled);
    const QString entry = read(folder + "/chipwhistle.desktop");
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/my games/chipwhistle\" \"--launched-at-login\"\n"));
    // Once the program is removed, the session skips the entry instead of starting nothing.
    EXPECT_TRUE(entry.contains("\nTryExec=/opt/my games/chipwhistle\n"));
    EXPECT_TRUE(entry.contains("\nType=Application\n"));
    login.set(true);
    EXPECT_EQ(changes, 1) << "an unchanged status notifies nobody";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"chipwhistle.desktop"}) << "no temporary left";
}

TEST_F(LoginItemTest, TurningItOffRemovesTheEntry) {
    login.set(true);
    login.set(false);
    EXPECT_EQ(login.status(), LoginItemStatus::notRegistered);
    EXPECT_FALSE(QFile::exists(folder + "/chipwhistle.desktop"));
    login.set(false);
    EXPECT_EQ(login.error(), std::nullopt);
}

TEST_F(LoginItemTest, AnEntryFoundAtStartCountsUnlessHiddenAndGainsTheTryExecItLacks) {
    const QByteArray olderEntry =
        "[Desktop Entry]\nType=Application\nExec=\"/opt/my games/chipwhistle\" \"--launched-at-login\"\n";
    struct Case {
        const char* name;
        QByteArray written;
        LoginItemStatus status;
        bool gainsTryExec;
    };
    const std::vector<Case> cases = {
        {"hidden by the desktop", "[Desktop Entry]\nType=Application\nExec=chipwhistle\nHidden=true\n",
         LoginItemStatus::notRegistered, false},
        {"an earlier version's, for this program", olderEntry, LoginItemStatus::enabled, true},
        {"an earlier version's, hidden", olderEntry + "Hidden=true\n", LoginItemStatus::notRegistered, false},
        {"someone else's command", "[Desktop Entry]\nType=Application\nExec=chipwhistle --tray\n",
         LoginItemStatus::enabled, false},
    };
    for (const Case& c : cases) {
        QDir().mkpath(folder);
        QFile file(folder + "/chipwhistle.desktop");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.written);
        file.close();
        EXPECT_EQ(LaunchAtLogin(folder, "/opt/my games/chipwhistle").status(), c.status) << c.name;
        const QString entry = read(folder + "/chipwhistle.desktop");
        EXPECT_EQ(entry.contains("\nTryExec=/opt/my games/chipwhistle\n"), c.gainsTryExec) << c.name;
        EXPECT_EQ(entry == QString::fromUtf8(c.written), !c.gainsTryExec) << c.name << ": left as it was";
    }
}

TEST_F(LoginItemTest, AFailureKeepsItsReasonUntilASuccess) {
    // A file where the folder should be: nothing can be written.
    QFile blocker(home.path() + "/config");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    login.set(true);
    ASSERT_TRUE(login.error());
    EXPECT_EQ(login.status(), LoginItemStatus::notRegistered);
    ASSERT_TRUE(QFile::remove(home.path() + "/config"));
    login.set(true);
    EXPECT_EQ(login.error(), std::nullopt);
    EXPECT_EQ(login.status(), LoginItemStatus::enabled);
}

} // namespace
