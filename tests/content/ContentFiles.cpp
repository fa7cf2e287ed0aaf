#include "ContentFiles.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace contenttest {

std::filesystem::path resourcePath(const std::string& relative)
{
    return std::filesystem::path(QBY_SOURCE_DIR) / "resources" / relative;
}

std::optional<std::string> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> splitCrLf(const std::string& text, bool& wellFormed)
{
    wellFormed = true;
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.push_back(line);
            line.clear();
            ++i;
        } else if (c == '\r' || c == '\n') {
            wellFormed = false;  // a lone CR or LF
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        wellFormed = false;  // last line without its CR LF
        lines.push_back(line);
    }
    return lines;
}

namespace {

uint32_t le32(const std::string& b, size_t at)
{
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

uint16_t le16(const std::string& b, size_t at)
{
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

}  // namespace

std::optional<WaveInfo> parseWave(const std::string& bytes, std::string& error)
{
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        error = "not a RIFF WAVE file";
        return std::nullopt;
    }
    if (uint64_t(le32(bytes, 4)) + 8 != bytes.size()) {
        error = "RIFF size does not match the file size";
        return std::nullopt;
    }
    WaveInfo info;
    bool haveFormat = false;
    size_t dataAt = 0;
    uint32_t dataSize = 0;
    bool haveData = false;
    uint16_t blockAlign = 0;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const uint32_t size = le32(bytes, at + 4);
        if (uint64_t(at) + 8 + size > bytes.size()) {
            error = "chunk '" + id + "' runs past the end of the file";
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16) {
                error = "format chunk too short";
                return std::nullopt;
            }
            info.format = le16(bytes, at + 8);
            info.channels = le16(bytes, at + 10);
            info.sampleRate = le32(bytes, at + 12);
            blockAlign = le16(bytes, at + 20);
            info.bitsPerSample = le16(bytes, at + 22);
            haveFormat = true;
        } else if (id == "data") {
            dataAt = at + 8;
            dataSize = size;
            haveData = true;
        }
        at += 8 + size + (size & 1);  // chunks are padded to an even size
    }
    if (!haveFormat || !haveData) {
        error = haveFormat ? "no data chunk" : "no format chunk";
        return std::nullopt;
    }
    const unsigned bytesPerSample = info.bitsPerSample / 8;
    if (info.channels == 0 || (info.bitsPerSample != 8 && info.bitsPerSample != 16) ||
        blockAlign != info.channels * bytesPerSample) {
        error = "unsupported or inconsistent sample layout";
        return std::nullopt;
    }
    if (dataSize % blockAlign != 0) {
        error = "data is not a whole number of frames";
        return std::nullopt;
    }
    info.frames = dataSize / blockAlign;
    info.samples.reserve(info.frames);
    for (uint32_t f = 0; f < info.frames; ++f) {
        const size_t at = dataAt + size_t(f) * blockAlign;
        if (info.bitsPerSample == 8)
            info.samples.push_back((int(uint8_t(bytes[at])) - 128) / 128.0);
        else
            info.samples.push_back(int16_t(le16(bytes, at)) / 32768.0);
    }
    return info;
}

std::optional<std::vector<std::string>> wordsOfTable(const std::string& name)
{
    const auto bytes = readFile(resourcePath("DATA/" + name + ".txt"));
    if (!bytes)
        return std::nullopt;
    bool wellFormed = false;
    const std::vector<std::string> lines = splitCrLf(*bytes, wellFormed);
    if (name.ends_with("_PICANDWORDS"))
        return lines;

    // Groups: a heading line, a count line, then count records of `recordLines` lines each.
    const size_t recordLines = name.ends_with("_INF") ? 4 : 1;
    std::vector<std::string> words;
    for (size_t at = 0; at < lines.size();) {
        if (at + 1 >= lines.size() || lines[at + 1].empty() || lines[at + 1].size() > 6 ||
            lines[at + 1].find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        const size_t count = std::stoul(lines[at + 1]);
        at += 2;
        if (count > (lines.size() - at) / recordLines)
            return std::nullopt;
        for (size_t i = 0; i < count; ++i, at += recordLines)
            words.push_back(lines[at]);
    }
    return words;
}

std::string wordKey(const std::string& word)
{
    std::string key;
    for (const char c : word)
        if (c != ' ')
            key += char(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace contenttest
