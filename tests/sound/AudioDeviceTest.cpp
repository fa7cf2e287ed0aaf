// PlaySoundA on a real SDL device: the dummy driver, which consumes samples in real time, and a
// driver that does not exist. Order and non-overlap are checked through the recorded hand-over
// times, never through how long anything took.
#include "WaveBuilder.h"

#include "platform/sound/Sound.h"
#include "platform/sound/SoundTestHook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace qby {
namespace {

using namespace std::chrono_literals;
using test::ToneOf;

constexpr DWORD kProgramFlags = SND_NODEFAULT | SND_MEMORY | SND_NOWAIT;

class AudioDevice : public ::testing::Test {
protected:
    void SetUp() override { UseDriver("dummy"); }
    void TearDown() override { UseDriver("dummy"); }
    static void UseDriver(const char* driver)
    {
        setenv("SDL_AUDIODRIVER", driver, 1);
        ResetSoundDevice();
    }
};

TEST_F(AudioDevice, ASoundIsHandedOverWholeBeforeTheCallReturns)
{
    const auto before = LastSoundPlayback();
    ASSERT_EQ(PlaySoundA(ToneOf(60), nullptr, kProgramFlags), 1);
    const SoundPlayback played = LastSoundPlayback();
    EXPECT_GT(played.sequence, before.sequence);
    EXPECT_EQ(played.duration, 60ms);
    EXPECT_LE(played.called, played.firstSampleHanded);
    EXPECT_LE(played.firstSampleHanded, played.lastSampleHanded);
    EXPECT_LE(played.lastSampleHanded, played.returned);
}

TEST_F(AudioDevice, BackToBackSoundsDoNotOverlap)
{
    ASSERT_EQ(PlaySoundA(ToneOf(40), nullptr, kProgramFlags), 1);
    const SoundPlayback first = LastSoundPlayback();
    ASSERT_EQ(PlaySoundA(ToneOf(40), nullptr, kProgramFlags), 1);
    const SoundPlayback second = LastSoundPlayback();
    EXPECT_EQ(second.sequence, first.sequence + 1);
    EXPECT_GE(second.called, first.returned);
    EXPECT_GE(second.firstSampleHanded, first.lastSampleHanded);
}

TEST_F(AudioDevice, TheDeviceStaysOpenBetweenSounds)
{
    ASSERT_EQ(PlaySoundA(ToneOf(20), nullptr, kProgramFlags), 1);
    const auto attempts = SoundDeviceOpenAttempts();
    ASSERT_EQ(PlaySoundA(ToneOf(20), nullptr, kProgramFlags), 1);
    ASSERT_EQ(PlaySoundA(ToneOf(20), nullptr, kProgramFlags), 1);
    EXPECT_EQ(SoundDeviceOpenAttempts(), attempts);
}

TEST_F(AudioDevice, AMissingOrDamagedSoundNeverOpensTheDevice)
{
    const auto attempts = SoundDeviceOpenAttempts();
    const auto before = LastSoundPlayback().sequence;
    auto image = ToneOf(20);
    image.resize(30);
    EXPECT_EQ(PlaySoundA(image, nullptr, kProgramFlags), 0);
    EXPECT_EQ(PlaySoundA(std::vector<std::uint8_t>(), nullptr, kProgramFlags), 0);
    EXPECT_EQ(SoundDeviceOpenAttempts(), attempts);
    EXPECT_EQ(LastSoundPlayback().sequence, before);
}

TEST_F(AudioDevice, WithoutADeviceEverySoundIsSilentAndTheNextOneTriesAgain)
{
    UseDriver("no-such-driver");
    const auto attempts = SoundDeviceOpenAttempts();
    const auto before = LastSoundPlayback().sequence;
    EXPECT_EQ(PlaySoundA(ToneOf(20), nullptr, kProgramFlags), 0);
    EXPECT_EQ(PlaySoundA(ToneOf(20), nullptr, kProgramFlags), 0);
    EXPECT_EQ(SoundDeviceOpenAttempts(), attempts + 2);
    EXPECT_EQ(LastSoundPlayback().sequence, before);
    EXPECT_FALSE(SoundDeviceOpen());
    // The driver becomes available: the next sound finds it.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(PlaySoundA(ToneOf(20), nullptr, kProgramFlags), 1);
    EXPECT_EQ(SoundDeviceOpenAttempts(), attempts + 3);
}

}  // namespace
}  // namespace qby
