#include "FakeAudioOutput.h"

#include "Sound/Playback/SoundPrewarmer.h"
#include "Sound/TestHost.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace {

class SoundPrewarmerTest : public ::testing::Test {
  protected:
    ManualScheduler scheduler;
    FakeAudioDevice device;
    SoundPlayer player{scheduler, device.factory()};
    bool testHost = false;
    SoundPrewarmer prewarmer{scheduler, player, [this] { return testHost; }};
};

} // namespace

TEST_F(SoundPrewarmerTest, WarmsTheChosenStyleUpAfterFourHundredMilliseconds) {
    player.setSurfaceVisible(true);
    prewarmer.setKey({true, TableStyleID::satin});
    scheduler.advance(399ms);
    EXPECT_EQ(player.cachedBufferCount(), 0u);
    scheduler.advance(1ms);
    EXPECT_EQ(player.cachedBufferCount(), 13u);
    EXPECT_NE(player.cachedBuffer(SoundEvent::checkKnock, TableStyleID::satin, 0), nullptr);
    EXPECT_TRUE(device.running);
}

TEST_F(SoundPrewarmerTest, AStyleThatIsNotOfferedWarmsUpSatin) {
    prewarmer.setKey({true, TableStyleID::pixel});
    scheduler.advance(400ms);
    EXPECT_NE(player.cachedBuffer(SoundEvent::cardDeal, TableStyleID::satin, 3), nullptr);
    EXPECT_EQ(player.cachedBuffer(SoundEvent::cardDeal, TableStyleID::pixel, 3), nullptr);
}

TEST_F(SoundPrewarmerTest, WithSoundsOffTheOutputIsNeverTouched) {
    player.setSurfaceVisible(true);
    prewarmer.setKey({false, TableStyleID::satin});
    scheduler.runUntilIdle();
    EXPECT_EQ(device.made, 0);
    EXPECT_EQ(player.cachedBufferCount(), 0u);
}

TEST_F(SoundPrewarmerTest, ATestHostWithoutInterfaceWarmsNothingUp) {
    testHost = true;
    player.setSurfaceVisible(true);
    prewarmer.setKey({true, TableStyleID::satin});
    scheduler.runUntilIdle();
    EXPECT_EQ(device.made, 0);
    EXPECT_EQ(player.cachedBufferCount(), 0u);
}

TEST_F(SoundPrewarmerTest, ANewKeyCancelsTheWarmUpUnderWayAndTheSameKeyDoesNotRestartIt) {
    prewarmer.setKey({true, TableStyleID::satin});
    scheduler.advance(300ms);
    prewarmer.setKey({false, TableStyleID::satin});
    scheduler.runUntilIdle();
    EXPECT_EQ(player.cachedBufferCount(), 0u);

    prewarmer.setKey({true, TableStyleID::satin});
    scheduler.advance(300ms);
    prewarmer.setKey({true, TableStyleID::satin});
    scheduler.advance(100ms);
    EXPECT_EQ(player.cachedBufferCount(), 13u);
}

TEST(TestHost, OnlyATestHostWithoutTheSmokeFlagCounts) {
    const QByteArray savedHost = qgetenv("XCTestConfigurationFilePath");
    const QByteArray savedSmoke = qgetenv("CHIPWHISTLE_UI_SMOKE");
    qunsetenv("XCTestConfigurationFilePath");
    qunsetenv("CHIPWHISTLE_UI_SMOKE");
    EXPECT_FALSE(isTestHostWithoutUI());
    qputenv("XCTestConfigurationFilePath", "");
    EXPECT_TRUE(isTestHostWithoutUI());
    qputenv("CHIPWHISTLE_UI_SMOKE", "1");
    EXPECT_FALSE(isTestHostWithoutUI());
    qputenv("CHIPWHISTLE_UI_SMOKE", "yes");
    EXPECT_TRUE(isTestHostWithoutUI());
    qunsetenv("XCTestConfigurationFilePath");
    qunsetenv("CHIPWHISTLE_UI_SMOKE");
    if (!savedHost.isNull()) {
        qputenv("XCTestConfigurationFilePath", savedHost);
    }
    if (!savedSmoke.isNull()) {
        qputenv("CHIPWHISTLE_UI_SMOKE", savedSmoke);
    }
}
