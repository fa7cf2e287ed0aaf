// The word pictures: every word of the six word tables has its JPEG picture of 300 x 225 pixels
// under resources/CUSTOM/<WORDKEY>.jpg, and there are exactly the 165 pictures of the word keys.
// The JPEG frame header is read here directly, so the check needs no image library.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ContentFiles.h"

namespace {

using contenttest::readFile;
using contenttest::resourcePath;

struct JpegFrame {
    int width = 0;
    int height = 0;
    bool baseline = false;  // SOF0 (or SOF1, extended sequential): not progressive
};

// Walks the marker segments from SOI up to the first start-of-frame and returns its size.
// Nothing for a file that is not a JPEG or whose segments run past its end.
std::optional<JpegFrame> readJpegFrame(const std::string& b)
{
    auto byte = [&](size_t at) { return uint8_t(b[at]); };
    if (b.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return std::nullopt;
    size_t at = 2;
    while (at + 4 <= b.size()) {
        if (byte(at) != 0xFF)
            return std::nullopt;
        uint8_t marker = byte(at + 1);
        if (marker == 0xFF) {  // fill byte before a marker
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length field
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)
            return std::nullopt;  // EOI/SOS before a frame
        const size_t length = size_t(byte(at + 2)) << 8 | byte(at + 3);
        if (length < 2 || at + 2 + length > b.size())
            return std::nullopt;
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (length < 8)
                return std::nullopt;
            JpegFrame frame;
            frame.height = int(byte(at + 5)) << 8 | byte(at + 6);
            frame.width = int(byte(at + 7)) << 8 | byte(at + 8);
            frame.baseline = marker == 0xC0 || marker == 0xC1;
            return frame;
        }
        at += 2 + length;
    }
    return std::nullopt;
}

// A JPEG header up to its frame: SOI, an APP0 segment, then a frame of the given kind and size.
std::string jpegHeader(uint8_t frameMarker, int width, int height)
{
    std::string b = {char(0xFF), char(0xD8)};
    b += {char(0xFF), char(0xE0), 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    b += {char(0xFF),       char(frameMarker),  0, 17, 8, char(height >> 8), char(height & 0xFF),
          char(width >> 8), char(width & 0xFF), 3};
    b += std::string(9, '\x11');
    return b;
}

const std::vector<std::string> kTables = {"ENG_INF", "US_INF",          "ENG_WRDS",
                                          "US_WRDS", "ENG_PICANDWORDS", "US_PICANDWORDS"};

std::filesystem::path picturePath(const std::string& key)
{
    return resourcePath("CUSTOM/" + key + ".jpg");
}

// A picture of one flat colour compresses to well under this; every real picture is larger.
constexpr size_t kSmallestPicture = 1500;

}  // namespace

TEST(JpegFrameReader, ReadsSizeAndKindOfFrame)
{
    const auto baseline = readJpegFrame(jpegHeader(0xC0, 300, 225));
    ASSERT_TRUE(baseline);
    EXPECT_EQ(baseline->width, 300);
    EXPECT_EQ(baseline->height, 225);
    EXPECT_TRUE(baseline->baseline);

    const auto progressive = readJpegFrame(jpegHeader(0xC2, 640, 480));
    ASSERT_TRUE(progressive);
    EXPECT_EQ(progressive->width, 640);
    EXPECT_EQ(progressive->height, 480);
    EXPECT_FALSE(progressive->baseline);
}

TEST(JpegFrameReader, RefusesWhatIsNotAWholeJpegHeader)
{
    const std::string header = jpegHeader(0xC0, 300, 225);
    EXPECT_FALSE(readJpegFrame(""));
    EXPECT_FALSE(readJpegFrame("\x89PNG\r\n\x1a\n and the rest"));
    EXPECT_FALSE(readJpegFrame(header.substr(0, header.size() - 12)));  // frame cut short
    std::string noFrame = header.substr(0, 20) + "\xFF\xDA";
    EXPECT_FALSE(readJpegFrame(noFrame));  // scan before any frame
    std::string badLength = header;
    badLength[5] = char(0xF0);  // APP0 longer than the file
    EXPECT_FALSE(readJpegFrame(badLength));
}

TEST(WordPictures, EveryWordOfEveryTableHasA300By225BaselineJpeg)
{
    std::map<std::string, std::string> firstUse;  // word key -> where it was first met
    size_t words = 0;
    for (const std::string& table : kTables) {
        const auto tableWords = contenttest::wordsOfTable(table);
        ASSERT_TRUE(tableWords) << table << " cannot be read";
        ASSERT_FALSE(tableWords->empty()) << table;
        words += tableWords->size();
        for (const std::string& word : *tableWords)
            firstUse.emplace(contenttest::wordKey(word), table + " \"" + word + "\"");
    }
    EXPECT_GT(words, 900u);  // 157 + 157 + 159 + 159 + 157 + 157 table entries

    std::vector<std::string> problems;
    for (const auto& [key, use] : firstUse) {
        const auto bytes = readFile(picturePath(key));
        if (!bytes) {
            problems.push_back("no picture " + key + ".jpg for " + use);
            continue;
        }
        const auto frame = readJpegFrame(*bytes);
        if (!frame)
            problems.push_back(key + ".jpg is not a JPEG");
        else if (frame->width != 300 || frame->height != 225)
            problems.push_back(key + ".jpg is " + std::to_string(frame->width) + " x " +
                               std::to_string(frame->height));
        else if (!frame->baseline)
            problems.push_back(key + ".jpg is not a baseline JPEG");
        if (bytes->size() < kSmallestPicture)
            problems.push_back(key + ".jpg is only " + std::to_string(bytes->size()) +
                               " bytes: a blank picture?");
    }
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

TEST(WordPictures, ThereAreExactlyThePicturesOfThe165WordKeys)
{
    std::set<std::string> keys;
    for (const std::string& table : kTables) {
        const auto tableWords = contenttest::wordsOfTable(table);
        ASSERT_TRUE(tableWords) << table << " cannot be read";
        for (const std::string& word : *tableWords)
            keys.insert(contenttest::wordKey(word));
    }
    EXPECT_EQ(keys.size(), 165u);
    for (const char* key : {"COAST", "TRUMPET", "JEWELLERY", "JEWELRY", "CHILLI", "CHILI",
                            "KNIFEANDFORK", "XRAY", "ICECREAM", "BLACKSHOE"})
        EXPECT_TRUE(keys.count(key)) << key << " is not a word key of the tables";

    std::set<std::string> pictures;
    std::vector<std::string> strays;
    for (const auto& entry : std::filesystem::directory_iterator(resourcePath("CUSTOM"))) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".jpg") {
            strays.push_back(name);
            continue;
        }
        pictures.insert(entry.path().stem().string());
    }
    EXPECT_TRUE(strays.empty()) << "not a picture: " << ::testing::PrintToString(strays);
    EXPECT_EQ(pictures.size(), 165u);
    EXPECT_EQ(pictures, keys);
}
