#include "platform/sound/AudioOutput.h"

#include <cstdlib>
#include <thread>

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
    return OpenLocked();
}

void AudioOutput::OpenInBackground()
{
    std::lock_guard lock(deviceMutex_);
    if (backend_ || openingInBackground_ || lastOpenFailed_ || exiting_)
        return;
    openingInBackground_ = true;
    const std::uint64_t closes = closes_;
    try {
        std::thread([this, closes] {
            std::lock_guard opening(deviceMutex_);
            if (closes == closes_ && !backend_ && !exiting_)
                OpenLocked();
            openingInBackground_ = false;
            backgroundOpenEnded_.notify_all();
        }).detach();
    } catch (...) {
        openingInBackground_ = false;  // no thread to be had: the sound opens the device
    }
}

void AudioOutput::WaitForBackgroundOpen()
{
    std::unique_lock lock(deviceMutex_);
    backgroundOpenEnded_.wait(lock, [this] { return !openingInBackground_; });
}

std::optional<OutputFormat> AudioOutput::OpenLocked()
{
    if (exiting_)
        return std::nullopt;
    if (backend_) {
        if (backend_->alive()) {
            ScheduleReleaseLocked();
            return format_;
        }
        CloseLocked();  // lost, e.g. unplugged: open the default device again
    }
    ++openAttempts_;
    const QbySoundBackend* backend = backendOverride_ ? backendOverride_ : SoundBackend();
    QbySoundFormat obtained{};
    lastOpenFailed_ = true;
    if (!backend || !backend->open(&obtained))
        return std::nullopt;
    backend_ = backend;
    if (obtained.sampleRate < kMinSampleRate || obtained.sampleRate > kMaxSampleRate ||
        obtained.channels < 1 || obtained.channels > kMaxChannels) {
        CloseLocked();
        return std::nullopt;
    }
    lastOpenFailed_ = false;
    // The audio thread is stopped before the libraries it calls into are torn down.
    static const bool closesAtExit = [] { return std::atexit(&AudioOutput::CloseAtExit) == 0; }();
    (void)closesAtExit;
    format_ = OutputFormat{obtained.sampleRate, obtained.channels, obtained.sampleFormat};
    ScheduleReleaseLocked();  // also when the sound then cannot be decoded
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
        CloseLocked();
        return false;
    }
    ScheduleReleaseLocked();
    timing.firstSampleHanded = FromNanoseconds(times.firstSampleHanded);
    timing.lastSampleHanded = FromNanoseconds(times.lastSampleHanded);
    return true;
}

// A sound still playing on another thread keeps the device; the process ends with it.
void AudioOutput::CloseAtExit()
{
    AudioOutput& output = Instance();
    output.exiting_ = true;  // no device is opened from now on
    std::unique_lock lock(output.deviceMutex_, std::try_to_lock);
    if (lock.owns_lock())
        output.CloseLocked();
}

OutputFormat AudioOutput::ExpectedFormat() const
{
    std::lock_guard lock(deviceMutex_);
    return format_;
}

void AudioOutput::Reset()
{
    std::lock_guard lock(deviceMutex_);
    CloseLocked();
    lastOpenFailed_ = false;
}

std::uint64_t AudioOutput::OpenAttempts() const
{
    std::lock_guard lock(deviceMutex_);
    return openAttempts_;
}

bool AudioOutput::DeviceOpen() const
{
    std::lock_guard lock(deviceMutex_);
    return backend_ != nullptr;
}

void AudioOutput::UseBackend(const QbySoundBackend* backend)
{
    std::lock_guard lock(deviceMutex_);
    CloseLocked();
    lastOpenFailed_ = false;
    backendOverride_ = backend;
}

void AudioOutput::UseTestClock(bool on)
{
    std::lock_guard lock(deviceMutex_);
    CloseLocked();
    testClock_ = on;
    testNow_ = 0;
    releaseWake_.notify_all();  // a thread waiting on the real clock gives up
}

// Time may pass while a sound plays (a recording backend's sound takes its length): the release
// is then left to the next Advance after it.
void AudioOutput::AdvanceTestClock(std::chrono::microseconds by)
{
    testNow_ += by.count();
    std::unique_lock lock(deviceMutex_, std::try_to_lock);
    if (lock.owns_lock() && testClock_ && releaseDue_ && NowLocked() >= *releaseDue_)
        ReleaseLocked();
}

// Closing also shuts the backend's audio (SDL's audio thread and its sound-server connection
// end), so the next attempt looks for drivers afresh.
void AudioOutput::CloseLocked()
{
    ++closes_;
    releaseDue_.reset();
    if (backend_) {
        backend_->close();
        backend_ = nullptr;
    }
}

// The idle release: the backend may keep what makes the next open quick (see `release`).
void AudioOutput::ReleaseLocked()
{
    ++closes_;
    releaseDue_.reset();
    if (backend_) {
        if (backend_->release)
            backend_->release();
        else
            backend_->close();
        backend_ = nullptr;
    }
}

void AudioOutput::ScheduleReleaseLocked()
{
    releaseDue_ = NowLocked() + kSoundDeviceIdleRelease;
    if (testClock_ || releaseWaiting_)
        return;  // a waiting thread finds the later time when it wakes
    releaseWaiting_ = true;
    try {
        std::thread([this] { ReleaseWhenIdle(); }).detach();
    } catch (...) {
        releaseWaiting_ = false;  // no thread to be had: the device stays open until the next try
    }
}

// Runs on a thread of its own while a release is pending, and ends with the release.
void AudioOutput::ReleaseWhenIdle()
{
    std::unique_lock lock(deviceMutex_);
    while (releaseDue_ && !testClock_) {
        if (Clock::now() >= *releaseDue_) {
            ReleaseLocked();
            break;
        }
        releaseWake_.wait_until(lock, *releaseDue_);
    }
    releaseWaiting_ = false;
}

AudioOutput::Clock::time_point AudioOutput::NowLocked() const
{
    return testClock_ ? Clock::time_point(std::chrono::microseconds(testNow_.load())) : Clock::now();
}

}  // namespace qby::sound
