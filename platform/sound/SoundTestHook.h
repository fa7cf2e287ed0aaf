// What tests and benchmarks see of sound playback.
//
// A SoundRecorder, while it exists, takes the place of the audio device: every sound that
// PlaySoundA would play is checked and decoded as usual and then recorded (format, length, order,
// and which resource it was) instead of being heard, and the call returns at once. Its clock can
// be the test clock of the windows under test, so a sound's length passes on that clock.
//
// Without a recorder, sounds go to the SDL audio device; LastSoundPlayback tells when the last
// one was handed to the device and when the call returned.
#pragma once

#include "platform/sound/SoundBackend.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace qby {

struct RecordedSound {
    std::uint64_t sequence = 0;  // counts every sound played in this process, from 1
    std::string resource;        // "WORDS/ICECREAM" when the image is an embedded resource, else ""
    int sampleRate = 0;          // the decoded WAVE format
    int channels = 0;
    int bitsPerSample = 0;
    bool floatingPoint = false;
    std::uint64_t frames = 0;  // sample frames
    std::chrono::microseconds duration{};
    std::chrono::microseconds start{};  // on the recorder's clock
    std::chrono::microseconds end{};
};

class SoundRecorder {
public:
    using Now = std::function<std::chrono::microseconds()>;
    using Advance = std::function<void(std::chrono::microseconds)>;

    // Installs this recorder in place of the device. Recorders nest like scopes: a newer one
    // takes the sounds until it is destroyed, then the older one again.
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // The clock sounds are timed on. By default the recorder keeps its own clock, which stands
    // still except that each sound moves it on by the sound's length. With `now` and `advance`,
    // each sound reads `now` for its start, calls `advance` with its length and reads `now`
    // again for its end. `advance` runs inside PlaySoundA, as the sound's time passes on the
    // user-interface thread: it should move time on without running timer handlers (timers
    // that fall due during a sound fire when events are next processed); a sound asked for from
    // inside it is refused.
    void UseClock(Now now, Advance advance);

    std::vector<RecordedSound> Sounds() const;
    // The resource names ("CLICK", "ICECREAM") of the recorded sounds in order; "" for a sound
    // that is not an embedded resource.
    std::vector<std::string> Names() const;
    void Clear();

    // Called by PlaySoundA with the play lock held.
    void Record(RecordedSound sound);

private:
    mutable std::mutex mutex_;
    std::vector<RecordedSound> sounds_;
    std::chrono::microseconds ownClock_{};
    Now now_;
    Advance advance_;
    SoundRecorder* previous_ = nullptr;
};

// Timings of the last sound played on the device (not of recorded ones).
struct SoundPlayback {
    std::uint64_t sequence = 0;  // 0 when no sound has reached the device
    std::chrono::microseconds duration{};
    std::chrono::steady_clock::time_point called;             // PlaySoundA entered
    std::chrono::steady_clock::time_point firstSampleHanded;  // the device took the first samples
    std::chrono::steady_clock::time_point lastSampleHanded;   // ... and the last ones
    std::chrono::steady_clock::time_point returned;           // PlaySoundA returned
};
SoundPlayback LastSoundPlayback();

// The device is released (closed: SDL's audio thread ends and the sound server is left alone)
// this long after the last sound ended; the next sound opens it again.
inline constexpr std::chrono::milliseconds kSoundDeviceIdleRelease{1000};

// Closes the device: the next sound opens it again, with SDL_AUDIODRIVER read anew.
void ResetSoundDevice();
// How many times opening the device has been attempted in this process.
std::uint64_t SoundDeviceOpenAttempts();
bool SoundDeviceOpen();
// Returns once the device's opening that PrepareSoundDevice began has ended.
void WaitForSoundDevicePreparation();

// For one scope, the idle release runs on this clock instead of the real one: no thread waits,
// and Advance releases the device once kSoundDeviceIdleRelease has passed on it since the last
// sound. The device is closed when the scope begins and ends.
class SoundDeviceTestClock {
public:
    SoundDeviceTestClock();
    ~SoundDeviceTestClock();
    SoundDeviceTestClock(const SoundDeviceTestClock&) = delete;
    SoundDeviceTestClock& operator=(const SoundDeviceTestClock&) = delete;
    // May be called from inside a sound (by a test's backend, as the sound's time passes).
    void Advance(std::chrono::microseconds by);
};

// For one scope, sounds play on this backend's device (a test's recording one) instead of SDL's;
// decoding still uses the SDL backend. The device is closed when the scope begins and ends.
class SoundDeviceBackendScope {
public:
    explicit SoundDeviceBackendScope(const QbySoundBackend& backend);
    ~SoundDeviceBackendScope();
    SoundDeviceBackendScope(const SoundDeviceBackendScope&) = delete;
    SoundDeviceBackendScope& operator=(const SoundDeviceBackendScope&) = delete;
};

// Makes the first sound load the sound backend (the library that plays and decodes with SDL)
// from this file instead of the one beside libqbyplatform.so. False, and no effect, once a sound
// has loaded it.
bool UseSoundBackendFile(const std::string& file);

}  // namespace qby
