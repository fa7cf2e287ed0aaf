// The audio device is released once sounds stop, and opened again by the next one: on the test
// clock, with a recording backend in place of SDL's device.
#include "WaveBuilder.h"

#include "platform/sound/Sound.h"
#include "platform/sound/SoundTestHook.h"

#include <gtest/gtest.h>

namespace qby {
namespace {

using namespace std::chrono_literals;
using test::ToneOf;

constexpr DWORD kProgramFlags = SND_NODEFAULT | SND_MEMORY | SND_NOWAIT;

// What the recording device was asked to do, and how it answers.
struct DeviceLog {
    int opens = 0;
    int plays = 0;
    int closes = 0;    // shut: after a failure
    int releases = 0;  // closed when idle, the backend kept ready
    bool open = false;
    bool opensFail = false;  // no device, or a busy one
    bool playsFail = false;  // the device vanishes mid-sound
};
DeviceLog log;
SoundDeviceTestClock* deviceClock = nullptr;

const QbySoundBackend kRecordingBackend = {
    kQbySoundBackendVersion,
    sizeof(QbySoundBackend),
    [](QbySoundFormat* obtained) {
        ++log.opens;
        if (log.opensFail)
            return 0;
        log.open = true;
        *obtained = QbySoundFormat{44100, 2, 0x8120};  // float samples, as SDL's device gives
        return 1;
    },
    [] { return log.open ? 1 : 0; },
    [](const uint8_t*, size_t, int64_t durationMicroseconds, QbySoundTimes* times) {
        ++log.plays;
        deviceClock->Advance(std::chrono::microseconds(durationMicroseconds));
        *times = QbySoundTimes{1, 2};
        return log.open && !log.playsFail ? 1 : 0;
    },
    [] {
        ++log.closes;
        log.open = false;
    },
    nullptr,
    [] {
        ++log.releases;
        log.open = false;
    },
};

class DeviceRelease : public ::testing::Test {
protected:
    void SetUp() override
    {
        log = DeviceLog{};
        deviceClock = &clock_;
    }
    SoundDeviceTestClock clock_;
    SoundDeviceBackendScope backend_{kRecordingBackend};

    static bool Play(int milliseconds = 20) { return PlaySoundA(ToneOf(milliseconds), nullptr, kProgramFlags) == 1; }
};

TEST_F(DeviceRelease, TheDeviceIsReleasedAfterTheIdleDelayAndReopenedByTheNextSound)
{
    clock_.Advance(1h);
    EXPECT_EQ(log.opens, 0) << "nothing is opened before the first sound";

    ASSERT_TRUE(Play());
    EXPECT_TRUE(SoundDeviceOpen());
    clock_.Advance(kSoundDeviceIdleRelease - 1ms);
    ASSERT_TRUE(Play(300));
    EXPECT_EQ(log.opens, 1) << "a sound within the delay finds the device open";
    // The delay counts from the end of the last sound.
    clock_.Advance(kSoundDeviceIdleRelease - 1ms);
    EXPECT_TRUE(SoundDeviceOpen());
    EXPECT_EQ(log.releases, 0);
    clock_.Advance(1ms);
    EXPECT_FALSE(SoundDeviceOpen());
    EXPECT_EQ(log.releases, 1);
    EXPECT_EQ(log.closes, 0) << "an idle device that works is released, not shut";
    clock_.Advance(1h);
    EXPECT_EQ(log.releases, 1);

    ASSERT_TRUE(Play());
    EXPECT_EQ(log.opens, 2);
    EXPECT_EQ(log.plays, 3);
    EXPECT_TRUE(SoundDeviceOpen());
}

TEST_F(DeviceRelease, ADeviceThatCannotBeOpenedOrVanishesIsNotKeptAndTheNextSoundTriesAgain)
{
    log.opensFail = true;
    EXPECT_FALSE(Play());
    EXPECT_FALSE(Play());
    EXPECT_EQ(log.opens, 2);
    EXPECT_EQ(log.plays, 0);
    EXPECT_FALSE(SoundDeviceOpen());

    log.opensFail = false;
    log.playsFail = true;
    EXPECT_FALSE(Play());
    EXPECT_EQ(log.opens, 3);
    EXPECT_FALSE(SoundDeviceOpen()) << "a device that failed mid-sound is closed at once";
    EXPECT_EQ(log.closes, 1);
    EXPECT_EQ(log.releases, 0);

    log.playsFail = false;
    EXPECT_TRUE(Play());
    EXPECT_EQ(log.opens, 4);
    clock_.Advance(kSoundDeviceIdleRelease);
    EXPECT_FALSE(SoundDeviceOpen());
    EXPECT_EQ(log.closes, 1);
    EXPECT_EQ(log.releases, 1);
}

// A press readies a released device on a thread of its own: the click's sound then opens
// nothing. A device that could not be opened is tried again by the next sound, not by presses.
TEST_F(DeviceRelease, APressOpensAReleasedDeviceAheadOfTheSound)
{
    PrepareSoundDevice();
    WaitForSoundDevicePreparation();
    EXPECT_TRUE(SoundDeviceOpen());
    PrepareSoundDevice();  // open already
    WaitForSoundDevicePreparation();
    ASSERT_TRUE(Play());
    EXPECT_EQ(log.opens, 1);
    clock_.Advance(kSoundDeviceIdleRelease);
    EXPECT_FALSE(SoundDeviceOpen()) << "released after the delay, as after any sound";

    log.opensFail = true;
    PrepareSoundDevice();
    WaitForSoundDevicePreparation();
    EXPECT_EQ(log.opens, 2);
    PrepareSoundDevice();
    WaitForSoundDevicePreparation();
    EXPECT_EQ(log.opens, 2);
    EXPECT_FALSE(Play());
    EXPECT_EQ(log.opens, 3);
    log.opensFail = false;
    ASSERT_TRUE(Play());
    EXPECT_EQ(log.opens, 4);
    clock_.Advance(kSoundDeviceIdleRelease);
    PrepareSoundDevice();
    WaitForSoundDevicePreparation();
    EXPECT_EQ(log.opens, 5) << "a sound that opened the device lets presses open it again";
}

}  // namespace
}  // namespace qby
