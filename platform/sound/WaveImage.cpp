#include "platform/sound/WaveImage.h"

#include "platform/sound/SoundBackend.h"

#include <array>
#include <cstring>

namespace qby::sound {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The bytes after the format tag in the sub-format GUID of an extensible format chunk.
constexpr std::array<std::uint8_t, 14> kSubFormatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// Converted output beyond this is refused rather than allocated.
constexpr std::size_t kMaxOutputBytes = std::size_t{128} << 20;

// The bits of one sample of an SDL audio format value (its low byte).
std::size_t SampleBits(std::uint16_t sampleFormat)
{
    return sampleFormat & 0xFFu;
}

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, const char (&tag)[5])
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

void Put(std::vector<std::uint8_t>& out, std::size_t& at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at++] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutTag(std::vector<std::uint8_t>& out, std::size_t& at, const char (&tag)[5])
{
    std::memcpy(out.data() + at, tag, 4);
    at += 4;
}

// The format chunk's body (at least 16 bytes).
std::optional<WaveFormat> ParseFormat(std::span<const std::uint8_t> body)
{
    if (body.size() < 16)
        return std::nullopt;
    std::uint16_t tag = Read16(body, 0);
    const int channels = Read16(body, 2);
    const std::uint32_t rate = Read32(body, 4);
    const int blockAlign = Read16(body, 12);
    const int bits = Read16(body, 14);
    if (tag == kFormatExtensible) {
        if (body.size() < 40 || Read16(body, 16) < 22 ||
            std::memcmp(body.data() + 26, kSubFormatTail.data(), kSubFormatTail.size()) != 0)
            return std::nullopt;
        tag = Read16(body, 24);
    }
    const bool pcm = tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = tag == kFormatFloat && bits == 32;
    if (!pcm && !floating)
        return std::nullopt;
    if (channels < 1 || channels > kMaxChannels)
        return std::nullopt;
    if (rate < static_cast<std::uint32_t>(kMinSampleRate) ||
        rate > static_cast<std::uint32_t>(kMaxSampleRate))
        return std::nullopt;
    if (blockAlign != channels * bits / 8)
        return std::nullopt;
    return WaveFormat{static_cast<int>(rate), channels, bits, floating};
}

// A minimal, well-formed image of checked data, so the decoder never sees the original headers.
std::vector<std::uint8_t> CanonicalImage(const WaveData& wave)
{
    constexpr std::size_t kHeaderSize = 44;
    const auto& format = wave.format;
    const auto blockAlign = static_cast<std::uint32_t>(format.channels * format.bitsPerSample / 8);
    const auto dataSize = static_cast<std::uint32_t>(wave.samples.size());
    std::vector<std::uint8_t> image(kHeaderSize + wave.samples.size());
    std::size_t at = 0;
    PutTag(image, at, "RIFF");
    Put(image, at, 36 + dataSize, 4);
    PutTag(image, at, "WAVE");
    PutTag(image, at, "fmt ");
    Put(image, at, 16, 4);
    Put(image, at, format.floatingPoint ? kFormatFloat : kFormatPcm, 2);
    Put(image, at, static_cast<std::uint32_t>(format.channels), 2);
    Put(image, at, static_cast<std::uint32_t>(format.sampleRate), 4);
    Put(image, at, static_cast<std::uint32_t>(format.sampleRate) * blockAlign, 4);
    Put(image, at, blockAlign, 2);
    Put(image, at, static_cast<std::uint32_t>(format.bitsPerSample), 2);
    PutTag(image, at, "data");
    Put(image, at, dataSize, 4);
    std::memcpy(image.data() + at, wave.samples.data(), wave.samples.size());
    return image;
}

}  // namespace

std::optional<WaveData> ParseWaveImage(std::span<const std::uint8_t> image)
{
    if (image.size() < 12 || !HasTag(image, 0, "RIFF") || !HasTag(image, 8, "WAVE"))
        return std::nullopt;
    // The RIFF size is often wrong in real files; the image's own size bounds every chunk.
    std::optional<WaveFormat> format;
    std::size_t offset = 12;
    while (image.size() - offset >= 8) {
        const std::uint32_t length = Read32(image, offset + 4);
        const std::size_t body = offset + 8;
        if (length > image.size() - body)
            return std::nullopt;  // a chunk that runs past the end: truncated or damaged
        const auto content = image.subspan(body, length);
        if (HasTag(image, offset, "fmt ")) {
            if (!format) {
                format = ParseFormat(content);
                if (!format)
                    return std::nullopt;
            }
        } else if (HasTag(image, offset, "data")) {
            if (!format)
                return std::nullopt;
            const std::size_t blockAlign =
                static_cast<std::size_t>(format->channels * format->bitsPerSample / 8);
            const std::uint64_t frames = length / blockAlign;
            if (frames == 0)
                return std::nullopt;
            const std::uint64_t micros = frames * 1'000'000 / static_cast<std::uint64_t>(format->sampleRate);
            if (micros > static_cast<std::uint64_t>(
                             std::chrono::duration_cast<std::chrono::microseconds>(kMaxDuration).count()))
                return std::nullopt;
            return WaveData{*format, content.first(frames * blockAlign), frames,
                            std::chrono::microseconds(micros)};
        }
        offset = body + length + (length & 1);
        if (offset > image.size())
            break;
    }
    return std::nullopt;
}

OutputFormat ModelOutputFormat()
{
    return OutputFormat{44100, 2, kSampleFloat32};
}

std::optional<DecodedSound> DecodeWaveImage(std::span<const std::uint8_t> image,
                                            const OutputFormat& output)
{
    const std::optional<WaveData> wave = ParseWaveImage(image);
    if (!wave)
        return std::nullopt;
    if (output.sampleRate < kMinSampleRate || output.sampleRate > kMaxSampleRate ||
        output.channels < 1 || output.channels > kMaxChannels)
        return std::nullopt;
    const std::size_t outputFrameBytes =
        static_cast<std::size_t>(output.channels) * SampleBits(output.sampleFormat) / 8;
    if (outputFrameBytes == 0)
        return std::nullopt;
    // The output is cut to the sound's own length: the resampler's padding after it is dropped.
    const std::uint64_t outputFrames =
        (wave->frames * static_cast<std::uint64_t>(output.sampleRate) +
         static_cast<std::uint64_t>(wave->format.sampleRate) / 2) /
        static_cast<std::uint64_t>(wave->format.sampleRate);
    if (outputFrames > kMaxOutputBytes / outputFrameBytes)
        return std::nullopt;
    const QbySoundBackend* backend = SoundBackend();
    if (!backend)
        return std::nullopt;

    const std::vector<std::uint8_t> canonical = CanonicalImage(*wave);
    const QbySoundFormat format{output.sampleRate, output.channels, output.sampleFormat};
    DecodedSound decoded{wave->format, wave->frames, wave->duration, {}};
    decoded.samples.resize(static_cast<std::size_t>(outputFrames) * outputFrameBytes);
    const std::int64_t written = backend->convert(canonical.data(), canonical.size(), &format,
                                                  decoded.samples.data(), decoded.samples.size());
    if (written <= 0 || static_cast<std::uint64_t>(written) > decoded.samples.size() ||
        static_cast<std::uint64_t>(written) % outputFrameBytes != 0)
        return std::nullopt;
    decoded.samples.resize(static_cast<std::size_t>(written));
    return decoded;
}

}  // namespace qby::sound
