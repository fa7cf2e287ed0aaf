#include "platform/sound/AudioOutput.h"

#include <cstdlib>

namespace qby::sound {
namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point FromNanoseconds(std::int64_t count)
{
    return Clock::time_point(std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(count)));
}

}  // namespace

AudioOutput& AudioOutput::Instance()
{
    static AudioOutput* output = new AudioOutput;  // never destroyed: used by the exit handler
    return *output;
}

std::optional<OutputFormat> AudioOutput::Open()
{
    std::lock_guard lock(deviceMutex_);
    if (backend_) {
        if (backend_->alive())
            return format_;
        CloseLocked();  // lost, e.g. unplugged: open the default device again
    }
    if (lastFailure_ && Clock::now() - *lastFailure_ < retryInterval_)
        return std::nullopt;
    ++openAttempts_;
    const QbySoundBackend* backend = SoundBackend();
    QbySoundFormat obtained{};
    if (!backend || !backend->open(&obtained)) {
        NoteFailureLocked();
        return std::nullopt;
    }
    backend_ = backend;
    if (obtained.sampleRate < kMinSampleRate || obtained.sampleRate > kMaxSampleRate ||
        obtained.channels < 1 || obtained.channels > kMaxChannels) {
        NoteFailureLocked();
        return std::nullopt;
    }
    // The audio thread is stopped before the libraries it calls into are torn down.
    static const bool closesAtExit = [] { return std::atexit(&AudioOutput::CloseAtExit) == 0; }();
    (void)closesAtExit;
    format_ = OutputFormat{obtained.sampleRate, obtained.channels, obtained.sampleFormat};
    lastFailure_.reset();
    return format_;
}

bool AudioOutput::Play(std::span<const std::uint8_t> samples, std::chrono::microseconds duration,
                       SoundPlayback& timing)
{
    std::lock_guard lock(deviceMutex_);
    if (!backend_ || samples.empty())
        return false;
    QbySoundTimes times{};
    if (!backend_->play(samples.data(), samples.size(), duration.count(), &times)) {
        NoteFailureLocked();
        return false;
    }
    timing.firstSampleHanded = FromNanoseconds(times.firstSampleHanded);
    timing.lastSampleHanded = FromNanoseconds(times.lastSampleHanded);
    return true;
}

// A sound still playing on another thread keeps the device; the process ends with it.
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

// Closing also shuts the backend's audio, so the next attempt looks for drivers afresh.
void AudioOutput::CloseLocked()
{
    if (backend_) {
        backend_->close();
        backend_ = nullptr;
    }
}

void AudioOutput::NoteFailureLocked()
{
    CloseLocked();
    lastFailure_ = Clock::now();
}

}  // namespace qby::sound
