// Reading the program's content files straight from the source tree: raw bytes, table lines and
// the header and samples of a PCM WAVE file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace contenttest {

std::filesystem::path resourcePath(const std::string& relative);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& path);

// The lines of a CR LF table (without their line ends). Sets `wellFormed` to false when a line
// end is not CR LF or the last line has none.
std::vector<std::string> splitCrLf(const std::string& text, bool& wellFormed);

struct WaveInfo {
    uint16_t format = 0;  // 1 = PCM
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
    uint32_t frames = 0;
    std::vector<double> samples;  // first channel, scaled to [-1, 1)
    double seconds() const { return sampleRate ? double(frames) / sampleRate : 0.0; }
};

// Parses a RIFF WAVE image: the "fmt " chunk and the "data" chunk, walking the chunks with their
// sizes checked against the file. Returns nothing, with `error` set, for anything malformed.
std::optional<WaveInfo> parseWave(const std::string& bytes, std::string& error);

// Every word of a word table, read from the committed file: the words of the letter groups of
// ENG_INF/US_INF, of the subject groups of ENG_WRDS/US_WRDS, every line of the word lists.
// Returns nothing for a missing or malformed table.
std::optional<std::vector<std::string>> wordsOfTable(const std::string& name);

// Word key of a word: its blanks removed, in upper case ("Ice cream" -> "ICECREAM").
std::string wordKey(const std::string& word);

}  // namespace contenttest
