// The one audio device of the process: opened on first use (which loads the sound backend) and
// kept open for the run. Callers serialise their use of it.
#pragma once

#include "platform/sound/SoundBackend.h"
#include "platform/sound/SoundTestHook.h"
#include "platform/sound/WaveImage.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>

namespace qby::sound {

class AudioOutput {
public:
    static AudioOutput& Instance();

    // The device's format, opening the device if needed; nothing when there is no device or no
    // backend (then it is not tried again before the retry interval has passed).
    std::optional<OutputFormat> Open();
    // Plays samples in the device's format and returns when they have been heard. False when the
    // device stopped or stalled on the way (it is then closed and tried again later).
    bool Play(std::span<const std::uint8_t> samples, std::chrono::microseconds duration,
              SoundPlayback& timing);

    void Reset();
    void SetRetryInterval(std::chrono::milliseconds interval);
    std::uint64_t OpenAttempts() const;

private:
    AudioOutput() = default;
    static void CloseAtExit();
    void CloseLocked();
    void NoteFailureLocked();

    mutable std::mutex deviceMutex_;
    const QbySoundBackend* backend_ = nullptr;  // set while a device is open
    OutputFormat format_;
    std::optional<std::chrono::steady_clock::time_point> lastFailure_;
    std::chrono::milliseconds retryInterval_{5000};
    std::uint64_t openAttempts_ = 0;
};

}  // namespace qby::sound
