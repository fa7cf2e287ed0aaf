// The spoken letters and words and the sound effects as committed: one recording for every word
// of every table, each a PCM WAVE of the stated format, trimmed, not clipped; effects short.
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace contenttest;
namespace fs = std::filesystem;

namespace {

const char* const kTables[] = {"ENG_INF", "US_INF",          "ENG_WRDS",
                               "US_WRDS", "ENG_PICANDWORDS", "US_PICANDWORDS"};

std::set<std::string> allWordKeys()
{
    std::set<std::string> keys;
    for (const char* table : kTables) {
        const auto words = wordsOfTable(table);
        if (!words) {
            ADD_FAILURE() << table << " is missing or malformed";
            continue;
        }
        for (const std::string& word : *words)
            keys.insert(wordKey(word));
    }
    return keys;
}

std::set<std::string> wavesIn(const std::string& folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(resourcePath(folder), error))
        if (entry.path().extension() == ".wav")
            names.insert(entry.path().stem().string());
    return names;
}

std::optional<WaveInfo> loadWave(const std::string& relative)
{
    const auto bytes = readFile(resourcePath(relative));
    if (!bytes) {
        ADD_FAILURE() << relative << " is missing";
        return std::nullopt;
    }
    std::string error;
    auto info = parseWave(*bytes, error);
    if (!info)
        ADD_FAILURE() << relative << ": " << error;
    return info;
}

double peakOf(const WaveInfo& wave)
{
    double peak = 0;
    for (const double s : wave.samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

// A sample at either end of the 16-bit range means the recording was clipped.
bool clipped(const WaveInfo& wave)
{
    return std::any_of(wave.samples.begin(), wave.samples.end(),
                       [](double s) { return s >= 32767.0 / 32768.0 || s <= -1.0; });
}

// Milliseconds before the first and after the last sample louder than -45 dBFS.
std::pair<double, double> outerSilenceMs(const WaveInfo& wave)
{
    const double threshold = std::pow(10.0, -45.0 / 20.0);
    const auto loud = [threshold](double s) { return std::abs(s) > threshold; };
    const auto first = std::find_if(wave.samples.begin(), wave.samples.end(), loud);
    const auto last = std::find_if(wave.samples.rbegin(), wave.samples.rend(), loud);
    const double perMs = wave.sampleRate / 1000.0;
    return {double(first - wave.samples.begin()) / perMs,
            double(last - wave.samples.rbegin()) / perMs};
}

// The checks shared by spoken letters and words: PCM, 16 bit, 44100 Hz, a real spoken length,
// not clipped, leading and trailing silence trimmed to at most 30 ms.
void expectSpokenClip(const std::string& relative, const WaveInfo& wave)
{
    SCOPED_TRACE(relative);
    EXPECT_EQ(wave.format, 1);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_EQ(wave.sampleRate, 44100u);
    EXPECT_GE(wave.seconds(), 0.15);
    EXPECT_LE(wave.seconds(), 2.5);
    EXPECT_FALSE(clipped(wave));
    EXPECT_GT(peakOf(wave), 0.25) << "too quiet";
    const auto [lead, tail] = outerSilenceMs(wave);
    EXPECT_LE(lead, 30.0);
    EXPECT_LE(tail, 30.0);
}

TEST(Recordings, EveryWordOfEveryTableHasItsRecording)
{
    const std::set<std::string> keys = allWordKeys();
    EXPECT_EQ(keys.size(), 165u);
    EXPECT_TRUE(keys.count("COAST") && keys.count("TRUMPET"));
    EXPECT_TRUE(keys.count("JEWELLERY") && keys.count("JEWELRY"));
    EXPECT_TRUE(keys.count("CHILLI") && keys.count("CHILI"));
    EXPECT_TRUE(keys.count("ICECREAM") && keys.count("KNIFEANDFORK") && keys.count("XRAY"));
    // Exactly the word keys: a missing recording or a stray file both show here.
    EXPECT_EQ(wavesIn("WORDS"), keys);

    int stereo = 0;
    for (const std::string& key : keys) {
        const std::string relative = "WORDS/" + key + ".wav";
        const auto wave = loadWave(relative);
        if (!wave)
            continue;
        expectSpokenClip(relative, *wave);
        EXPECT_TRUE(wave->channels == 1 || wave->channels == 2) << relative;
        stereo += wave->channels == 2;
    }
    EXPECT_LE(stereo, 1);
}

TEST(Recordings, EveryLetterIsSpokenInMono)
{
    std::set<std::string> letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters.insert(std::string(1, c));
    EXPECT_EQ(wavesIn("LETTERS"), letters);
    for (const std::string& letter : letters) {
        const std::string relative = "LETTERS/" + letter + ".wav";
        const auto wave = loadWave(relative);
        if (!wave)
            continue;
        expectSpokenClip(relative, *wave);
        EXPECT_EQ(wave->channels, 1) << relative;
    }
}

TEST(Effects, AllEightArePcmShortAndFaded)
{
    const std::set<std::string> names = {"BELLHIGH", "BELLLOW", "BUBBLES", "BUTTON",
                                         "CLICK",    "LOOSE",   "POP",     "WIN"};
    EXPECT_EQ(wavesIn("AUDIO"), names);
    for (const std::string& name : names) {
        const std::string relative = "AUDIO/" + name + ".wav";
        SCOPED_TRACE(relative);
        const auto wave = loadWave(relative);
        if (!wave)
            continue;
        EXPECT_EQ(wave->format, 1);
        EXPECT_TRUE(wave->bitsPerSample == 8 || wave->bitsPerSample == 16);
        EXPECT_EQ(wave->channels, name == "BUBBLES" ? 2 : 1);
        EXPECT_GT(wave->seconds(), 0.01);
        EXPECT_LE(wave->seconds(), 1.5);
        EXPECT_LT(peakOf(*wave), 0.99) << "clipped";
        EXPECT_GT(peakOf(*wave), 0.1) << "too quiet";
        ASSERT_FALSE(wave->samples.empty());
        // Faded in and out: no step at either end.
        EXPECT_LE(std::abs(wave->samples.front()), 0.02);
        EXPECT_LE(std::abs(wave->samples.back()), 0.02);
    }
}

TEST(WaveParser, RejectsDamagedFiles)
{
    const auto bytes = readFile(resourcePath("AUDIO/CLICK.wav"));
    ASSERT_TRUE(bytes);
    std::string error;
    ASSERT_TRUE(parseWave(*bytes, error)) << error;

    EXPECT_FALSE(parseWave(bytes->substr(0, bytes->size() - 1), error));  // truncated
    EXPECT_FALSE(parseWave("", error));
    std::string notWave = *bytes;
    notWave.replace(8, 4, "AVI ");
    EXPECT_FALSE(parseWave(notWave, error));
    std::string hugeChunk = *bytes;
    hugeChunk.replace(16, 4, std::string("\xff\xff\xff\x7f", 4));  // "fmt " size past the end
    EXPECT_FALSE(parseWave(hugeChunk, error));
}

}  // namespace
