// PlaySoundA: one sound at a time, checked, decoded and played to the end before returning.
#include "platform/sound/Sound.h"

#include "platform/resources/Resources.h"
#include "platform/sound/AudioOutput.h"
#include "platform/sound/SoundTestHook.h"
#include "platform/sound/WaveImage.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace {

using qby::RecordedSound;
using qby::SoundPlayback;
using qby::SoundRecorder;
namespace sound = qby::sound;

// The play lock is held by a sound from start to end; it guards the fields after it.
struct PlayState {
    std::mutex playing;
    std::atomic<std::thread::id> player;  // the thread inside a play, if any (read without the lock)
    std::uint64_t sequence = 0;
    SoundRecorder* recorder = nullptr;
    SoundPlayback last;
};

PlayState& State()
{
    static PlayState* state = new PlayState;  // never destroyed, like the device it guards
    return *state;
}

BOOL RecordSound(PlayState& state, std::span<const std::uint8_t> image)
{
    const auto decoded = sound::DecodeWaveImage(image, sound::ModelOutputFormat());
    if (!decoded)
        return 0;
    RecordedSound recorded;
    recorded.sequence = ++state.sequence;
    recorded.resource = qby::IdentifyResource(image);
    recorded.sampleRate = decoded->source.sampleRate;
    recorded.channels = decoded->source.channels;
    recorded.bitsPerSample = decoded->source.bitsPerSample;
    recorded.floatingPoint = decoded->source.floatingPoint;
    recorded.frames = decoded->frames;
    recorded.duration = decoded->duration;
    state.recorder->Record(std::move(recorded));
    return 1;
}

BOOL PlayOnDevice(PlayState& state, std::span<const std::uint8_t> image,
                  std::chrono::steady_clock::time_point called)
{
    // A damaged image never opens the device.
    if (!sound::ParseWaveImage(image))
        return 0;
    // Decoded for the format the device had last time before it is opened: an opened device
    // plays silence until the sound is handed to it.
    auto& output = sound::AudioOutput::Instance();
    const sound::OutputFormat expected = output.ExpectedFormat();
    auto decoded = sound::DecodeWaveImage(image, expected);
    if (!decoded)
        return 0;
    const auto format = output.Open();
    if (!format)
        return 0;
    if (*format != expected)
        decoded = sound::DecodeWaveImage(image, *format);
    if (!decoded)
        return 0;
    SoundPlayback timing;
    timing.called = called;
    timing.sequence = ++state.sequence;
    timing.duration = decoded->duration;
    if (!output.Play(decoded->samples, decoded->duration, timing))
        return 0;
    timing.returned = std::chrono::steady_clock::now();
    state.last = timing;
    return 1;
}

}  // namespace

BOOL PlaySoundA(const void* sound, HMODULE, DWORD flags, std::size_t soundSize)
{
    const auto called = std::chrono::steady_clock::now();
    if (!(flags & SND_MEMORY) || (flags & SND_ASYNC) || sound == nullptr || soundSize == 0)
        return 0;
    PlayState& state = State();
    // A sound asked for from inside a sound (a clock callback of a recorder) would wait for
    // itself: it is refused like a sound while the device is busy.
    if (state.player.load() == std::this_thread::get_id())
        return 0;
    std::unique_lock lock(state.playing, std::defer_lock);
    if (flags & SND_NOWAIT) {
        if (!lock.try_lock())
            return 0;
    } else {
        lock.lock();
    }
    struct PlayerMark {
        PlayState& state;
        explicit PlayerMark(PlayState& s) : state(s) { state.player = std::this_thread::get_id(); }
        ~PlayerMark() { state.player = std::thread::id(); }
    } mark(state);
    const std::span<const std::uint8_t> image(static_cast<const std::uint8_t*>(sound), soundSize);
    try {
        return state.recorder ? RecordSound(state, image) : PlayOnDevice(state, image, called);
    } catch (...) {
        return 0;  // out of memory while decoding, or a recorder's clock that threw
    }
}

void PrepareSoundDevice()
{
    PlayState& state = State();
    std::unique_lock lock(state.playing, std::try_to_lock);
    if (!lock.owns_lock() || state.recorder != nullptr)
        return;  // a sound plays (the device is open), or sounds are recorded, not heard
    sound::AudioOutput::Instance().OpenInBackground();
}

BOOL PlaySoundA(std::span<const std::uint8_t> sound, HMODULE module, DWORD flags)
{
    return PlaySoundA(sound.data(), module, flags, sound.size());
}

namespace qby {

SoundRecorder::SoundRecorder()
{
    PlayState& state = State();
    std::lock_guard lock(state.playing);
    previous_ = state.recorder;
    state.recorder = this;
}

SoundRecorder::~SoundRecorder()
{
    PlayState& state = State();
    std::lock_guard lock(state.playing);
    if (state.recorder == this)
        state.recorder = previous_;
}

SoundPlayback LastSoundPlayback()
{
    PlayState& state = State();
    std::lock_guard lock(state.playing);
    return state.last;
}

void ResetSoundDevice()
{
    PlayState& state = State();
    std::lock_guard lock(state.playing);
    sound::AudioOutput::Instance().Reset();
}

std::uint64_t SoundDeviceOpenAttempts()
{
    return sound::AudioOutput::Instance().OpenAttempts();
}

bool SoundDeviceOpen()
{
    return sound::AudioOutput::Instance().DeviceOpen();
}

void WaitForSoundDevicePreparation()
{
    sound::AudioOutput::Instance().WaitForBackgroundOpen();
}

SoundDeviceTestClock::SoundDeviceTestClock()
{
    sound::AudioOutput::Instance().UseTestClock(true);
}

SoundDeviceTestClock::~SoundDeviceTestClock()
{
    sound::AudioOutput::Instance().UseTestClock(false);
}

void SoundDeviceTestClock::Advance(std::chrono::microseconds by)
{
    sound::AudioOutput::Instance().AdvanceTestClock(by);
}

SoundDeviceBackendScope::SoundDeviceBackendScope(const QbySoundBackend& backend)
{
    sound::AudioOutput::Instance().UseBackend(&backend);
}

SoundDeviceBackendScope::~SoundDeviceBackendScope()
{
    sound::AudioOutput::Instance().UseBackend(nullptr);
}

}  // namespace qby
