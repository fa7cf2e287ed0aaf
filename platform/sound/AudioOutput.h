// The one audio device of the process: opened on first use and kept open for the run, with a
// small buffer so a sound starts within a few milliseconds. Callers serialise their use of it.
#pragma once

#include "platform/sound/SoundTestHook.h"
#include "platform/sound/WaveImage.h"

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

    // The device's format, opening the device if needed; nothing when there is no device (then
    // it is not tried again before the retry interval has passed).
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
    static void Fill(void* self, std::uint8_t* stream, int length);
    static void CloseAtExit();
    void CloseLocked();
    void NoteFailureLocked();

    // Device state, used by the caller's thread only (under deviceMutex_).
    mutable std::mutex deviceMutex_;
    std::uint32_t device_ = 0;
    bool audioInitialised_ = false;
    OutputFormat format_;
    std::uint8_t silence_ = 0;
    std::size_t frameBytes_ = 0;
    std::optional<std::chrono::steady_clock::time_point> lastFailure_;
    std::chrono::milliseconds retryInterval_{5000};
    std::uint64_t openAttempts_ = 0;

    // The sound being played, shared with the audio thread (under streamMutex_).
    std::mutex streamMutex_;
    std::condition_variable streamDone_;
    const std::uint8_t* streamData_ = nullptr;
    std::size_t streamSize_ = 0;
    std::size_t streamPosition_ = 0;
    bool streamActive_ = false;
    std::chrono::steady_clock::time_point firstHanded_;
    std::chrono::steady_clock::time_point lastHanded_;
    std::size_t lastChunkBytes_ = 0;  // how much of the sound the last buffer held
};

}  // namespace qby::sound
