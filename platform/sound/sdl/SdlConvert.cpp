#include "platform/sound/sdl/SdlConvert.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

namespace qby::sound::sdl {
namespace {

constexpr std::size_t kConversionChunk = std::size_t{1} << 20;
// More than the resampler keeps back at any ratio (it keeps about 512 source frames).
constexpr std::size_t kResamplerPaddingFrames = 2048;
// Output beyond the caller's capacity is read in pieces of this many frames and dropped.
constexpr std::size_t kDropFrames = 4096;

struct WavBufferFree {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};
struct StreamFree {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

// Where the converted samples go: the caller's buffer until it is full, then nowhere.
struct Output {
    std::uint8_t* data;
    std::size_t capacity;
    std::size_t frameBytes;
    std::size_t written = 0;
    std::vector<std::uint8_t> dropped;
};

// Takes everything the stream has ready (whole output frames).
bool Drain(SDL_AudioStream* stream, Output& out)
{
    for (int available = SDL_AudioStreamAvailable(stream); available > 0;
         available = SDL_AudioStreamAvailable(stream)) {
        const std::size_t room = out.capacity - out.written;
        std::uint8_t* target = out.data + out.written;
        std::size_t wanted = std::min(static_cast<std::size_t>(available), room);
        if (room == 0) {
            out.dropped.resize(kDropFrames * out.frameBytes);
            target = out.dropped.data();
            wanted = std::min(static_cast<std::size_t>(available), out.dropped.size());
        }
        const int got = SDL_AudioStreamGet(stream, target, static_cast<int>(wanted));
        if (got < 0)
            return false;
        if (room != 0)
            out.written += static_cast<std::size_t>(got);
        if (got == 0)
            break;
    }
    return true;
}

}  // namespace

int64_t ConvertWave(const uint8_t* image, size_t imageSize, const QbySoundFormat* output,
                    uint8_t* out, size_t capacity)
{
    if (image == nullptr || imageSize > static_cast<size_t>(INT_MAX) || output == nullptr ||
        output->channels < 1 || output->channels > UINT8_MAX || output->sampleRate <= 0)
        return -1;
    const std::size_t outputFrameBytes =
        static_cast<std::size_t>(output->channels) * SDL_AUDIO_BITSIZE(output->sampleFormat) / 8;
    if (outputFrameBytes == 0 || capacity % outputFrameBytes != 0 || (out == nullptr && capacity != 0))
        return -1;

    SDL_RWops* source = SDL_RWFromConstMem(image, static_cast<int>(imageSize));
    if (!source)
        return -1;
    SDL_AudioSpec spec{};
    Uint8* rawBuffer = nullptr;
    Uint32 rawLength = 0;
    if (!SDL_LoadWAV_RW(source, 1, &spec, &rawBuffer, &rawLength))
        return -1;
    const std::unique_ptr<Uint8, WavBufferFree> buffer(rawBuffer);
    if (spec.freq <= 0 || spec.channels == 0 || rawLength == 0)
        return -1;

    const std::unique_ptr<SDL_AudioStream, StreamFree> stream(
        SDL_NewAudioStream(spec.format, spec.channels, spec.freq, output->sampleFormat,
                           static_cast<Uint8>(output->channels), output->sampleRate));
    if (!stream)
        return -1;
    Output converted{out, capacity, outputFrameBytes, 0, {}};
    for (std::size_t at = 0; at < rawLength; at += kConversionChunk) {
        const std::size_t length = std::min<std::size_t>(kConversionChunk, rawLength - at);
        if (SDL_AudioStreamPut(stream.get(), buffer.get() + at, static_cast<int>(length)) != 0 ||
            !Drain(stream.get(), converted))
            return -1;
    }
    // The resampler holds back the last few hundred frames, and flushing does not hand them out
    // (SDL 2.26): push them through with silence; the caller's capacity cuts the output to the
    // sound's own length.
    const std::size_t sourceFrameBytes =
        static_cast<std::size_t>(spec.channels) * SDL_AUDIO_BITSIZE(spec.format) / 8;
    const std::vector<Uint8> padding(kResamplerPaddingFrames * sourceFrameBytes,
                                     spec.format == AUDIO_U8 ? 0x80 : 0x00);
    if (SDL_AudioStreamPut(stream.get(), padding.data(), static_cast<int>(padding.size())) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0 || !Drain(stream.get(), converted))
        return -1;
    return static_cast<int64_t>(converted.written);
}

}  // namespace qby::sound::sdl
