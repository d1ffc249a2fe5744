// What software centres and menus read about the game: the AppStream description and the desktop
// entry it names must agree and pass the validators Debian ships; skipped, saying so, without them.
#include "Support/TestPaths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString resources = TestPaths::sourceFolder() + QStringLiteral("/App/Resources");
const QString metainfo = resources + "/org.chipwhistle.Chipwhistle.metainfo.xml";

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QFile::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(DesktopFiles, TheAppStreamDescriptionValidates) {
    if (QStandardPaths::findExecutable("appstreamcli").isEmpty()) {
        GTEST_SKIP() << "appstreamcli is not installed";
    }
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start("appstreamcli", {"validate", "--no-net", metainfo});
    ASSERT_TRUE(validate.waitForFinished(60000));
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
}

TEST(DesktopFiles, TheDescriptionLaunchesTheInstalledDesktopEntry) {
    const QString text = readAll(metainfo);
    const QRegularExpressionMatch launchable =
        QRegularExpression("<launchable type=\"desktop-id\">([^<]+)</launchable>").match(text);
    ASSERT_TRUE(launchable.hasMatch());
    EXPECT_TRUE(QFile::exists(resources + "/" + launchable.captured(1)))
        << launchable.captured(1).toStdString();
    const QRegularExpressionMatch binary = QRegularExpression("<binary>([^<]+)</binary>").match(text);
    ASSERT_TRUE(binary.hasMatch());
    QSettings entry(resources + "/" + launchable.captured(1), QSettings::IniFormat);
    EXPECT_EQ(entry.value("Desktop Entry/Exec").toString(), binary.captured(1));
}
