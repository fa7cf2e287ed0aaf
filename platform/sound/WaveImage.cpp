#include "platform/sound/WaveImage.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace qby::sound {

static_assert(kSampleSigned16 == AUDIO_S16SYS && kSampleFloat32 == AUDIO_F32SYS,
              "sample format values are those of a little-endian machine");

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The bytes after the format tag in the sub-format GUID of an extensible format chunk.
constexpr std::array<std::uint8_t, 14> kSubFormatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// Converted output beyond this is refused rather than allocated.
constexpr std::size_t kMaxOutputBytes = std::size_t{128} << 20;
constexpr std::size_t kConversionChunk = std::size_t{1} << 20;
// More than the resampler keeps back at any ratio (it keeps about 512 source frames).
constexpr std::size_t kResamplerPaddingFrames = 2048;

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

struct WavBufferFree {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};
struct StreamFree {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

bool Drain(SDL_AudioStream* stream, std::vector<std::uint8_t>& out)
{
    for (int available = SDL_AudioStreamAvailable(stream); available > 0;
         available = SDL_AudioStreamAvailable(stream)) {
        if (out.size() + static_cast<std::size_t>(available) > kMaxOutputBytes)
            return false;
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(available));
        const int got = SDL_AudioStreamGet(stream, out.data() + at, available);
        if (got < 0)
            return false;
        out.resize(at + static_cast<std::size_t>(got));
        if (got == 0)
            break;
    }
    return true;
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
    const int outputFrameBytes = output.channels * static_cast<int>(SDL_AUDIO_BITSIZE(output.sampleFormat)) / 8;
    if (outputFrameBytes <= 0)
        return std::nullopt;
    const std::uint64_t expectedBytes =
        (wave->frames * static_cast<std::uint64_t>(output.sampleRate) /
             static_cast<std::uint64_t>(wave->format.sampleRate) + 64) *
        static_cast<std::uint64_t>(outputFrameBytes);
    if (expectedBytes > kMaxOutputBytes)
        return std::nullopt;

    const std::vector<std::uint8_t> canonical = CanonicalImage(*wave);
    SDL_RWops* source = SDL_RWFromConstMem(canonical.data(), static_cast<int>(canonical.size()));
    if (!source)
        return std::nullopt;
    SDL_AudioSpec spec{};
    Uint8* rawBuffer = nullptr;
    Uint32 rawLength = 0;
    if (!SDL_LoadWAV_RW(source, 1, &spec, &rawBuffer, &rawLength))
        return std::nullopt;
    const std::unique_ptr<Uint8, WavBufferFree> buffer(rawBuffer);
    if (spec.freq <= 0 || spec.channels == 0 || rawLength == 0)
        return std::nullopt;

    const std::unique_ptr<SDL_AudioStream, StreamFree> stream(
        SDL_NewAudioStream(spec.format, spec.channels, spec.freq, output.sampleFormat,
                           static_cast<Uint8>(output.channels), output.sampleRate));
    if (!stream)
        return std::nullopt;
    DecodedSound decoded{wave->format, wave->frames, wave->duration, {}};
    decoded.samples.reserve(static_cast<std::size_t>(expectedBytes));
    for (std::size_t at = 0; at < rawLength; at += kConversionChunk) {
        const std::size_t length = std::min<std::size_t>(kConversionChunk, rawLength - at);
        if (SDL_AudioStreamPut(stream.get(), buffer.get() + at, static_cast<int>(length)) != 0 ||
            !Drain(stream.get(), decoded.samples))
            return std::nullopt;
    }
    // The resampler holds back the last few hundred frames, and flushing does not hand them
    // out: push them through with silence, then cut the output to the sound's own length.
    const std::size_t sourceFrameBytes =
        static_cast<std::size_t>(spec.channels) * SDL_AUDIO_BITSIZE(spec.format) / 8;
    const std::vector<Uint8> padding(kResamplerPaddingFrames * sourceFrameBytes,
                                     spec.format == AUDIO_U8 ? 0x80 : 0x00);
    if (SDL_AudioStreamPut(stream.get(), padding.data(), static_cast<int>(padding.size())) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0 || !Drain(stream.get(), decoded.samples))
        return std::nullopt;
    const std::uint64_t outputFrames =
        (wave->frames * static_cast<std::uint64_t>(output.sampleRate) +
         static_cast<std::uint64_t>(wave->format.sampleRate) / 2) /
        static_cast<std::uint64_t>(wave->format.sampleRate);
    const std::size_t wholeFrames = std::min<std::size_t>(
        decoded.samples.size() / static_cast<std::size_t>(outputFrameBytes), outputFrames);
    decoded.samples.resize(wholeFrames * static_cast<std::size_t>(outputFrameBytes));
    if (decoded.samples.empty())
        return std::nullopt;
    return decoded;
}

}  // namespace qby::sound
