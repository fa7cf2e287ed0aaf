// The one audio device of the process: opened by a sound when it is closed (which loads the sound
// backend the first time), and released again once no sound has played for a while, so that an
// idle program keeps neither SDL's audio thread nor the sound server busy. Callers serialise
// their use of Open and Play.
#pragma once

#include "platform/sound/SoundBackend.h"
#include "platform/sound/SoundTestHook.h"
#include "platform/sound/WaveImage.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>

namespace qby::sound {

class AudioOutput {
public:
    static AudioOutput& Instance();

    // The device's format, opening the device if needed; nothing when there is no device or no
    // backend. A failed attempt costs only the attempt: the next sound tries again.
    std::optional<OutputFormat> Open();
    // Opens a released device on a thread of its own, ahead of a sound that is likely to come:
    // a press on a button, whose click plays its sound on the release. Nothing while the device
    // is open or being opened, after the last attempt failed (sounds try again, presses do not),
    // or once the program is ending. The device is released as after a sound if none comes.
    void OpenInBackground();
    // Returns once no background open is under way.
    void WaitForBackgroundOpen();
    // Plays samples in the device's format and returns when they have been heard. False when the
    // device stopped or stalled on the way (it is then closed). Either way the device is released
    // kSoundDeviceIdleRelease after this call, unless another sound comes first.
    bool Play(std::span<const std::uint8_t> samples, std::chrono::microseconds duration,
              SoundPlayback& timing);

    // The format of the device when it was last open (the model format before that).
    OutputFormat ExpectedFormat() const;

    void Reset();
    std::uint64_t OpenAttempts() const;
    bool DeviceOpen() const;
    // Plays on `backend`'s device instead of the SDL backend's (null: the SDL backend again).
    void UseBackend(const QbySoundBackend* backend);

    // The release on a test's clock: no thread waits, Advance releases the device when due.
    void UseTestClock(bool on);
    void AdvanceTestClock(std::chrono::microseconds by);

private:
    using Clock = std::chrono::steady_clock;

    AudioOutput() = default;
    static void CloseAtExit();
    std::optional<OutputFormat> OpenLocked();
    void CloseLocked();
    void ReleaseLocked();
    void ScheduleReleaseLocked();
    void ReleaseWhenIdle();
    Clock::time_point NowLocked() const;

    mutable std::mutex deviceMutex_;
    const QbySoundBackend* backend_ = nullptr;  // set while a device is open
    const QbySoundBackend* backendOverride_ = nullptr;
    OutputFormat format_;  // kept when the device closes
    std::uint64_t openAttempts_ = 0;
    bool lastOpenFailed_ = false;
    std::atomic<bool> exiting_ = false;
    // A background open under way, and the closes so far: one asked for before a close is dropped.
    bool openingInBackground_ = false;
    std::uint64_t closes_ = 0;
    std::condition_variable backgroundOpenEnded_;

    // The release of an idle device: when it falls due, and whether a thread waits for it (the
    // thread ends once it has released the device, so an idle program has none).
    std::optional<Clock::time_point> releaseDue_;
    bool releaseWaiting_ = false;
    std::condition_variable releaseWake_;
    bool testClock_ = false;
    std::atomic<std::int64_t> testNow_{0};  // microseconds
};

}  // namespace qby::sound
