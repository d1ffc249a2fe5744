// The Debian package as a newcomer makes it and a player gets it: the README's own commands, run word
// for word in a fresh clone of this checkout, make it; it is checked, installed with apt, started from
// its desktop entry on a private display with a tray, and removed without leaving a file behind.
// Making it needs the build tools scripts/bootstrap installs; installing it into the real system needs
// root with dpkg and apt at hand, one run at a time on the machine. Otherwise it skips, saying why.
#include "Desktop.h"
#include "Sound/Playback/AudioModule.h"
#include "Sound/SoundMixer.h"
#include "Support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString package = QStringLiteral("chipwhistle");

struct CommandResult {
    int exitCode = -1;
    QString output;
    bool ok() const { return exitCode == 0; }
};

// Where and how a command runs, when not in the test's own folder and environment.
struct CommandPlace {
    QString folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Run at the lowest priority, so the desktop tests running beside it keep their pace.
    bool yielding = false;
};

CommandResult run(const QString& program, const QStringList& arguments, int timeoutMs = 300000,
                  CommandPlace place = {}) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    place.environment.insert("DEBIAN_FRONTEND", "noninteractive");
    process.setProcessEnvironment(place.environment);
    process.setWorkingDirectory(place.folder);
    if (place.yielding) {
        process.setChildProcessModifier([] { (void)!nice(19); });
    }
    process.start(program, arguments);
    CommandResult result;
    if (!process.waitForStarted(10000)) {
        result.output = program + " did not start";
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.output = QString::fromLocal8Bit(process.readAll());
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

bool installed() {
    return run("dpkg-query", {"-W", "-f=${Status}", package}).output.contains("install ok installed");
}

QString whyPackagingCannotRun() {
#ifdef NDEBUG
    // Both test builds would make the same package from the same commit: the sanitized one does.
    return "the package is made and checked by the sanitized build's tests";
#endif
    for (const char* tool :
         {"git", "cmake", "ninja", "ccache", "cpack", "dpkg-deb", "dpkg-shlibdeps", "file"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            return QStringLiteral("%1 is not installed").arg(tool);
        }
    }
    if (!run("git", {"-C", TestPaths::sourceFolder(), "rev-parse", "HEAD"}).ok()) {
        return "the checkout is not a git repository";
    }
    return {};
}

QString whyInstallingCannotRun() {
    if (geteuid() != 0) {
        return "installing a package needs root";
    }
    for (const char* tool : {"dpkg", "apt-get", "apropos"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            return QStringLiteral("%1 is not installed").arg(tool);
        }
    }
    return {};
}

// The README section's commands, as a newcomer copies them: its indented lines.
QStringList readmeCommands(const QString& readme, const QString& section) {
    const qsizetype start = readme.indexOf("\n## " + section + "\n");
    if (start < 0) {
        return {};
    }
    const qsizetype end = readme.indexOf("\n## ", start + 1);
    QStringList commands;
    for (const QString& line : readme.mid(start, end < 0 ? -1 : end - start).split('\n')) {
        if (line.startsWith("    ")) {
            commands.append(line.mid(4));
        }
    }
    return commands;
}

// The command line a desktop runs for an entry, without the field codes it would fill in.
QStringList execLine(const QString& desktopFile) {
    QSettings entry(desktopFile, QSettings::IniFormat);
    QString exec = entry.value("Desktop Entry/Exec").toString();
    exec.remove(QRegularExpression("\\s%[fFuUick]"));
    return QProcess::splitCommand(exec);
}

using DebianPackage = DesktopTest;

TEST_F(DebianPackage, TheReadmesCommandsMakeOneThatInstallsStartsAndUninstallsCleanly) {
    if (const QString why = whyPackagingCannotRun(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    // What is committed, in a folder of its own, as a newcomer gets it.
    QTemporaryDir clones;
    const QString clone = clones.path() + "/chipwhistle";
    const CommandResult cloned = run("git", {"clone", "--quiet", TestPaths::sourceFolder(), clone});
    ASSERT_TRUE(cloned.ok()) << cloned.output.toStdString();
    QFile readmeFile(clone + "/README.md");
    ASSERT_TRUE(readmeFile.open(QIODevice::ReadOnly));
    const QString readme = QString::fromUtf8(readmeFile.readAll());
    const QStringList commands = readmeCommands(readme, "Debian package");
    ASSERT_FALSE(commands.isEmpty()) << "the README shows no commands under \"Debian package\"";
    // A newcomer's shell has none of the settings that let clones share the compiler cache.
    CommandPlace newcomer{clone};
    newcomer.environment.remove("CCACHE_BASEDIR");
    newcomer.environment.remove("CCACHE_NOHASHDIR");
    newcomer.yielding = true;
    const CommandResult made = run("bash", {"-e", "-c", commands.join('\n')}, 35 * 60 * 1000, newcomer);
    ASSERT_TRUE(made.ok()) << commands.join('\n').toStdString() << "\n"
                           << made.output.right(8000).toStdString();
    const QRegularExpressionMatch written = QRegularExpression("writes `([^`]+\\.deb)`").match(readme);
    ASSERT_TRUE(written.hasMatch()) << "the README does not say where the package is written";
    const QString deb = clone + "/" + written.captured(1);
    ASSERT_TRUE(QFile::exists(deb)) << deb.toStdString() << " is not there:\n"
                                    << made.output.right(8000).toStdString();

    // As the README says of every build: each file compiled through ccache, the game linked with mold.
    const QString release = QFileInfo(deb).path();
    const QStringList steps = run("ninja", {"-C", release, "-t", "commands", "App/chipwhistle"})
                                  .output.split('\n', Qt::SkipEmptyParts);
    const QStringList uncached = steps.filter(QRegularExpression("^(?!.*ccache).* -c "));
    EXPECT_TRUE(uncached.isEmpty()) << uncached.size() << " compiled without ccache, such as "
                                    << uncached.value(0).toStdString();
    ASSERT_FALSE(steps.isEmpty());
    EXPECT_TRUE(steps.last().contains("-fuse-ld=mold")) << steps.last().toStdString();

    // Debian's own check of a package finds no fault in it, its manual page included (skipped where
    // it is not installed).
    if (!QStandardPaths::findExecutable("lintian").isEmpty()) {
        const CommandResult checked = run("lintian", {"--fail-on", "error,warning", deb});
        EXPECT_TRUE(checked.ok()) << checked.output.toStdString();
    }

    const QString depends = run("dpkg-deb", {"-f", deb, "Depends"}).output;
    for (const char* library :
         {"libc6", "libqt6core6", "libqt6widgets6", "libqt6multimedia6", "libxcb1", "fonts-lato"}) {
        EXPECT_TRUE(depends.contains(library)) << "Depends: " << depends.toStdString();
    }

    if (const QString why = whyInstallingCannotRun(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    // Builds of other checkouts on this machine install the same package: one at a time.
    QLockFile machineWide(QDir::tempPath() + "/chipwhistle-package-test.lock");
    machineWide.setStaleLockTime(0);
    ASSERT_TRUE(machineWide.tryLock(15 * 60 * 1000));
    if (installed()) {
        GTEST_SKIP() << "a chipwhistle package is already installed here; it is left alone";
    }
    const CommandResult install = run(
        "apt-get", {"install", "-y", "-qq", "--no-install-recommends", "-o", "DPkg::Lock::Timeout=600", deb});
    // Whatever happens from here, the machine gets its state back.
    struct Purge {
        ~Purge() {
            if (installed()) {
                run("apt-get", {"purge", "-y", "-qq", "-o", "DPkg::Lock::Timeout=600", package});
            }
        }
    } purge;
    ASSERT_TRUE(install.ok()) << install.output.toStdString();
    const QStringList files = run("dpkg", {"-L", package}).output.split('\n', Qt::SkipEmptyParts);

    const QString entry = "/usr/share/applications/chipwhistle.desktop";
    const QString metainfo = "/usr/share/metainfo/org.chipwhistle.Chipwhistle.metainfo.xml";
    // The program in the games folder with its manual page in the games' section, as Debian's policy
    // for games asks, and the changelog and copyright file every package carries.
    for (const QString& file :
         {QString("/usr/games/chipwhistle"), entry, metainfo,
          QString("/usr/share/icons/hicolor/scalable/apps/chipwhistle.svg"),
          QString("/usr/share/doc/chipwhistle/copyright"), QString("/usr/share/doc/chipwhistle/changelog.gz"),
          QString("/usr/share/man/man6/chipwhistle.6.gz")}) {
        EXPECT_TRUE(files.contains(file)) << file.toStdString();
    }
    // The audio module, where the installed game looks for it, loads and opens the device (or finds none).
    const QString moduleFolder = AudioModule::folders("/usr/games").last();
    EXPECT_TRUE(files.contains(moduleFolder + "/" + AudioModule::fileName)) << moduleFolder.toStdString();
    SoundMixer mixer;
    const auto soundFailure =
        AudioModule({moduleFolder})
            .makeOutput([&mixer](float* out, std::size_t frames) { mixer.render(out, frames); })
            ->start();
    EXPECT_TRUE(!soundFailure || *soundFailure == "no audio output device") << soundFailure->toStdString();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString icon = QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/chipwhistle.png").arg(size);
        EXPECT_EQ(QImage(icon).size(), QSize(size, size)) << icon.toStdString();
    }
    if (!QStandardPaths::findExecutable("appstreamcli").isEmpty()) {
        const CommandResult validated = run("appstreamcli", {"validate", "--no-net", metainfo});
        EXPECT_TRUE(validated.ok()) << validated.output.toStdString();
    }

    // A player looking for a poker game among the manual pages finds it.
    const CommandResult found = run("apropos", {"poker"});
    EXPECT_TRUE(found.output.contains("chipwhistle (6)")) << found.output.toStdString();

    const QStringList command = execLine(entry);
    ASSERT_FALSE(command.isEmpty());
    EXPECT_EQ(QStandardPaths::findExecutable(command.first()), "/usr/games/chipwhistle");
    QProcess game;
    game.setProcessEnvironment(gameEnvironment(*desktop, home.path()));
    game.setProcessChannelMode(QProcess::MergedChannels);
    game.start(command.first(), command.mid(1));
    ASSERT_TRUE(game.waitForStarted(10000));
    EXPECT_TRUE(waitUntil([] { return desktop->trayIcon().has_value(); }, 30000))
        << "the installed game shows no tray icon: " << QString::fromLocal8Bit(game.readAll()).toStdString();
    EXPECT_EQ(game.state(), QProcess::Running);
    game.terminate();
    if (!game.waitForFinished(5000)) {
        game.kill();
        game.waitForFinished(5000);
    }

    const CommandResult removed =
        run("apt-get", {"purge", "-y", "-qq", "-o", "DPkg::Lock::Timeout=600", package});
    ASSERT_TRUE(removed.ok()) << removed.output.toStdString();
    EXPECT_FALSE(installed());
    for (const QString& file : files) {
        // Folders such as /usr/share/icons stay for the other packages that fill them.
        if (!QFileInfo(file).isDir()) {
            EXPECT_FALSE(QFile::exists(file)) << file.toStdString() << " is left behind";
        }
    }
}

} // namespace
