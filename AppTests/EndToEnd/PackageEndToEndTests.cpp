// The Debian package as a player gets it: made by cpack from this build, installed with apt, started
// from its desktop entry on a private display with a tray, and removed without leaving a file behind.
// It installs into the real system, so it runs only as root with dpkg and apt at hand, one run at a
// time on the machine; otherwise it skips, saying why.
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

const QString buildFolder = TestPaths::buildFolder();
const QString package = QStringLiteral("chipwhistle");

struct CommandResult {
    int exitCode = -1;
    QString output;
    bool ok() const { return exitCode == 0; }
};

CommandResult run(const QString& program, const QStringList& arguments, int timeoutMs = 300000) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DEBIAN_FRONTEND", "noninteractive");
    process.setProcessEnvironment(environment);
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
    if (geteuid() != 0) {
        return "installing a package needs root";
    }
    for (const char* tool : {"dpkg", "dpkg-deb", "dpkg-shlibdeps", "apt-get", "cpack", "file"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            return QStringLiteral("%1 is not installed").arg(tool);
        }
    }
    if (!QFile::exists(buildFolder + "/CPackConfig.cmake")) {
        return "this build has no package configuration";
    }
    return {};
}

// The command line a desktop runs for an entry, without the field codes it would fill in.
QStringList execLine(const QString& desktopFile) {
    QSettings entry(desktopFile, QSettings::IniFormat);
    QString exec = entry.value("Desktop Entry/Exec").toString();
    exec.remove(QRegularExpression("\\s%[fFuUick]"));
    return QProcess::splitCommand(exec);
}

using DebianPackage = DesktopTest;

TEST_F(DebianPackage, InstallsStartsFromItsDesktopEntryAndUninstallsCleanly) {
    if (const QString why = whyPackagingCannotRun(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    // Builds of other checkouts on this machine install the same package: one at a time.
    QLockFile machineWide(QDir::tempPath() + "/chipwhistle-package-test.lock");
    machineWide.setStaleLockTime(0);
    ASSERT_TRUE(machineWide.tryLock(15 * 60 * 1000));
    if (installed()) {
        GTEST_SKIP() << "a chipwhistle package is already installed here; it is left alone";
    }

    // Packed quickly: this test needs the package, not the smallest one.
    QTemporaryDir output;
    const CommandResult packed =
        run("cpack", {"-G", "DEB", "--config", buildFolder + "/CPackConfig.cmake", "-B", output.path(), "-D",
                      "CPACK_DEBIAN_COMPRESSION_TYPE=gzip"});
    ASSERT_TRUE(packed.ok()) << packed.output.toStdString();
    const QStringList debs = QDir(output.path()).entryList({"*.deb"});
    ASSERT_EQ(debs.size(), 1) << packed.output.toStdString();
    const QString deb = output.path() + "/" + debs.first();

    // Debian's own check of a package finds no fault in it (skipped where it is not installed).
    if (!QStandardPaths::findExecutable("lintian").isEmpty()) {
        const CommandResult checked = run("lintian", {"--fail-on", "error", deb});
        EXPECT_TRUE(checked.ok()) << checked.output.toStdString();
    }

    const QString depends = run("dpkg-deb", {"-f", deb, "Depends"}).output;
    for (const char* library :
         {"libc6", "libqt6core6", "libqt6widgets6", "libqt6multimedia6", "libxcb1", "fonts-lato"}) {
        EXPECT_TRUE(depends.contains(library)) << "Depends: " << depends.toStdString();
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
