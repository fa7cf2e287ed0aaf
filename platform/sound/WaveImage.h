// Reading a WAVE file image held in memory: a strict check of its structure, then decoding and
// conversion to an output format.
//
// Every read is bounded by the image's size, whatever its chunk headers claim. Only complete PCM
// (8, 16, 24, 32 bit) and 32-bit float images within the limits below are accepted; anything
// else is refused as a whole, so a damaged sound is never half played.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qby::sound {

inline constexpr int kMinSampleRate = 1000;
inline constexpr int kMaxSampleRate = 384000;
inline constexpr int kMaxChannels = 8;
// A longer sound would hold the user-interface thread for its whole length.
inline constexpr std::chrono::seconds kMaxDuration{60};

struct WaveFormat {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    bool floatingPoint = false;
};

// The sample data of a checked image: a view into the image.
struct WaveData {
    WaveFormat format;
    std::span<const std::uint8_t> samples;  // whole frames only
    std::uint64_t frames = 0;
    std::chrono::microseconds duration{};
};

// Checks the RIFF structure, the format chunk and the data chunk. A data chunk that claims more
// bytes than the image holds is refused; a trailing partial frame is dropped.
std::optional<WaveData> ParseWaveImage(std::span<const std::uint8_t> image);

// Sample formats of an output (SDL audio format values on a little-endian machine).
inline constexpr std::uint16_t kSampleSigned16 = 0x8010;  // AUDIO_S16SYS
inline constexpr std::uint16_t kSampleFloat32 = 0x8120;   // AUDIO_F32SYS

// An output format; sampleFormat is an SDL audio format value (the two above, or any other
// that SDL knows, as a device may ask for).
struct OutputFormat {
    int sampleRate = 44100;
    int channels = 2;
    std::uint16_t sampleFormat = kSampleFloat32;
    bool operator==(const OutputFormat&) const = default;
};
// 44100 Hz stereo float, the format used when no device is open.
OutputFormat ModelOutputFormat();

struct DecodedSound {
    WaveFormat source;
    std::uint64_t frames = 0;  // in the source
    std::chrono::microseconds duration{};
    std::vector<std::uint8_t> samples;  // in the output format
};

// Parses the image, decodes it with SDL's WAVE reader from memory and converts it to `output`,
// cut to the sound's own length. Decoding is done by the sound backend: nothing when it cannot
// be loaded.
std::optional<DecodedSound> DecodeWaveImage(std::span<const std::uint8_t> image,
                                            const OutputFormat& output);

}  // namespace qby::sound
