// Pictures from the resource store: skins, the cursor with its hot spot, word pictures, and what
// happens with missing or damaged data.
#include "platform/resources/ResourcePictures.h"
#include "platform/resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace qby {
namespace {

constexpr std::array<std::uint8_t, 2> kHuffmanTable = {0xFF, 0xC4};  // a JPEG's DHT marker

TEST(ResourcePicture, SkinBitmapsAreFoundInAnyCase)
{
    const Picture normal = LoadResPicture("BTNNORMAL", vbResBitmap);
    ASSERT_FALSE(normal.IsEmpty());
    EXPECT_EQ(normal.WidthPx(), 140);
    EXPECT_EQ(normal.HeightPx(), 39);
    EXPECT_FALSE(normal.IsCursor());
    const Picture speaker = LoadResPicture("btnSpeakerHL", vbResBitmap);
    EXPECT_EQ(speaker.WidthPx(), 40);
    EXPECT_EQ(speaker.HeightPx(), 39);
    // Each load is a picture of its own.
    EXPECT_NE(LoadResPicture("btnnormal", vbResBitmap).Handle(), normal.Handle());
}

TEST(ResourcePicture, MissingBitmapsAndWrongKindsAreEmpty)
{
    EXPECT_TRUE(LoadResPicture("BTNSPEAKERDISABLED", vbResBitmap).IsEmpty());  // not carried
    EXPECT_TRUE(LoadResPicture("101", vbResBitmap).IsEmpty());                 // a cursor
    EXPECT_TRUE(LoadResPicture("BTNNORMAL", vbResCursor).IsEmpty());
    EXPECT_TRUE(LoadResPicture("BTNNORMAL", 7).IsEmpty());
}

TEST(ResourcePicture, TheCursorKeepsItsHotSpot)
{
    for (const Picture& cursor : {LoadResPicture(101, vbResCursor), LoadResPicture("#101", vbResCursor),
                                  LoadResPicture("101", vbResCursor)}) {
        ASSERT_FALSE(cursor.IsEmpty());
        EXPECT_TRUE(cursor.IsCursor());
        EXPECT_EQ(cursor.WidthPx(), 32);
        EXPECT_EQ(cursor.HeightPx(), 32);
        // The finger tip of the pointing hand.
        EXPECT_EQ(cursor.HotSpotX(), 6);
        EXPECT_EQ(cursor.HotSpotY(), 0);
    }
}

TEST(ResourcePicture, TheProgramIconIsAnIcon)
{
    const Picture icon = LoadResPicture("QUILLBY", vbResIcon);
    ASSERT_FALSE(icon.IsEmpty());
    EXPECT_GE(icon.WidthPx(), 16);
}

TEST(ResourcePicture, WordPicturesDecodeFromBytes)
{
    const Picture apple = LoadPicture(LoadResData("Apple", "CUSTOM"));
    ASSERT_FALSE(apple.IsEmpty());
    EXPECT_EQ(apple.WidthPx(), 300);
    EXPECT_EQ(apple.HeightPx(), 225);
}

TEST(ResourcePicture, BytesThatDoNotDecodeGiveAnEmptyPicture)
{
    auto jpeg = LoadResData("APPLE", "CUSTOM");
    ASSERT_GT(jpeg.size(), 100u);
    const std::vector<std::uint8_t> none;
    EXPECT_TRUE(LoadPicture(none).IsEmpty());
    const std::vector<std::uint8_t> headerOnly(jpeg.begin(), jpeg.begin() + 20);
    EXPECT_TRUE(LoadPicture(headerOnly).IsEmpty());
    const std::vector<std::uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    EXPECT_TRUE(LoadPicture(text).IsEmpty());
}

// JPEG pictures are decoded on worker threads, and whoever needs the pixels first waits for them
// or decodes them: their size is known at once and their pixels are the same either way.
TEST(ResourcePicture, JpegPixelsAreTheSameWhoeverDecodesThem)
{
    const std::vector<std::string> words = ResourceNames("CUSTOM");
    ASSERT_GE(words.size(), 24u);
    std::vector<Picture> first;
    std::vector<Picture> again;
    for (std::size_t i = 0; i < 24; ++i) {
        const auto bytes = LoadResData(words[i], "CUSTOM");
        first.push_back(LoadPicture(bytes));
        again.push_back(LoadPicture(bytes));
        ASSERT_EQ(first.back().WidthPx(), 300) << words[i];
        ASSERT_EQ(first.back().HeightPx(), 225) << words[i];
    }
    // Asked for in the reverse order: the last ones are still waiting for a worker.
    for (std::size_t i = first.size(); i-- > 0;) {
        EXPECT_NE(first[i].Point(299, 224), -1) << words[i];
        EXPECT_EQ(first[i].Point(300, 0), -1);
    }
    for (std::size_t i = 0; i < first.size(); ++i) {
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{150, 112}, std::pair{299, 224}})
            EXPECT_EQ(again[i].Point(x, y), first[i].Point(x, y)) << words[i] << " at " << x << ", " << y;
    }
}

TEST(ResourcePicture, AJpegWhoseTablesAreDamagedIsEmpty)
{
    auto jpeg = LoadResData("APPLE", "CUSTOM");
    const auto table = std::search(jpeg.begin(), jpeg.end(), kHuffmanTable.begin(), kHuffmanTable.end());
    ASSERT_NE(table, jpeg.end());
    std::fill(table + 4, std::min(table + 40, jpeg.end()), 0xFF);
    EXPECT_TRUE(LoadPicture(jpeg).IsEmpty());
}

TEST(ResourcePicture, PicturesFromFiles)
{
    const auto folder = std::filesystem::temp_directory_path() / ("quillby-pictures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = (folder / "temp.jpg").string();
    const auto jpeg = LoadResData("MAIN", "DIALOG");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()),
                                                static_cast<std::streamsize>(jpeg.size()));
    const Picture background = LoadPicture(path);
    EXPECT_EQ(background.WidthPx(), 670);
    EXPECT_EQ(background.HeightPx(), 560);
    std::ofstream(path, std::ios::binary | std::ios::trunc);  // an empty file
    EXPECT_TRUE(LoadPicture(path).IsEmpty());
    EXPECT_TRUE(LoadPicture((folder / "missing.jpg").string()).IsEmpty());
    EXPECT_TRUE(LoadPicture(std::string()).IsEmpty());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qby
