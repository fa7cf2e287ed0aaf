// PlaySoundA with a recorder in place of the device: what is played, in which order, and what
// is refused at once.
#include "WaveBuilder.h"

#include "platform/resources/Resources.h"
#include "platform/sound/Sound.h"
#include "platform/sound/SoundTestHook.h"

#include <gtest/gtest.h>

#include <thread>

namespace qby {
namespace {

using namespace std::chrono_literals;
using test::ToneOf;
using test::WaveBuilder;

constexpr DWORD kProgramFlags = SND_NODEFAULT | SND_MEMORY | SND_NOWAIT;  // &H2006

TEST(PlaySound, BackToBackSoundsAreRecordedInOrderWithoutOverlap)
{
    SoundRecorder recorder;
    const auto first = ToneOf(250);
    WaveBuilder second;
    second.channels = 2;
    second.sampleRate = 22050;
    second.frames = 2205;
    EXPECT_EQ(PlaySoundA(first, nullptr, kProgramFlags), 1);
    EXPECT_EQ(PlaySoundA(second.Build(), nullptr, kProgramFlags), 1);

    const auto sounds = recorder.Sounds();
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[1].sequence, sounds[0].sequence + 1);
    EXPECT_EQ(sounds[0].duration, 250ms);
    EXPECT_EQ(sounds[0].frames, 11025u);
    EXPECT_EQ(sounds[0].sampleRate, 44100);
    EXPECT_EQ(sounds[0].channels, 1);
    EXPECT_EQ(sounds[0].bitsPerSample, 16);
    EXPECT_EQ(sounds[1].duration, 100ms);
    EXPECT_EQ(sounds[1].channels, 2);
    EXPECT_EQ(sounds[0].end - sounds[0].start, sounds[0].duration);
    EXPECT_GE(sounds[1].start, sounds[0].end);
}

TEST(PlaySound, RecordedSoundsNameTheirResource)
{
    SoundRecorder recorder;
    AddResource("WORDS", "TESTWORD", ToneOf(30));
    const auto bytes = LoadResData("testword", "words");
    EXPECT_EQ(PlaySoundA(bytes, nullptr, kProgramFlags), 1);
    EXPECT_EQ(PlaySoundA(ToneOf(31), nullptr, kProgramFlags), 1);
    EXPECT_EQ(recorder.Names(), (std::vector<std::string>{"TESTWORD", ""}));
    EXPECT_EQ(recorder.Sounds()[0].resource, "WORDS/TESTWORD");
    RemoveAddedResource("WORDS", "TESTWORD");
}

TEST(PlaySound, EmbeddedEffectsAreRecognised)
{
    const auto click = LoadResData("Click", "Audio");
    ASSERT_FALSE(click.empty()) << "the program carries the effect CLICK";
    SoundRecorder recorder;
    EXPECT_EQ(PlaySoundA(click, nullptr, kProgramFlags), 1);
    EXPECT_EQ(recorder.Names(), std::vector<std::string>{"CLICK"});
}

TEST(PlaySound, DurationPassesOnTheGivenClock)
{
    SoundRecorder recorder;
    std::chrono::microseconds testTime = 1000ms;
    std::vector<std::chrono::microseconds> advances;
    recorder.UseClock([&] { return testTime; },
                      [&](std::chrono::microseconds by) {
                          advances.push_back(by);
                          testTime += by;
                      });
    EXPECT_EQ(PlaySoundA(ToneOf(120), nullptr, kProgramFlags), 1);
    EXPECT_EQ(PlaySoundA(ToneOf(80), nullptr, kProgramFlags), 1);
    EXPECT_EQ(advances, (std::vector<std::chrono::microseconds>{120ms, 80ms}));
    EXPECT_EQ(testTime, 1200ms);
    const auto sounds = recorder.Sounds();
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[0].start, 1000ms);
    EXPECT_EQ(sounds[0].end, 1120ms);
    EXPECT_EQ(sounds[1].start, 1120ms);
    EXPECT_EQ(sounds[1].end, 1200ms);
}

TEST(PlaySound, NothingPlaysWithoutASound)
{
    SoundRecorder recorder;
    const std::vector<std::uint8_t> none;
    EXPECT_EQ(PlaySoundA(none, nullptr, kProgramFlags), 0);
    EXPECT_EQ(PlaySoundA(nullptr, nullptr, kProgramFlags, 100), 0);
    EXPECT_EQ(PlaySoundA(LoadResData("NOSUCHSOUND", "AUDIO"), nullptr, kProgramFlags), 0);
    EXPECT_TRUE(recorder.Sounds().empty());
}

