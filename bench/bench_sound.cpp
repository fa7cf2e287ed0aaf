// Sound playback speed: how soon a sound reaches the device after PlaySoundA is called (the
// target is 30 ms), what opening the device costs on first use, how much longer than the sound
// itself the call takes, and the cost of decoding a recorded word.
//
// Runs on SDL's dummy driver unless SDL_AUDIODRIVER names another; the dummy driver consumes
// samples in real time like a sound card.
#include "platform/resources/Resources.h"
#include "platform/sound/Sound.h"
#include "platform/sound/SoundTestHook.h"
#include "platform/sound/WaveImage.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

using Seconds = std::chrono::duration<double>;
constexpr DWORD kProgramFlags = SND_NODEFAULT | SND_MEMORY | SND_NOWAIT;

// 16-bit mono at 44.1 kHz, like the program's recordings.
std::vector<std::uint8_t> Tone(int milliseconds)
{
    const std::uint32_t frames = 44100u * static_cast<std::uint32_t>(milliseconds) / 1000u;
    const std::uint32_t dataSize = frames * 2;
    std::vector<std::uint8_t> image(44 + dataSize);
    std::size_t at = 0;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            image[at++] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    auto tag = [&](const char (&text)[5]) {
        for (int i = 0; i < 4; ++i)
            image[at++] = static_cast<std::uint8_t>(text[i]);
    };
    tag("RIFF"); put(36 + dataSize, 4); tag("WAVE");
    tag("fmt "); put(16, 4); put(1, 2); put(1, 2); put(44100, 4); put(88200, 4); put(2, 2); put(16, 2);
    tag("data"); put(dataSize, 4);
    for (std::uint32_t i = 0; i < frames; ++i)
        put((i / 50) % 2 ? 0x2000 : 0xE000, 2);  // a quiet 441 Hz square wave
    return image;
}

void UseDriver()
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

// From the call to the moment the device took the first samples, with the device already open.
// Argument 0: the sound's length in ms; argument 1: a pause of random length (0 to 50 ms) before
// each call, so calls fall at any point of the device's cycle, as a learner's clicks do.
void FirstSampleDelay(benchmark::State& state)
{
    UseDriver();
    const auto tone = Tone(static_cast<int>(state.range(0)));
    const bool pauseFirst = state.range(1) != 0;
    if (!PlaySoundA(tone, nullptr, kProgramFlags)) {
        state.SkipWithError("no audio device");
        return;
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(0, 50'000);
    double worst = 0;
    double overshoot = 0;
    for (auto _ : state) {
        if (pauseFirst)
            std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
        PlaySoundA(tone, nullptr, kProgramFlags);
        const qby::SoundPlayback played = qby::LastSoundPlayback();
        const double delay = Seconds(played.firstSampleHanded - played.called).count();
        worst = std::max(worst, delay);
        overshoot += Seconds(played.returned - played.called - played.duration).count();
        state.SetIterationTime(delay);
    }
    state.counters["worst_ms"] = worst * 1000;
    state.counters["call_beyond_sound_ms"] = overshoot * 1000 / static_cast<double>(state.iterations());
}
BENCHMARK(FirstSampleDelay)
    ->ArgNames({"sound_ms", "pause"})
    ->Args({20, 0})
    ->Args({20, 1})
    ->Args({300, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

// The same for the first sound of the run: the device is opened by the call.
void FirstSampleDelayOnFirstUse(benchmark::State& state)
{
    UseDriver();
    const auto tone = Tone(20);
    for (auto _ : state) {
        qby::ResetSoundDevice();
        if (!PlaySoundA(tone, nullptr, kProgramFlags)) {
            state.SkipWithError("no audio device");
            return;
        }
        const qby::SoundPlayback played = qby::LastSoundPlayback();
        state.SetIterationTime(Seconds(played.firstSampleHanded - played.called).count());
    }
}
BENCHMARK(FirstSampleDelayOnFirstUse)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Checking, decoding and converting a recorded word for a 44.1 kHz stereo float device.
void DecodeRecordedWord(benchmark::State& state)
{
    const auto word = qby::LoadResData("ELEPHANT", "WORDS");
    if (word.empty()) {
        state.SkipWithError("the recording ELEPHANT is not embedded");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(qby::sound::DecodeWaveImage(word, qby::sound::ModelOutputFormat()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * word.size()));
}
BENCHMARK(DecodeRecordedWord)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
