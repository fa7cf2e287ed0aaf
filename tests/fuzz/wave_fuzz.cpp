// Fuzzes the WAVE reader: any bytes must be refused or decode to whole frames of the output
// format, within the limits the reader promises. The first byte picks the output format.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "platform/sound/WaveImage.h"

using namespace qby::sound;

namespace {

void fail(const char* what)
{
    std::fprintf(stderr, "wave_fuzz: %s\n", what);
    std::abort();
}

constexpr OutputFormat kOutputs[] = {
    {44100, 2, kSampleFloat32},
    {48000, 2, kSampleSigned16},
    {22050, 1, kSampleSigned16},
    {8000, 6, kSampleFloat32},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const OutputFormat& output = kOutputs[data[0] % std::size(kOutputs)];
    const std::span<const std::uint8_t> image(data + 1, size - 1);

    const auto parsed = ParseWaveImage(image);
    const auto decoded = DecodeWaveImage(image, output);
    if (decoded && !parsed)
        fail("decoded an image that the check refused");
    if (!parsed)
        return 0;
    if (parsed->frames == 0 || parsed->duration > kMaxDuration)
        fail("accepted an empty or overlong sound");
    if (parsed->samples.data() < image.data() ||
        parsed->samples.data() + parsed->samples.size() > image.data() + image.size())
        fail("samples outside the image");
    const auto blockAlign = static_cast<std::size_t>(parsed->format.channels * parsed->format.bitsPerSample / 8);
    if (blockAlign == 0 || parsed->samples.size() != parsed->frames * blockAlign)
        fail("samples are not whole frames");
    if (!decoded)
        return 0;  // conversion may still refuse (output too large)
    const std::size_t outputFrame = static_cast<std::size_t>(output.channels) *
                                    (output.sampleFormat == kSampleFloat32 ? 4 : 2);
    if (decoded->samples.empty() || decoded->samples.size() % outputFrame != 0)
        fail("output is not whole frames");
    const std::uint64_t expected = parsed->frames * static_cast<std::uint64_t>(output.sampleRate) /
                                   static_cast<std::uint64_t>(parsed->format.sampleRate);
    if (decoded->samples.size() / outputFrame > expected + 1)
        fail("output longer than the sound");
    return 0;
}
