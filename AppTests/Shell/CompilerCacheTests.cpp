// The compiler cache every build goes through, as the build description sets it up: the user's own
// ccache settings are left alone, a build without debug information reuses what a build in another
// folder compiled, and an object with debug information names the folder of its own build, so a
// debugger opens that clone's sources. Each case configures the checkout in two scratch build folders
// and compiles one object in each, through a private cache of its own; it skips where a tool is missing.
#include "Support/TestPaths.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Ran {
    bool ok = false;
    QString output;
};

Ran run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Ran ran;
    if (!process.waitForStarted(10000) || !process.waitForFinished(600000)) {
        ran.output = program + " did not finish";
        return ran;
    }
    ran.output = QString::fromLocal8Bit(process.readAll());
    ran.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ran;
}

// A shell with no ccache setting of its own and an empty cache with no configuration: whatever the
// compile is told comes from the build description.
QProcessEnvironment privateCache(const QString& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
        if (name.startsWith("CCACHE_")) {
            environment.remove(name);
        }
    }
    environment.remove("CMAKE_CXX_COMPILER_LAUNCHER");
    environment.insert("CCACHE_DIR", folder + "/cache");
    environment.insert("CCACHE_CONFIGPATH", folder + "/ccache.conf");
    return environment;
}

// The folder the debug information of `object` says it was compiled in.
QString compiledIn(const QString& object, const QProcessEnvironment& environment) {
    const Ran dump = run("readelf", {"--debug-dump=info", object}, environment);
    const QRegularExpressionMatch match =
        QRegularExpression("DW_AT_comp_dir\\s*:.*?(/\\S+)\\s*$", QRegularExpression::MultilineOption)
            .match(dump.output);
    return match.hasMatch() ? match.captured(1) : QString();
}

int cacheHits(const QProcessEnvironment& environment) {
    const QRegularExpressionMatch match =
        QRegularExpression("^direct_cache_hit\\t(\\d+)$", QRegularExpression::MultilineOption)
            .match(run("ccache", {"--print-stats"}, environment).output);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

struct BuildKind {
    const char* buildType;
    bool debugInformation;
};

} // namespace

TEST(CompilerCache, KeepsTheUsersSettingsAndEachDebugBuildsOwnSources) {
    for (const char* tool : {"cmake", "ninja", "ccache", "readelf"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            GTEST_SKIP() << tool << " is not installed";
        }
    }
    for (const BuildKind kind :
         {BuildKind{"Debug", true}, BuildKind{"RelWithDebInfo", true}, BuildKind{"Release", false}}) {
        SCOPED_TRACE(kind.buildType);
        // Inside the checkout, as a clone's build folder is: what the compile hashes of the paths is
        // then the same from both, and only the build's own folder tells them apart.
        QDir().mkpath(TestPaths::sourceFolder() + "/build");
        QTemporaryDir scratch(TestPaths::sourceFolder() + "/build/compiler-cache-XXXXXX");
        ASSERT_TRUE(scratch.isValid());
        const QProcessEnvironment environment = privateCache(scratch.path());
        // The shell that configures asks for a cache size of its own, as a user's might.
        QProcessEnvironment configuring = environment;
        configuring.insert("CCACHE_MAXSIZE", "1G");
        const QString first = scratch.path() + "/first";
        const QString second = scratch.path() + "/second";
        for (const QString& build : {first, second}) {
            const Ran configured =
                run("cmake",
                    {"-S", TestPaths::sourceFolder(), "-B", build, "-G", "Ninja",
                     QStringLiteral("-DCMAKE_BUILD_TYPE=") + kind.buildType, "-DCHIPWHISTLE_LTO=OFF"},
                    configuring);
            ASSERT_TRUE(configured.ok) << configured.output.toStdString();
        }
        const QStringList objects =
            run("ninja", {"-C", first, "-t", "targets", "all"}, environment)
                .output.split('\n')
                .filter(QRegularExpression("^Packages/PokerEngine/CMakeFiles/\\S+\\.o:"));
        ASSERT_FALSE(objects.isEmpty());
        const QString object = objects.first().section(':', 0, 0);

        // The compile is told nothing but where the checkout is.
        const QStringList steps = run("ninja", {"-C", first, "-t", "commands", object}, environment)
                                      .output.split('\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(steps.isEmpty());
        const QString command = steps.last();
        EXPECT_TRUE(command.contains("ccache")) << command.toStdString();
        EXPECT_TRUE(command.contains("CCACHE_BASEDIR=" + TestPaths::sourceFolder())) << command.toStdString();
        EXPECT_FALSE(command.contains("CCACHE_MAXSIZE")) << command.toStdString();
        EXPECT_FALSE(command.contains("CCACHE_NOHASHDIR")) << command.toStdString();

        for (const QString& build : {first, second}) {
            const Ran compiled = run("ninja", {"-C", build, object}, environment);
            ASSERT_TRUE(compiled.ok) << compiled.output.toStdString();
        }
        if (kind.debugInformation) {
            EXPECT_EQ(compiledIn(second + "/" + object, environment).toStdString(),
                      QDir(second).canonicalPath().toStdString());
            EXPECT_EQ(cacheHits(environment), 0);
        } else {
            EXPECT_EQ(cacheHits(environment), 1);
        }
    }
}