TEST(PlaySound, DamagedImagesPlayNothing)
{
    SoundRecorder recorder;
    const auto good = ToneOf(20);
    const std::vector<std::uint8_t> headerOnly(good.begin(), good.begin() + 20);
    WaveBuilder lying;
    lying.dataSizeOverride = 0x7FFFFFFF;
    WaveBuilder silentChannels;
    silentChannels.channels = 0;
    silentChannels.blockAlign = 2;
    for (const auto& image : {headerOnly, lying.Build(), silentChannels.Build()})
        EXPECT_EQ(PlaySoundA(image, nullptr, kProgramFlags), 0);
    EXPECT_TRUE(recorder.Sounds().empty());
}

TEST(PlaySound, OnlySynchronousSoundsFromMemoryArePlayed)
{
    SoundRecorder recorder;
    const auto tone = ToneOf(20);
    EXPECT_EQ(PlaySoundA(tone, nullptr, SND_NODEFAULT), 0);                 // a file name
    EXPECT_EQ(PlaySoundA(tone, nullptr, SND_MEMORY | SND_ASYNC), 0);
    EXPECT_EQ(PlaySoundA(tone, nullptr, SND_MEMORY), 1);
    EXPECT_EQ(recorder.Sounds().size(), 1u);
}

TEST(PlaySound, ABusyDeviceWithNoWaitReturnsAtOnce)
{
    SoundRecorder recorder;
    const auto tone = ToneOf(50);
    BOOL fromOtherThread = -1;
    recorder.UseClock([] { return std::chrono::microseconds(0); },
                      [&](std::chrono::microseconds) {
                          if (fromOtherThread != -1)
                              return;
                          std::thread other([&] { fromOtherThread = PlaySoundA(tone, nullptr, kProgramFlags); });
                          other.join();
                      });
    EXPECT_EQ(PlaySoundA(tone, nullptr, kProgramFlags), 1);
    EXPECT_EQ(fromOtherThread, 0);
    EXPECT_EQ(recorder.Sounds().size(), 1u);
}

TEST(PlaySound, WithoutNoWaitASecondSoundWaitsForTheFirst)
{
    SoundRecorder recorder;
    std::chrono::microseconds testTime{};
    const auto tone = ToneOf(50);
    std::thread other;
    BOOL fromOtherThread = -1;
    recorder.UseClock([&] { return testTime; },
                      [&](std::chrono::microseconds by) {
                          if (!other.joinable())
                              other = std::thread([&] { fromOtherThread = PlaySoundA(tone, nullptr, SND_MEMORY); });
                          testTime += by;
                      });
    EXPECT_EQ(PlaySoundA(ToneOf(70), nullptr, SND_MEMORY), 1);
    other.join();
    EXPECT_EQ(fromOtherThread, 1);
    const auto sounds = recorder.Sounds();
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[0].duration, 70ms);
    EXPECT_EQ(sounds[1].duration, 50ms);
    EXPECT_GE(sounds[1].start, sounds[0].end);
}

TEST(PlaySound, ASoundAskedForDuringASoundOnTheSameThreadIsRefused)
{
    SoundRecorder recorder;
    const auto tone = ToneOf(40);
    BOOL nested = -1;
    recorder.UseClock([] { return std::chrono::microseconds(0); },
                      [&](std::chrono::microseconds) {
                          if (nested == -1)
                              nested = PlaySoundA(tone, nullptr, SND_MEMORY);  // would wait for itself
                      });
    EXPECT_EQ(PlaySoundA(tone, nullptr, SND_MEMORY), 1);
    EXPECT_EQ(nested, 0);
}

TEST(PlaySound, RecordersNestLikeScopes)
{
    SoundRecorder outer;
    {
        SoundRecorder inner;
        EXPECT_EQ(PlaySoundA(ToneOf(10), nullptr, kProgramFlags), 1);
        EXPECT_EQ(inner.Sounds().size(), 1u);
    }
    EXPECT_EQ(PlaySoundA(ToneOf(10), nullptr, kProgramFlags), 1);
    EXPECT_EQ(outer.Sounds().size(), 1u);
    outer.Clear();
    EXPECT_TRUE(outer.Sounds().empty());
}

}  // namespace
}  // namespace qby
