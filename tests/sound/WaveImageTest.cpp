// Checking and decoding WAVE images: what is accepted, what is refused, and what comes out.
#include "WaveBuilder.h"

#include "platform/sound/WaveImage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qby::sound {
namespace {

using test::WaveBuilder;

TEST(WaveImage, AcceptsPcmAndFloatFormats)
{
    struct Case {
        std::uint16_t tag, bits, channels;
        bool extensible;
    };
    for (const Case c : {Case{1, 8, 1, false}, Case{1, 16, 1, false}, Case{1, 16, 2, false},
                         Case{1, 24, 1, false}, Case{1, 32, 2, false}, Case{3, 32, 1, false},
                         Case{1, 16, 2, true}, Case{3, 32, 2, true}}) {
        WaveBuilder wave;
        wave.formatTag = c.tag;
        wave.bitsPerSample = c.bits;
        wave.channels = c.channels;
        wave.extensible = c.extensible;
        wave.sampleRate = 22050;
        wave.frames = 2205;
        const auto parsed = ParseWaveImage(wave.Build());
        ASSERT_TRUE(parsed) << "tag " << c.tag << " bits " << c.bits << " extensible " << c.extensible;
        EXPECT_EQ(parsed->format.sampleRate, 22050);
        EXPECT_EQ(parsed->format.channels, c.channels);
        EXPECT_EQ(parsed->format.bitsPerSample, c.bits);
        EXPECT_EQ(parsed->format.floatingPoint, c.tag == 3);
        EXPECT_EQ(parsed->frames, 2205u);
        EXPECT_EQ(parsed->duration, std::chrono::milliseconds(100));
    }
}

TEST(WaveImage, SkipsOtherChunksAndTheirPadding)
{
    WaveBuilder wave;
    wave.extraChunks = {{"LIST", {1, 2, 3}}, {"fact", {0, 0, 0, 0}}};
    const auto image = wave.Build();
    const auto parsed = ParseWaveImage(image);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->frames, 441u);
    // The samples are the data chunk's, not the padding byte before it.
    EXPECT_EQ(parsed->samples.data() + parsed->samples.size(), image.data() + image.size());
}

TEST(WaveImage, ToleratesAWrongRiffSizeAndDropsAPartialFrame)
{
    WaveBuilder wrongRiff;
    wrongRiff.riffSizeOverride = 4;
    EXPECT_TRUE(ParseWaveImage(wrongRiff.Build()));

    WaveBuilder stereo;
    stereo.channels = 2;
    stereo.frames = 10;
    auto image = stereo.Build();
    // Declare three more bytes of data and supply them: not a whole frame.
    image.insert(image.end(), {1, 2, 3});
    image[image.size() - 40 - 3 - 4] += 3;  // the data chunk's size field
    const auto parsed = ParseWaveImage(image);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->frames, 10u);
    EXPECT_EQ(parsed->samples.size(), 40u);
}

TEST(WaveImage, RefusesEveryTruncationOfAGoodImage)
{
    const auto image = WaveBuilder{}.Build();
    ASSERT_TRUE(ParseWaveImage(image));
    for (std::size_t length = 0; length < image.size(); ++length) {
        const std::vector<std::uint8_t> cut(image.begin(), image.begin() + static_cast<long>(length));
        EXPECT_FALSE(ParseWaveImage(cut)) << "cut at " << length;
        EXPECT_FALSE(DecodeWaveImage(cut, ModelOutputFormat())) << "cut at " << length;
    }
}

