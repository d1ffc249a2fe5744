// Writes the saved games the game itself makes while playing, one file each, into the folder given:
// the resume fuzzer's seed corpus.
#include "ResumeProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "couldn't create %s\n", argv[1]);
        return 1;
    }
    const auto seeds = ResumeProbe::seedSaves();
    for (std::size_t index = 0; index < seeds.size(); ++index) {
        QFile file(folder.filePath(QStringLiteral("save-%1.json").arg(index, 3, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(seeds[index].data(), static_cast<qint64>(seeds[index].size())) !=
                static_cast<qint64>(seeds[index].size())) {
            std::fprintf(stderr, "couldn't write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    std::printf("%zu seeds in %s\n", seeds.size(), argv[1]);
    return 0;
}
