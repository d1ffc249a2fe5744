// What software centres, menus and Debian's tools read about the game: the AppStream description and
// the desktop entry it names must agree and pass the validators Debian ships (skipped, saying so,
// without them), and the copyright file must be in Debian's machine-readable form.
#include "Support/TestPaths.h"

#include <QDir>
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
    // Started by its whole path in the games folder, where Debian's policy puts a game's program and
    // where no PATH needs to lead.
    QSettings entry(resources + "/" + launchable.captured(1), QSettings::IniFormat);
    EXPECT_EQ(entry.value("Desktop Entry/Exec").toString().toStdString(),
              ("/usr/games/" + binary.captured(1)).toStdString());
}

// The package's copyright file in Debian's machine-readable form: a header naming the format, then
// paragraphs whose file patterns match files of the source tree, each with a copyright and a licence
// whose terms are written out.
TEST(DesktopFiles, TheCopyrightFileIsMachineReadable) {
    const QString text = readAll(resources + "/copyright");
    ASSERT_FALSE(text.isEmpty()) << "no copyright file";
    QList<QMap<QString, QString>> paragraphs;
    for (const QString& block : text.split(QRegularExpression("\n\\s*\n"), Qt::SkipEmptyParts)) {
        QMap<QString, QString> fields;
        QString last;
        for (const QString& line : block.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(' ')) {
                ASSERT_FALSE(last.isEmpty()) << "a continuation line with no field: " << line.toStdString();
                fields[last] += '\n' + line.mid(1);
                continue;
            }
            const qsizetype colon = line.indexOf(':');
            ASSERT_GT(colon, 0) << "not a field: " << line.toStdString();
            last = line.left(colon);
            fields[last] = line.mid(colon + 1).trimmed();
        }
        paragraphs << fields;
    }
    ASSERT_GE(paragraphs.size(), 2);
    EXPECT_EQ(paragraphs.front().value("Format"),
              "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/");
    EXPECT_EQ(paragraphs[1].value("Files"), "*") << "the first files paragraph covers every file";
    const QDir source(TestPaths::sourceFolder());
    for (const auto& paragraph : paragraphs.mid(1)) {
        ASSERT_TRUE(paragraph.contains("Files")) << "a files paragraph follows the header";
        EXPECT_FALSE(paragraph.value("Copyright").isEmpty());
        const QStringList licence = paragraph.value("License").split('\n');
        EXPECT_FALSE(licence.front().isEmpty()) << "a licence's short name";
        EXPECT_GT(licence.size(), 1) << "the terms of " << licence.front().toStdString();
        for (const QString& pattern : paragraph.value("Files").split(' ', Qt::SkipEmptyParts))
            EXPECT_TRUE(pattern == "*" || source.exists(pattern)) << pattern.toStdString();
    }
}
