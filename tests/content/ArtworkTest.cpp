// The interface artwork: button skins, cursor 101, window backgrounds, icon, the pictures stored
// with the windows' designs and the write-along animations. Every file is checked for its exact
// format and pixel size by reading its headers here (BMP, CUR/ICO, JPEG, PNG, GIF), and the
// animations for the file names the write-along lesson looks up.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ContentFiles.h"

namespace {

using contenttest::readFile;
using contenttest::resourcePath;

uint32_t le16(const std::string& b, size_t at)
{
    return uint8_t(b[at]) | uint32_t(uint8_t(b[at + 1])) << 8;
}
uint32_t le32(const std::string& b, size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}
uint32_t be16(const std::string& b, size_t at)
{
    return uint32_t(uint8_t(b[at])) << 8 | uint8_t(b[at + 1]);
}
uint32_t be32(const std::string& b, size_t at)
{
    return be16(b, at) << 16 | be16(b, at + 2);
}

std::string load(const std::string& relative)
{
    auto bytes = readFile(resourcePath(relative));
    EXPECT_TRUE(bytes.has_value()) << "missing: " << relative;
    return bytes.value_or("");
}

// ---------------------------------------------------------------------------------------------
// BMP

struct Bitmap {
    int width = 0;
    int height = 0;  // positive: rows stored bottom up
    int bits = 0;
    uint32_t compression = 0;
    uint32_t paletteSize = 0;
    size_t pixelOffset = 0;
    size_t stride = 0;
};

std::optional<Bitmap> readBitmap(const std::string& b)
{
    if (b.size() < 54 || b.compare(0, 2, "BM") != 0 || le32(b, 2) != b.size() || le32(b, 14) != 40)
        return std::nullopt;
    Bitmap bmp;
    bmp.width = int32_t(le32(b, 18));
    bmp.height = int32_t(le32(b, 22));
    bmp.bits = int(le16(b, 28));
    bmp.compression = le32(b, 30);
    bmp.paletteSize = le32(b, 46);
    bmp.pixelOffset = le32(b, 10);
    bmp.stride = (size_t(bmp.width) * bmp.bits + 31) / 32 * 4;
    if (bmp.width <= 0 || bmp.height == 0)
        return std::nullopt;
    if (bmp.pixelOffset + bmp.stride * size_t(std::abs(bmp.height)) != b.size())
        return std::nullopt;
    return bmp;
}

// Red, green and blue of a pixel of a 24-bit bitmap, (0, 0) the top left corner.
struct Rgb {
    int r, g, b;
};
Rgb pixel24(const std::string& b, const Bitmap& bmp, int x, int y)
{
    const size_t row = bmp.height > 0 ? size_t(bmp.height - 1 - y) : size_t(y);
    const size_t at = bmp.pixelOffset + row * bmp.stride + size_t(x) * 3;
    return {uint8_t(b[at + 2]), uint8_t(b[at + 1]), uint8_t(b[at])};
}

double luminance(Rgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

double contrast(Rgb a, Rgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void expectBitmap24(const std::string& relative, int width, int height)
{
    SCOPED_TRACE(relative);
    const std::string b = load(relative);
    const auto bmp = readBitmap(b);
    ASSERT_TRUE(bmp.has_value()) << "not a well-formed bitmap";
    EXPECT_EQ(bmp->width, width);
    EXPECT_EQ(bmp->height, height);  // positive: bottom-up rows
    EXPECT_EQ(bmp->bits, 24);
    EXPECT_EQ(bmp->compression, 0u);  // BI_RGB
}

// ---------------------------------------------------------------------------------------------
// JPEG, PNG, GIF

// The frame size of a JPEG: the segments are walked from SOI to the first start-of-frame.
std::optional<std::pair<int, int>> jpegSize(const std::string& b)
{
    if (b.size() < 4 || be16(b, 0) != 0xFFD8)
        return std::nullopt;
    for (size_t at = 2; at + 9 < b.size();) {
        if (uint8_t(b[at]) != 0xFF)
            return std::nullopt;
        const uint8_t marker = uint8_t(b[at + 1]);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return std::make_pair(int(be16(b, at + 7)), int(be16(b, at + 5)));
        if (marker == 0xDA || marker == 0xD9)
            return std::nullopt;
        at += 2 + be16(b, at + 2);
    }
    return std::nullopt;
}

void expectJpeg(const std::string& relative, int width, int height)
{
    SCOPED_TRACE(relative);
    const auto size = jpegSize(load(relative));
    ASSERT_TRUE(size.has_value()) << "no JPEG frame header";
    EXPECT_EQ(size->first, width);
    EXPECT_EQ(size->second, height);
}

struct Gif {
    int width = 0;
    int height = 0;
    int images = 0;
    bool loops = false;     // carries the NETSCAPE2.0 looping extension
    bool complete = false;  // ends with the trailer
};

// Walks a GIF's blocks: the screen descriptor, the extensions and the images up to the trailer.
std::optional<Gif> readGif(const std::string& b)
{
    if (b.size() < 13 || (b.compare(0, 6, "GIF87a") != 0 && b.compare(0, 6, "GIF89a") != 0))
        return std::nullopt;
    Gif gif;
    gif.width = int(le16(b, 6));
    gif.height = int(le16(b, 8));
    auto tableSize = [](uint8_t flags) { return (flags & 0x80) ? 3u << ((flags & 7) + 1) : 0u; };
    size_t at = 13 + tableSize(uint8_t(b[10]));
    auto skipSubBlocks = [&](size_t p) -> std::optional<size_t> {
        while (p < b.size()) {
            const size_t n = uint8_t(b[p]);
            if (n == 0)
                return p + 1;
            p += 1 + n;
        }
        return std::nullopt;
    };
    while (at < b.size()) {
        const uint8_t kind = uint8_t(b[at]);
        if (kind == 0x3B) {
            gif.complete = true;
            return gif;
        }
        if (kind == 0x21 && at + 2 < b.size()) {
            if (uint8_t(b[at + 1]) == 0xFF && b.compare(at + 3, 11, "NETSCAPE2.0") == 0)
                gif.loops = true;
            const auto next = skipSubBlocks(at + 2);
            if (!next)
                return std::nullopt;
            at = *next;
        } else if (kind == 0x2C && at + 10 < b.size()) {
            ++gif.images;
            const auto next = skipSubBlocks(at + 10 + tableSize(uint8_t(b[at + 9])) + 1);
            if (!next)
                return std::nullopt;
            at = *next;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------

TEST(Artwork, ButtonSkinsAre24BitBitmapsOfTheirSizes)
{
    for (const char* state : {"HL", "NORMAL", "PRESSED", "DISABLED"})
        expectBitmap24(std::string("BITMAP/BTN") + state + ".bmp", 140, 39);
    for (const char* state : {"HL", "NORMAL", "PRESSED"})
        expectBitmap24(std::string("BITMAP/BTNSPEAKER") + state + ".bmp", 40, 39);
    // The speaker set has no disabled picture: its buttons keep their design picture there.
    EXPECT_FALSE(std::filesystem::exists(resourcePath("BITMAP/BTNSPEAKERDISABLED.bmp")));
}

TEST(Artwork, SkinStatesDifferAndTheirCaptionReads)
{
    std::set<std::string> pixels;
    for (const char* state : {"HL", "NORMAL", "PRESSED", "DISABLED"}) {
        SCOPED_TRACE(state);
        const std::string b = load(std::string("BITMAP/BTN") + state + ".bmp");
        const auto bmp = readBitmap(b);
        ASSERT_TRUE(bmp.has_value());
        pixels.insert(b.substr(bmp->pixelOffset));
        // The button prints its caption in &HC0 (dark red) across the middle of the face.
        double worst = 100;
        for (int y = 9; y < 31; ++y)
            for (int x = 6; x < 134; ++x)
                worst = std::min(worst, contrast(pixel24(b, *bmp, x, y), {0xC0, 0, 0}));
        EXPECT_GE(worst, 4.5);
    }
    EXPECT_EQ(pixels.size(), 4u) << "two skin states have the same picture";
}

TEST(Artwork, CursorIsAMonochromeHandWithItsHotSpotOnTheFingerTip)
{
    const std::string b = load("CURSOR/101.cur");
    ASSERT_GE(b.size(), 22u + 40u + 8u + 128u + 128u);
    EXPECT_EQ(le16(b, 0), 0u);  // reserved
    EXPECT_EQ(le16(b, 2), 2u);  // a cursor
    ASSERT_EQ(le16(b, 4), 1u);  // one image
    EXPECT_EQ(uint8_t(b[6]), 32);
    EXPECT_EQ(uint8_t(b[7]), 32);
    EXPECT_EQ(le16(b, 10), 6u);  // hot spot x
    EXPECT_EQ(le16(b, 12), 0u);  // hot spot y
    const size_t image = le32(b, 18);
    ASSERT_EQ(image + le32(b, 14), b.size());
    EXPECT_EQ(le32(b, image), 40u);
    EXPECT_EQ(le32(b, image + 4), 32u);
    EXPECT_EQ(le32(b, image + 8), 64u);  // colour mask and transparency mask
    EXPECT_EQ(le16(b, image + 14), 1u);  // monochrome
    const size_t xorMask = image + 40 + 8, andMask = xorMask + 128;
    auto bit = [&](size_t mask, int x, int y) {  // rows bottom up, 4 bytes a row
        return (uint8_t(b[mask + size_t(31 - y) * 4 + size_t(x / 8)]) >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(bit(andMask, 6, 0), 0) << "the hot spot is transparent";
    EXPECT_EQ(bit(xorMask, 6, 0), 0) << "the finger tip is outlined in black";
    int white = 0, black = 0, clear = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (bit(andMask, x, y))
                ++clear;
            else if (bit(xorMask, x, y))
                ++white;
            else
                ++black;
        }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 50);
    EXPECT_GT(clear, 500);
}

TEST(Artwork, BackgroundsAreJpegsOfTheirWindowsSizes)
{
    expectJpeg("DIALOG/WINDOW.jpg", 670, 560);
    expectJpeg("DIALOG/MAIN.jpg", 670, 560);
    expectJpeg("DIALOG/LANGUAGE.jpg", 621, 539);
    expectJpeg("DIALOG/MSGBOX.jpg", 527, 250);
}

TEST(Artwork, IconHoldsThreeSizesInTwoColourDepths)
{
    const std::string b = load("ICON/QUILLBY.ico");
    ASSERT_GE(b.size(), 6u);
    EXPECT_EQ(le16(b, 2), 1u);  // an icon
    const size_t count = le16(b, 4);
    ASSERT_EQ(count, 6u);
    std::set<std::pair<int, int>> found;
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        const int size = uint8_t(b[entry]);
        const int bits = int(le16(b, entry + 6));
        const size_t length = le32(b, entry + 8), at = le32(b, entry + 12);
        ASSERT_LE(at + length, b.size());
        EXPECT_EQ(le32(b, at), 40u);
        EXPECT_EQ(int(le32(b, at + 4)), size);
        EXPECT_EQ(int(le32(b, at + 8)), 2 * size);
        EXPECT_EQ(int(le16(b, at + 14)), bits);
        found.insert({size, bits});
    }
    const std::set<std::pair<int, int>> wanted = {{48, 8},  {48, 32}, {32, 8},
                                                  {32, 32}, {16, 8},  {16, 32}};
    EXPECT_EQ(found, wanted);

    const std::string png = load("desktop/quillby.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.compare(1, 3, "PNG"), 0);
    EXPECT_EQ(png.compare(12, 4, "IHDR"), 0);
    EXPECT_EQ(be32(png, 16), 256u);
    EXPECT_EQ(be32(png, 20), 256u);
}

TEST(Artwork, MenuPicturesStoredWithTheDesigns)
{
    for (const char* control :
         {"btnpALPHABET", "btnpWORDS", "btnpPAIRS", "btnpPICANDWORDS", "btnpWRITEALONG"}) {
        const int height = std::string(control) == "btnpPAIRS" ? 74 : 75;
        const std::string base = std::string("DESIGN/frmMAINMENU/") + control;
        for (const char* prop : {"PictureNormal", "PictureHLight", "PicturePressed"})
            expectJpeg(base + "." + prop + ".jpg", 100, height);
        // The lesson buttons' pressed picture is their normal one.
        EXPECT_EQ(load(base + ".PicturePressed.jpg"), load(base + ".PictureNormal.jpg")) << control;
        EXPECT_NE(load(base + ".PictureHLight.jpg"), load(base + ".PictureNormal.jpg")) << control;
    }
    for (int i = 0; i < 10; ++i)
        for (const char* prop : {"PictureNormal", "PictureHLight", "PicturePressed"})
            expectJpeg(
                "DESIGN/frmLESSWRDM/btnpPICWORD1(" + std::to_string(i) + ")." + prop + ".jpg", 100,
                75);
}

TEST(Artwork, FlagButtonsAreSixteenColourBitmaps)
{
    for (const char* control : {"btnpENGLISH", "btnpAMERICAN", "btnpKOREAN", "btnpENGHELP"})
        for (const char* prop : {"PictureNormal", "PictureHLight", "PicturePressed"}) {
            const std::string name =
                std::string("DESIGN/frmLANGUAGE/") + control + "." + prop + ".bmp";
            SCOPED_TRACE(name);
            const auto bmp = readBitmap(load(name));
            ASSERT_TRUE(bmp.has_value());
            EXPECT_EQ(bmp->width, 160);
            EXPECT_EQ(bmp->height, 110);
            EXPECT_EQ(bmp->bits, 4);
            EXPECT_LE(bmp->paletteSize, 16u);
            EXPECT_EQ(bmp->compression, 0u);
        }
    // The English-help button shows the British flag, the same pictures as the variety button.
    for (const char* prop : {"PictureNormal", "PictureHLight", "PicturePressed"})
        EXPECT_EQ(load(std::string("DESIGN/frmLANGUAGE/btnpENGHELP.") + prop + ".bmp"),
                  load(std::string("DESIGN/frmLANGUAGE/btnpENGLISH.") + prop + ".bmp"));
}

TEST(Artwork, AboutBoxPicturesAreGifsOfTheirSizes)
{
    for (const auto& [name, width, height] :
         {std::tuple{"imgImage2", 288, 65}, std::tuple{"imgImage1", 121, 63}}) {
        SCOPED_TRACE(name);
        const auto gif = readGif(load(std::string("DESIGN/frmABOUTQBY/") + name + ".Picture.gif"));
        ASSERT_TRUE(gif.has_value());
        EXPECT_TRUE(gif->complete);
        EXPECT_EQ(gif->width, width);
        EXPECT_EQ(gif->height, height);
        EXPECT_EQ(gif->images, 1);
    }
}

TEST(Artwork, EveryLetterHasFourButtonPictures)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        for (const char* prop :
             {"PictureNormal", "PictureHLight", "PicturePressed", "PictureDisabled"})
            expectBitmap24(std::string("DESIGN/LETTERS/") + letter + "." + prop + ".bmp", 41, 41);
}

// The names the write-along lesson opens: the letter, then " ucase chr.gif" or " - Ucase.gif"
// for the capital, the small letter, then " lcase chr.gif" or " - lcase.gif".
std::vector<std::string> animationNames()
{
    std::vector<std::string> names;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char small = char(letter - 'A' + 'a');
        names.push_back(std::string(1, letter) + " ucase chr.gif");
        names.push_back(std::string(1, letter) + " - Ucase.gif");
        names.push_back(std::string(1, small) + " lcase chr.gif");
        names.push_back(std::string(1, small) + " - lcase.gif");
    }
    return names;
}

TEST(Artwork, AnimationsCarryTheNamesTheLessonLooksUp)
{
    const auto names = animationNames();
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(resourcePath("Animations")))
        present.insert(entry.path().filename().string());
    EXPECT_EQ(present, std::set<std::string>(names.begin(), names.end()));
    EXPECT_EQ(present.size(), 104u);
}

TEST(Artwork, AnimationsPlayOnceAndHoldTheirLastFrame)
{
    for (const auto& name : animationNames()) {
        SCOPED_TRACE(name);
        const auto gif = readGif(load("Animations/" + name));
        ASSERT_TRUE(gif.has_value()) << "not a well-formed GIF";
        EXPECT_TRUE(gif->complete);
        EXPECT_EQ(gif->width, 190);
        EXPECT_EQ(gif->height, 190);
        EXPECT_GE(gif->images, 15);  // an animation, not a still picture
        EXPECT_LE(gif->images, 60);
        EXPECT_FALSE(gif->loops) << "a looping animation would never rest on the finished letter";
    }
}

TEST(Artwork, CreditsNameTheArtwork)
{
    const std::string credits = readFile(resourcePath("CREDITS")).value_or("");
    EXPECT_NE(credits.find("\nArtwork\n-------\n"), std::string::npos);
}

}  // namespace