TEST(WaveImage, RefusesDamagedHeaders)
{
    struct Case {
        const char* what;
        WaveBuilder wave;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, auto change) {
        WaveBuilder wave;
        change(wave);
        cases.push_back({what, wave});
    };
    add("data chunk longer than the image", [](WaveBuilder& w) { w.dataSizeOverride = 882 + 2; });
    add("data chunk of 4 GiB", [](WaveBuilder& w) { w.dataSizeOverride = 0xFFFFFFFF; });
    add("format chunk of 4 GiB", [](WaveBuilder& w) { w.formatSizeOverride = 0xFFFFFFF0; });
    add("format chunk too short", [](WaveBuilder& w) { w.formatSizeOverride = 14; });
    add("zero channels", [](WaveBuilder& w) { w.channels = 0; w.blockAlign = 2; });
    add("nine channels", [](WaveBuilder& w) { w.channels = 9; });
    add("zero sample rate", [](WaveBuilder& w) { w.sampleRate = 0; });
    add("huge sample rate", [](WaveBuilder& w) { w.sampleRate = 0xFFFFFFFF; });
    add("block size not matching the format", [](WaveBuilder& w) { w.blockAlign = 3; });
    add("block size zero", [](WaveBuilder& w) { w.blockAlign = 0; });
    add("12-bit samples", [](WaveBuilder& w) { w.bitsPerSample = 12; });
    add("zero-bit samples", [](WaveBuilder& w) { w.bitsPerSample = 0; w.blockAlign = 0; });
    add("64-bit float", [](WaveBuilder& w) { w.formatTag = 3; w.bitsPerSample = 64; });
    add("compressed (ADPCM)", [](WaveBuilder& w) { w.formatTag = 2; });
    add("no samples", [](WaveBuilder& w) { w.frames = 0; });
    add("data before format", [](WaveBuilder& w) { w.dataBeforeFormat = true; });
    add("longer than a minute", [](WaveBuilder& w) {
        w.sampleRate = 1000;
        w.bitsPerSample = 8;
        w.frames = 61000;
    });
    for (const Case& c : cases) {
        const auto image = c.wave.Build();
        EXPECT_FALSE(ParseWaveImage(image)) << c.what;
        EXPECT_FALSE(DecodeWaveImage(image, ModelOutputFormat())) << c.what;
    }
}

TEST(WaveImage, RefusesWhatIsNotAWave)
{
    const std::vector<std::uint8_t> empty;
    EXPECT_FALSE(ParseWaveImage(empty));
    auto image = WaveBuilder{}.Build();
    std::memcpy(image.data() + 8, "AVI ", 4);
    EXPECT_FALSE(ParseWaveImage(image));
    std::vector<std::uint8_t> text(200, 'x');
    EXPECT_FALSE(ParseWaveImage(text));
}

TEST(WaveImage, DecodesToTheOutputFormat)
{
    WaveBuilder wave;
    wave.sampleRate = 22050;
    wave.frames = 11025;  // half a second
    wave.level = 0.5;
    const auto decoded = DecodeWaveImage(wave.Build(), ModelOutputFormat());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->source.sampleRate, 22050);
    EXPECT_EQ(decoded->frames, 11025u);
    EXPECT_EQ(decoded->duration, std::chrono::milliseconds(500));

    // 44.1 kHz stereo float: twice the frames, two channels, four bytes each.
    ASSERT_EQ(decoded->samples.size(), 22050u * 2 * 4);
    std::vector<float> samples(decoded->samples.size() / 4);
    std::memcpy(samples.data(), decoded->samples.data(), samples.size() * 4);
    // The resampled signal keeps its level in both channels, up to the end: the resampler's
    // last frames are not lost.
    for (std::size_t frame : {1000u, 11000u, 21500u, 22000u}) {
        EXPECT_NEAR(samples[2 * frame], 0.5f, 0.01f) << frame;
        EXPECT_NEAR(samples[2 * frame + 1], 0.5f, 0.01f) << frame;
    }
}

TEST(WaveImage, DecodesEveryAcceptedWidthToTheSameLevel)
{
    const OutputFormat output{44100, 1, kSampleSigned16};
    for (std::uint16_t bits : {8, 16, 24, 32}) {
        WaveBuilder wave;
        wave.bitsPerSample = bits;
        wave.level = -0.25;
        const auto decoded = DecodeWaveImage(wave.Build(), output);
        ASSERT_TRUE(decoded) << bits;
        ASSERT_EQ(decoded->samples.size(), 441u * 2) << bits;
        std::int16_t middle;
        std::memcpy(&middle, decoded->samples.data() + 400, 2);
        EXPECT_NEAR(middle, -0.25 * 32767, 300) << bits;
    }
}

TEST(WaveImage, RefusesAnImpossibleOutputFormat)
{
    const auto image = WaveBuilder{}.Build();
    EXPECT_FALSE(DecodeWaveImage(image, OutputFormat{0, 2, kSampleFloat32}));
    EXPECT_FALSE(DecodeWaveImage(image, OutputFormat{44100, 0, kSampleFloat32}));
    EXPECT_FALSE(DecodeWaveImage(image, OutputFormat{44100, 2, 0}));
}

}  // namespace
}  // namespace qby::sound
