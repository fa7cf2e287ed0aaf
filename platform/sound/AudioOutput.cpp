#include "platform/sound/AudioOutput.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace qby::sound {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPreferredRate = 44100;
constexpr int kPreferredChannels = 2;
// 512 frames at 44.1 kHz: the device asks for samples every 11.6 ms, so a sound starts within
// that time of the call (1024 frames made a sound wait up to 30 ms after another one).
constexpr Uint16 kBufferFrames = 512;
// A device that takes this much longer than the sound itself has stalled.
constexpr std::chrono::seconds kStallMargin{2};
constexpr std::chrono::milliseconds kStatusPoll{100};

}  // namespace

AudioOutput& AudioOutput::Instance()
{
    // Never destroyed: the audio thread may still call Fill while the process exits.
    static AudioOutput* output = new AudioOutput;
    return *output;
}

std::optional<OutputFormat> AudioOutput::Open()
{
    std::lock_guard lock(deviceMutex_);
    if (device_ != 0) {
        if (SDL_GetAudioDeviceStatus(device_) != SDL_AUDIO_STOPPED)
            return format_;
        CloseLocked();  // lost, e.g. unplugged: open the default device again
    }
    if (lastFailure_ && Clock::now() - *lastFailure_ < retryInterval_)
        return std::nullopt;
    ++openAttempts_;
    if (!audioInitialised_) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            NoteFailureLocked();
            return std::nullopt;
        }
        audioInitialised_ = true;
    }
    SDL_AudioSpec desired{};
    desired.freq = kPreferredRate;
    desired.format = AUDIO_F32SYS;
    desired.channels = kPreferredChannels;
    desired.samples = kBufferFrames;
    desired.callback = &AudioOutput::Fill;
    desired.userdata = this;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE |
                                      SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0 || obtained.freq < kMinSampleRate || obtained.freq > kMaxSampleRate ||
        obtained.channels < 1 || obtained.channels > kMaxChannels || obtained.samples == 0) {
        NoteFailureLocked();
        return std::nullopt;
    }
    static const bool closesAtExit = [] { return std::atexit(&AudioOutput::CloseAtExit) == 0; }();
    (void)closesAtExit;
    format_ = OutputFormat{obtained.freq, obtained.channels, obtained.format};
    silence_ = obtained.silence;
    frameBytes_ = static_cast<std::size_t>(obtained.channels) * SDL_AUDIO_BITSIZE(obtained.format) / 8;
    lastFailure_.reset();
    return format_;
}

bool AudioOutput::Play(std::span<const std::uint8_t> samples, std::chrono::microseconds duration,
                       SoundPlayback& timing)
{
    std::lock_guard deviceLock(deviceMutex_);
    if (device_ == 0 || samples.empty())
        return false;
    {
        std::lock_guard lock(streamMutex_);
        streamData_ = samples.data();
        streamSize_ = samples.size();
        streamPosition_ = 0;
        streamActive_ = true;
    }
    SDL_PauseAudioDevice(device_, 0);

    const Clock::time_point deadline = Clock::now() + duration + kStallMargin;
    bool handedOver = true;
    Clock::time_point lastHanded;
    std::size_t lastChunk = 0;
    {
        std::unique_lock lock(streamMutex_);
        while (!streamDone_.wait_for(lock, kStatusPoll, [this] { return !streamActive_; })) {
            if (SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED || Clock::now() > deadline) {
                streamActive_ = false;
                streamData_ = nullptr;
                handedOver = false;
                break;
            }
        }
        timing.firstSampleHanded = firstHanded_;
        timing.lastSampleHanded = lastHanded = lastHanded_;
        lastChunk = lastChunkBytes_;
    }
    if (!handedOver) {
        CloseLocked();
        NoteFailureLocked();
        return false;
    }
    // The last samples handed over are still in the device's buffer: wait while they play.
    const auto lastFrames = static_cast<std::int64_t>(frameBytes_ ? lastChunk / frameBytes_ : 0);
    std::this_thread::sleep_until(
        lastHanded + std::chrono::microseconds(lastFrames * 1'000'000 / format_.sampleRate));
    SDL_PauseAudioDevice(device_, 1);
    return true;
}

// Runs on SDL's audio thread: hands the device the next piece of the sound, silence after it.
void AudioOutput::Fill(void* self, std::uint8_t* stream, int length)
{
    auto& output = *static_cast<AudioOutput*>(self);
    const std::size_t wanted = length > 0 ? static_cast<std::size_t>(length) : 0;
    std::size_t copied = 0;
    std::lock_guard lock(output.streamMutex_);
    if (output.streamActive_ && output.streamData_) {
        const Clock::time_point now = Clock::now();
        copied = std::min(wanted, output.streamSize_ - output.streamPosition_);
        if (output.streamPosition_ == 0)
            output.firstHanded_ = now;
        std::memcpy(stream, output.streamData_ + output.streamPosition_, copied);
        output.streamPosition_ += copied;
        if (output.streamPosition_ == output.streamSize_) {
            output.lastHanded_ = now;
            output.lastChunkBytes_ = copied;
            output.streamActive_ = false;
            output.streamData_ = nullptr;
            output.streamDone_.notify_all();
        }
    }
    std::memset(stream + copied, output.silence_, wanted - copied);
}

// The audio thread is stopped before the libraries it calls into are torn down. A sound still
// playing on another thread keeps the device; the process ends with it.
void AudioOutput::CloseAtExit()
{
    AudioOutput& output = Instance();
    std::unique_lock lock(output.deviceMutex_, std::try_to_lock);
    if (lock.owns_lock())
        output.CloseLocked();
}

void AudioOutput::Reset()
{
    std::lock_guard lock(deviceMutex_);
    CloseLocked();
    if (audioInitialised_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioInitialised_ = false;
    }
    lastFailure_.reset();
}

void AudioOutput::SetRetryInterval(std::chrono::milliseconds interval)
{
    std::lock_guard lock(deviceMutex_);
    retryInterval_ = interval;
}

std::uint64_t AudioOutput::OpenAttempts() const
{
    std::lock_guard lock(deviceMutex_);
    return openAttempts_;
}

void AudioOutput::CloseLocked()
{
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
}

// The audio subsystem is shut as well, so the next attempt looks for drivers afresh (a sound
// server that starts later is found then).
void AudioOutput::NoteFailureLocked()
{
    CloseLocked();
    if (audioInitialised_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioInitialised_ = false;
    }
    lastFailure_ = Clock::now();
}

}  // namespace qby::sound
