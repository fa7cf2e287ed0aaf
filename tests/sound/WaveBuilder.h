// Builds WAVE file images for tests, well-formed or damaged on purpose.
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace qby::test {

struct WaveBuilder {
    std::uint16_t formatTag = 1;  // PCM
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 44100;
    std::uint16_t bitsPerSample = 16;
    // Derived from the fields above unless set.
    std::int64_t blockAlign = -1;
    std::uint32_t frames = 441;  // 10 ms at 44.1 kHz
    // Every sample of every channel (scaled to the sample width; 0.5 is half scale).
    double level = 0.5;
    // Chunks placed between the format and the data chunk, as (id, body).
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> extraChunks;
    // Overrides of the sizes written in the headers.
    std::int64_t riffSizeOverride = -1;
    std::int64_t formatSizeOverride = -1;
    std::int64_t dataSizeOverride = -1;
    bool dataBeforeFormat = false;
    bool extensible = false;

    std::vector<std::uint8_t> Build() const
    {
        const std::uint16_t align = blockAlign >= 0 ? static_cast<std::uint16_t>(blockAlign)
                                                    : static_cast<std::uint16_t>(channels * bitsPerSample / 8);
        std::vector<std::uint8_t> format;
        Put16(format, extensible ? 0xFFFE : formatTag);
        Put16(format, channels);
        Put32(format, sampleRate);
        Put32(format, sampleRate * align);
        Put16(format, align);
        Put16(format, bitsPerSample);
        if (extensible) {
            Put16(format, 22);
            Put16(format, bitsPerSample);
            Put32(format, channels == 2 ? 3 : 4);
            Put16(format, formatTag);
            const std::uint8_t tail[] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
            format.insert(format.end(), std::begin(tail), std::end(tail));
        }
        std::vector<std::uint8_t> data;
        const int bytesPerSample = bitsPerSample / 8;
        for (std::uint32_t frame = 0; frame < frames; ++frame) {
            for (int channel = 0; channel < channels; ++channel)
                PutSample(data, bytesPerSample);
        }

        std::vector<std::uint8_t> body;
        PutTag(body, "WAVE");
        auto putChunk = [&](const std::string& id, const std::vector<std::uint8_t>& content,
                            std::int64_t sizeOverride) {
            PutTag(body, id);
            Put32(body, static_cast<std::uint32_t>(sizeOverride >= 0 ? sizeOverride : content.size()));
            body.insert(body.end(), content.begin(), content.end());
            if (content.size() % 2)
                body.push_back(0);
        };
        if (dataBeforeFormat)
            putChunk("data", data, dataSizeOverride);
        putChunk("fmt ", format, formatSizeOverride);
        for (const auto& [id, content] : extraChunks)
            putChunk(id, content, -1);
        if (!dataBeforeFormat)
            putChunk("data", data, dataSizeOverride);

        std::vector<std::uint8_t> image;
        PutTag(image, "RIFF");
        Put32(image, static_cast<std::uint32_t>(riffSizeOverride >= 0 ? riffSizeOverride : body.size()));
        image.insert(image.end(), body.begin(), body.end());
        return image;
    }

private:
    void PutSample(std::vector<std::uint8_t>& out, int bytes) const
    {
        if (formatTag == 3) {
            const float value = static_cast<float>(level);
            std::uint32_t raw;
            static_assert(sizeof raw == sizeof value);
            std::memcpy(&raw, &value, sizeof raw);
            Put32(out, raw);
            return;
        }
        if (bytes <= 0)
            return;
        if (bytes == 1) {
            out.push_back(static_cast<std::uint8_t>(128 + static_cast<int>(level * 127)));
            return;
        }
        const auto full = static_cast<double>((std::int64_t{1} << (bytes * 8 - 1)) - 1);
        auto value = static_cast<std::int64_t>(level * full);
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
    static void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
    {
        out.push_back(static_cast<std::uint8_t>(value));
        out.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    static void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
    {
        Put16(out, value & 0xFFFF);
        Put16(out, value >> 16);
    }
    static void PutTag(std::vector<std::uint8_t>& out, const std::string& tag)
    {
        // One byte at a time: GCC 12 warns about a range insert into an empty vector here.
        for (std::size_t i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
};

// A well-formed 16-bit mono sound of `milliseconds` at 44.1 kHz.
inline std::vector<std::uint8_t> ToneOf(int milliseconds)
{
    WaveBuilder wave;
    wave.frames = static_cast<std::uint32_t>(44100 * milliseconds / 1000);
    return wave.Build();
}

}  // namespace qby::test
