// The sound backend: the part of sound playback that needs SDL, in a library of its own
// (libqbysoundsdl.so beside libqbyplatform.so) that is loaded when the first sound is played.
//
// SDL brings some thirty libraries of its own (sound servers, codecs, Wayland); loading them all
// at process start delayed the program's first window. The backend is our own small library
// linked against SDL in the ordinary way, rather than SDL itself opened by hand with a symbol
// looked up for each of its functions: the compiler and linker check every SDL call, and only
// the one entry point below crosses the loading boundary, with a version to check.
//
// The interface has C linkage and C types only. Calls of the device functions are serialised by
// the caller; conversion may run on any thread.
#pragma once

#include <stddef.h>
#include <stdint.h>

extern "C" {

struct QbySoundFormat {
    int32_t sampleRate;
    int32_t channels;
    uint16_t sampleFormat;  // an SDL audio format value
};

// When the device took samples, as std::chrono::steady_clock counts (nanoseconds since its
// epoch; the clock is the process's monotonic clock on both sides).
struct QbySoundTimes {
    int64_t firstSampleHanded;
    int64_t lastSampleHanded;
};

struct QbySoundBackend {
    uint32_t version;  // kQbySoundBackendVersion
    uint32_t size;     // sizeof(QbySoundBackend)

    // Starts SDL's audio (unless `release` left it started) and opens the default device (44.1
    // kHz stereo float asked for, with a 512-frame buffer; any rate, format and channel count it
    // offers taken). 1 and the device's format; 0 when there is none (audio is then shut again,
    // so that the next attempt looks for drivers afresh).
    int (*open)(QbySoundFormat* obtained);
    // 1 while the open device works; 0 when it has stopped (unplugged, say) or none is open.
    int (*alive)(void);
    // Plays whole frames in the device's format and returns once they have been heard. 0 when no
    // device is open, or it stopped or stalled (more than two seconds late) on the way.
    int (*play)(const uint8_t* samples, size_t size, int64_t durationMicroseconds,
                QbySoundTimes* times);
    // Closes the device and shuts SDL's audio. Harmless when nothing is open.
    void (*close)(void);

    // Decodes a checked WAVE image with SDL's reader and converts it to `output`, writing at most
    // `capacity` bytes (whole frames) to `out`; what would come after is dropped. The number of
    // bytes written, or -1 when the image cannot be read or converted.
    int64_t (*convert)(const uint8_t* image, size_t imageSize, const QbySoundFormat* output,
                       uint8_t* out, size_t capacity);

    // Closes an idle device that works, keeping SDL's audio started (the sound server stays
    // connected, without a stream), so that the next open is quicker; closes it like `close`
    // when it has stopped. Null in a backend without the distinction: `close` serves.
    void (*release)(void);
};

// The backend library's one exported symbol.
const QbySoundBackend* qby_sound_backend(void);

}  // extern "C"

inline constexpr uint32_t kQbySoundBackendVersion = 1;
inline constexpr char kQbySoundBackendSymbol[] = "qby_sound_backend";

namespace qby::sound {

// The backend, loaded on the first call; null when it cannot be loaded, and then sounds are
// silent. Thread-safe.
const QbySoundBackend* SoundBackend();

}  // namespace qby::sound
