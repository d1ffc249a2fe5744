#include "System/HeapTrim.h"

#include "Game/ControllerHarness.h"
#include "Game/GameSetup.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

TEST(HeapTrim, MemoryFreedDuringAHandGoesBackToTheSystemWhenItsResultShows) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed memory in its own quarantine";
#endif
    ControllerHarness harness;
    QObject context;
    HeapTrim::afterEachHand(harness.controller, &context);
    harness.controller.start(
        GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), 20261208, 3}));

    // 32 MB in small blocks, freed beneath one still in use, as a frame's art is freed under what stays.
    constexpr std::size_t block = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks;
    for (int i = 0; i < 512; ++i) {
        blocks.emplace_back(new char[block]);
        std::memset(blocks.back().get(), 1, block);
    }
    const std::unique_ptr<char[]> stays = std::move(blocks.back());
    blocks.clear();
    const long held = residentKilobytes();

    int hands = 0;
    for (int step = 0; step < 2000 && !harness.controller.isShowingResult(); ++step)
        harness.stepOnce(checkOrCall, hands);
    ASSERT_TRUE(harness.controller.isShowingResult());
    EXPECT_LT(residentKilobytes(), held - 16 * 1024) << "resident " << held << " kB before the result";
}
