// Pictures from encoded bytes (bitmaps with and without their file header, cursors with their
// hot spot), images that fit or stretch, pointers, and the browser pane.
#include "platform/forms/Forms.h"
#include "platform/forms/PictureHeader.h"
#include "platform/forms/Testing.h"
#include "platform/resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace qby;

namespace {

using Bytes = std::vector<unsigned char>;

void put16(Bytes& bytes, int value)
{
    bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(Bytes& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit bitmap as a resource holds it: the information header and the pixels, no file
// header. Rows are stored bottom-up, blue-green-red, padded to four bytes.
Bytes bitmapWithoutFileHeader(int width, int height, std::uint32_t topLeftRgb, std::uint32_t otherRgb)
{
    Bytes bytes;
    put32(bytes, 40);
    put32(bytes, static_cast<std::uint32_t>(width));
    put32(bytes, static_cast<std::uint32_t>(height));
    put16(bytes, 1);
    put16(bytes, 24);
    for (int i = 0; i < 6; ++i)
        put32(bytes, 0);
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    for (int row = height - 1; row >= 0; --row) {
        int written = 0;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = (row == 0 && x == 0) ? topLeftRgb : otherRgb;
            bytes.push_back(static_cast<unsigned char>(rgb & 0xFF));
            bytes.push_back(static_cast<unsigned char>((rgb >> 8) & 0xFF));
            bytes.push_back(static_cast<unsigned char>((rgb >> 16) & 0xFF));
            written += 3;
        }
        for (; written < rowBytes; ++written)
            bytes.push_back(0);
    }
    return bytes;
}

Bytes withFileHeader(const Bytes& dib)
{
    Bytes bytes{'B', 'M'};
    put32(bytes, static_cast<std::uint32_t>(14 + dib.size()));
    put32(bytes, 0);
    put32(bytes, 14 + 40);
    bytes.insert(bytes.end(), dib.begin(), dib.end());
    return bytes;
}

// A cursor file with one 32-bit 4 x 4 image whose hot spot is (3, 1).
Bytes cursorFile()
{
    Bytes image;
    put32(image, 40);
    put32(image, 4);
    put32(image, 8);  // the colour and mask halves
    put16(image, 1);
    put16(image, 32);
    for (int i = 0; i < 6; ++i)
        put32(image, 0);
    for (int i = 0; i < 16; ++i)
        put32(image, 0xFF000000u);  // opaque black
    for (int row = 0; row < 4; ++row)
        put32(image, 0);  // the mask: every pixel shown
    Bytes bytes;
    put16(bytes, 0);
    put16(bytes, 2);  // a cursor
    put16(bytes, 1);
    bytes.push_back(4);
    bytes.push_back(4);
    bytes.push_back(0);
    bytes.push_back(0);
    put16(bytes, 3);  // hot spot x
    put16(bytes, 1);  // hot spot y
    put32(bytes, static_cast<std::uint32_t>(image.size()));
    put32(bytes, 22);
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

// An icon file of one `bits`-a-pixel image: the palette (0xRRGGBB), the pixels top row first
// (palette indices, or 0xAARRGGBB for 24 and 32 bits) and the pixels the AND mask hides.
Bytes iconFile(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
               const std::vector<std::uint32_t>& pixels, const std::vector<bool>& hidden)
{
    Bytes image;
    put32(image, 40);
    put32(image, static_cast<std::uint32_t>(width));
    put32(image, static_cast<std::uint32_t>(2 * height));
    put16(image, 1);
    put16(image, bits);
    for (int i = 0; i < 4; ++i)
        put32(image, 0);
    put32(image, static_cast<std::uint32_t>(palette.size()));  // the colours used
    put32(image, 0);
    for (std::uint32_t colour : palette)
        put32(image, colour);
    const int colourRow = (width * bits + 31) / 32 * 4;
    const int maskRow = (width + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(colourRow), 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = pixels[static_cast<std::size_t>(y * width + x)];
            if (bits >= 24) {
                for (int b = 0; b < bits / 8; ++b)
                    row[static_cast<std::size_t>(x * (bits / 8) + b)] = static_cast<unsigned char>(value >> (8 * b));
            } else {
                row[static_cast<std::size_t>(x * bits / 8)] |=
                    static_cast<unsigned char>(value << (8 - bits - (x * bits) % 8));
            }
        }
        image.insert(image.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < width; ++x) {
            if (hidden[static_cast<std::size_t>(y * width + x)])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
        image.insert(image.end(), row.begin(), row.end());
    }
    Bytes bytes;
    put16(bytes, 0);
    put16(bytes, 1);
    put16(bytes, 1);
    bytes.push_back(static_cast<unsigned char>(width));
    bytes.push_back(static_cast<unsigned char>(height));
    put16(bytes, 0);
    put16(bytes, 1);
    put16(bytes, bits);
    put32(bytes, static_cast<std::uint32_t>(image.size()));
    put32(bytes, 22);
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

TEST(Pictures, IconsAndCursorsReadAsTheToolkitsOwnIconReaderReadsThem)
{
    std::vector<Bytes> files{cursorFile()};
    for (const char* type : {"ICON", "CURSOR"}) {
        for (const std::string& name : ResourceNames(type))
            files.push_back(LoadResData(name, type));
    }
    ASSERT_GE(files.size(), 3u);  // the program's icon and its pointing hand among them
    const std::vector<bool> someHidden{true, false, false, true, false, true, false, false, false, false, true, false};
    const std::vector<bool> noneHidden(12, false);
    const std::vector<std::uint32_t> indices{0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 0, 2};
    const std::vector<std::uint32_t> colours{0x80FF0000, 0x0000FF00, 0xFF0000FF, 0x00FFFFFF, 0x40102030, 0,
                                             0xFF123456, 0x00ABCDEF, 0x7F7F7F7F, 0xFFFFFFFF, 0x01020304, 0x00000000};
    const std::vector<std::uint32_t> palette{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    std::vector<std::uint32_t> bits1(12);
    for (std::size_t i = 0; i < bits1.size(); ++i)
        bits1[i] = indices[i] % 2;
    std::vector<std::uint32_t> opaque = colours;
    for (std::uint32_t& colour : opaque)
        colour &= 0x00FFFFFF;
    files.push_back(iconFile(4, 3, 1, {0x000000, 0xFFFFFF}, bits1, someHidden));
    files.push_back(iconFile(4, 3, 4, palette, indices, someHidden));
    files.push_back(iconFile(4, 3, 8, palette, indices, someHidden));
    files.push_back(iconFile(4, 3, 24, {}, colours, someHidden));
    files.push_back(iconFile(4, 3, 32, {}, colours, someHidden));  // its own alpha: no mask
    files.push_back(iconFile(4, 3, 32, {}, opaque, someHidden));   // no alpha: the mask
    files.push_back(iconFile(4, 3, 32, {}, opaque, noneHidden));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::vector<std::uint32_t> expected = test::ToolkitPixels(files[i], "ico");
        ASSERT_FALSE(expected.empty()) << "file " << i;
        EXPECT_EQ(test::PicturePixels(Picture::FromEncodedBytes(files[i])), expected) << "file " << i;
    }
}

// A bitmap file of `bits` a pixel (4, 8 or 24) from pixels top row first (palette indices, or
// 0xRRGGBB): stored top row first when `topDown`, with `gap` bytes between the palette and the
// pixels, and `paletteColours` entries (0: the full palette, counted as 0 in the header).
Bytes bitmapFile(int width, int height, int bits, const std::vector<std::uint32_t>& pixels,
                 bool topDown = false, int gap = 0, int paletteColours = 0)
{
    const int colours = bits == 24 ? 0 : (paletteColours ? paletteColours : 1 << bits);
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const int offset = 14 + 40 + 4 * colours + gap;
    Bytes bytes{'B', 'M'};
    put32(bytes, static_cast<std::uint32_t>(offset + rowBytes * height));
    put32(bytes, 0);
    put32(bytes, static_cast<std::uint32_t>(offset));
    put32(bytes, 40);
    put32(bytes, static_cast<std::uint32_t>(width));
    put32(bytes, static_cast<std::uint32_t>(topDown ? -height : height));
    put16(bytes, 1);
    put16(bytes, bits);
    for (int i = 0; i < 4; ++i)
        put32(bytes, 0);
    put32(bytes, static_cast<std::uint32_t>(paletteColours));
    put32(bytes, 0);
    for (int i = 0; i < colours; ++i)
        put32(bytes, static_cast<std::uint32_t>(i * 0x0F1D27) & 0xFFFFFF);  // distinct colours
    bytes.insert(bytes.end(), static_cast<std::size_t>(gap), 0xAB);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        Bytes line(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = pixels[static_cast<std::size_t>(y * width + x)];
            if (bits == 24) {
                for (int b = 0; b < 3; ++b)
                    line[static_cast<std::size_t>(3 * x + b)] =
                        static_cast<unsigned char>(value >> (8 * b));
            } else {
                line[static_cast<std::size_t>(x * bits / 8)] |=
                    static_cast<unsigned char>(value << (8 - bits - (x * bits) % 8));
            }
        }
        bytes.insert(bytes.end(), line.begin(), line.end());
    }
    return bytes;
}

TEST(Pictures, BitmapsReadAsTheToolkitsOwnBitmapReaderReadsThem)
{
    // The program's own bitmaps, and made-up ones of each kind the program reads itself.
    std::vector<Bytes> ownReader;
    for (const char* type : {"BITMAP", "DESIGN/frmLANGUAGE"}) {
        for (const std::string& name : ResourceNames(type)) {
            if (Bytes bytes = LoadResData(name, type);
                bytes.size() > 2 && bytes[0] == 'B' && bytes[1] == 'M')
                ownReader.push_back(std::move(bytes));
        }
    }
    ASSERT_GE(ownReader.size(), 8u);
    std::vector<std::uint32_t> indices(35), colours(35);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        indices[i] = static_cast<std::uint32_t>(i * 7 % 16);
        colours[i] = static_cast<std::uint32_t>(i * 0x071B3D);
    }
    ownReader.push_back(bitmapFile(7, 5, 4, indices));
    ownReader.push_back(bitmapFile(7, 5, 4, indices, true));
    ownReader.push_back(bitmapFile(7, 5, 8, indices, false, 6));  // pixels placed after a gap
    ownReader.push_back(bitmapFile(7, 5, 24, colours));
    ownReader.push_back(bitmapFile(5, 7, 24, colours, true));
    for (std::size_t i = 0; i < ownReader.size(); ++i) {
        const std::vector<std::uint32_t> expected = test::ToolkitPixels(ownReader[i], "bmp");
        ASSERT_FALSE(expected.empty()) << "bitmap " << i;
        EXPECT_EQ(picture::BitmapImage(ownReader[i].data(), ownReader[i].size()).pixels, expected)
            << "bitmap " << i;
        EXPECT_EQ(test::PicturePixels(Picture::FromEncodedBytes(ownReader[i])), expected)
            << "bitmap " << i;
    }
    // Kinds left to the toolkit read as before.
    std::vector<std::uint32_t> bits1(35);
    for (std::size_t i = 0; i < bits1.size(); ++i)
        bits1[i] = indices[i] % 2;
    for (const Bytes& bytes :
         {bitmapFile(7, 5, 1, bits1), bitmapFile(7, 5, 8, indices, false, 0, 16)}) {
        EXPECT_TRUE(picture::BitmapImage(bytes.data(), bytes.size()).pixels.empty());
        EXPECT_EQ(test::PicturePixels(Picture::FromEncodedBytes(bytes)),
                  test::ToolkitPixels(bytes, "bmp"));
    }
}

// The program's JPEGs, and one of them damaged in the ways a decoder checks before it knows the
// size: the program reads the size from the header itself, and must agree with the decoder.
TEST(Pictures, JpegSizesAreReadAsTheToolkitsJpegReaderReadsThem)
{
    std::vector<Bytes> jpegs;
    for (const char* type : {"DIALOG", "CUSTOM", "DESIGN/frmMAINMENU"}) {
        for (const std::string& name : ResourceNames(type)) {
            if (Bytes bytes = LoadResData(name, type);
                bytes.size() > 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
                jpegs.push_back(std::move(bytes));
        }
    }
    ASSERT_GE(jpegs.size(), 20u);
    const Bytes egg = LoadResData("EGG", "CUSTOM");
    ASSERT_EQ(egg.size(), 2560u);  // segments: APP0 at 2, quantization at 20 and 89, frame at 158,
                                   // Huffman tables at 177, 207, 266 and 295, the scan at 345
    auto changed = [&](std::size_t at, std::vector<unsigned char> replacement,
                       std::size_t removed = 0) {
        Bytes bytes = egg;
        bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                    bytes.begin() + static_cast<std::ptrdiff_t>(at + removed));
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), replacement.begin(),
                     replacement.end());
        return bytes;
    };
    const std::vector<Bytes> damaged{
        Bytes(egg.begin(), egg.begin() + 345),       // no scan
        changed(159, {0xC3}, 1),                     // a lossless frame
        changed(163, {0, 0}, 2),                     // width 0
        changed(162, {12}, 1),                       // 12-bit samples
        changed(158, {0x12, 0x34, 0x56}),            // stray bytes before a marker
        changed(177, {0xFF, 0xE5, 0, 4, 'h', 'i'}),  // an application segment
        changed(177, {0xFF, 0xC8, 0, 4, 0, 0}),      // a marker the decoder does not know
        changed(22, {0, 66}, 2),                     // a quantization table one entry short
        changed(24, {0x04}, 1),                      // quantization table number 4
        changed(181, {0xFF}, 1),                     // Huffman counts of more than the segment
        changed(348, {0x09}, 1),                     // the scan names a component not framed
        changed(2, {0xFF, 0xD8}),                    // a second start
    };
    auto sameSize = [](const Bytes& jpeg) {
        const auto toolkit = test::ToolkitImageSize(jpeg, "jpeg");
        const picture::FrameSize frame = picture::JpegFrameSize(jpeg.data(), jpeg.size());
        EXPECT_EQ(std::pair(frame.width, frame.height), toolkit);
        return toolkit.first > 0;
    };
    for (std::size_t i = 0; i < jpegs.size(); ++i)
        EXPECT_TRUE(sameSize(jpegs[i])) << "JPEG " << i;
    int readable = 0;
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE("damaged JPEG " + std::to_string(i));
        readable += sameSize(damaged[i]);
    }
    EXPECT_EQ(readable, 2);  // the stray bytes and the application segment
}

TEST(Pictures, BitmapsDecodeWithOrWithoutTheirFileHeader)
{
    const Bytes dib = bitmapWithoutFileHeader(41, 41, 0xFF0000, 0xFFFF00);
    const Picture bare = Picture::FromEncodedBytes(dib);
    const Picture filed = Picture::FromEncodedBytes(withFileHeader(dib));
    for (const Picture& picture : {bare, filed}) {
        ASSERT_FALSE(picture.IsEmpty());
        EXPECT_EQ(picture.WidthPx(), 41);
        EXPECT_EQ(picture.HeightPx(), 41);
        EXPECT_EQ(picture.Point(0, 0), vbRed);
        EXPECT_EQ(picture.Point(40, 40), vbYellow);
        EXPECT_EQ(picture.Point(41, 0), -1);
    }
    EXPECT_EQ(bare.Width(), 1085);  // HiMetric at 96 pixels per inch
    EXPECT_NE(bare.Handle(), filed.Handle());
    const Picture copy = bare;
    EXPECT_EQ(copy.Handle(), bare.Handle());
}

TEST(Pictures, BytesThatDoNotDecodeGiveAnEmptyPictureWithHandleZero)
{
    EXPECT_TRUE(Picture::FromEncodedBytes(Bytes{}).IsEmpty());
    EXPECT_TRUE(Picture::FromEncodedBytes(Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}).IsEmpty());
    Bytes truncated = withFileHeader(bitmapWithoutFileHeader(8, 8, 0, 0));
    truncated.resize(30);
    EXPECT_TRUE(Picture::FromEncodedBytes(truncated).IsEmpty());
    EXPECT_EQ(Picture().Handle(), 0);
    EXPECT_EQ(Picture().Type(), Picture::vbPicTypeNone);
    EXPECT_TRUE(Picture::FromFile("/nonexistent/temp.jpg").IsEmpty());
}

TEST(Pictures, CursorsKeepTheirHotSpot)
{
    const Picture cursor = Picture::CursorFromEncodedBytes(cursorFile());
    ASSERT_FALSE(cursor.IsEmpty());
    EXPECT_TRUE(cursor.IsCursor());
    EXPECT_EQ(cursor.HotSpotX(), 3);
    EXPECT_EQ(cursor.HotSpotY(), 1);
    EXPECT_EQ(cursor.WidthPx(), 4);
    EXPECT_EQ(Picture::FromEncodedBytes(cursorFile()).HotSpotX(), 3);
}

class Cards : public Form {
public:
    Cards() : Form("frmCARDS") {}
    ControlArray<PictureBox> picCARD{this, "picCARD"};
    ControlArray<Image> imgMATCH{this, "imgMATCH"};
    WebBrowser wbbWebBrowser1{this, "wbbWebBrowser1"};

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbBSNone, .ClientWidth = 9000, .ClientHeight = 6000});
        for (int i = 0; i < 2; ++i) {
            d.Add(picCARD, i, {.Left = 675.0 + 2160 * i, .Top = 450, .Width = 2085, .Height = 1815,
                               .BorderStyle = 0, .BackColor = 0xDB7028, .MousePointer = vbCustom,
                               .MouseIcon = Picture::CursorFromEncodedBytes(cursorFile())});
            d.Add(imgMATCH, i, {.Container = picCARD(i), .Left = 45, .Top = 45, .Width = 1950,
                                .Height = 1680, .Visible = false, .Stretch = true});
        }
        d.Add(wbbWebBrowser1, {.Left = 0, .Top = 3000, .Width = 2865, .Height = 2865});
    }
};

TEST(Images, AStretchedImageFillsItsPlaceInsideItsCard)
{
    Cards cards;
    cards.imgMATCH(1).Picture(Picture::Filled(300, 225, vbRed));
    cards.imgMATCH(1).Visible(true);
    EXPECT_EQ(cards.imgMATCH(1).Width(), 1950);  // stretched: the size stays
    cards.Show();
    const test::Snapshot card = test::Grab(cards.picCARD(1));
    EXPECT_EQ(card.Point(1, 1), 0xDB7028);   // the card's frame
    EXPECT_EQ(card.Point(3, 3), vbRed);      // the face from (3, 3) on
    EXPECT_EQ(card.Point(132, 114), vbRed);  // to the far corner of 130 x 112 pixels
    EXPECT_EQ(card.Point(133, 115), 0xDB7028);
    EXPECT_FALSE(test::IsShownOnScreen(cards.imgMATCH(0)));

    cards.imgMATCH(0).Stretch(false);
    cards.imgMATCH(0).Picture(Picture::Filled(60, 40, vbGreen));
    EXPECT_EQ(cards.imgMATCH(0).Width(), 60 * 15);  // unstretched: takes the picture's size
    EXPECT_EQ(test::ShownPointer(cards.picCARD(0)), vbCustom);
    cards.Unload();
}

TEST(Images, TheBrowserPaneShowsAPictureFileAndNothingForAMissingOne)
{
    // A folder of this run's own, so runs at the same time never share the file.
    std::string folderTemplate = (std::filesystem::temp_directory_path() / "qby-forms-XXXXXX").string();
    ASSERT_NE(mkdtemp(folderTemplate.data()), nullptr);
    const std::filesystem::path folder = folderTemplate;
    const std::filesystem::path file = folder / "pane.bmp";
    {
        const Bytes bytes = withFileHeader(bitmapWithoutFileHeader(20, 20, 0x00FF00, 0x00FF00));
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Cards cards;
    cards.wbbWebBrowser1.Navigate2(file.string());
    EXPECT_TRUE(cards.wbbWebBrowser1.ShowsPicture());
    EXPECT_EQ(cards.wbbWebBrowser1.LocationURL(), file.string());
    cards.Show();
    const test::Snapshot pane = test::Grab(cards.wbbWebBrowser1);
    EXPECT_EQ(pane.Point(pane.width / 2, pane.height / 2), vbGreen);
    cards.wbbWebBrowser1.Navigate2(file.string() + ".missing");
    EXPECT_FALSE(cards.wbbWebBrowser1.ShowsPicture());
    cards.Unload();
    std::filesystem::remove_all(folder);
}

TEST(ScreenObject, MeasuresInTwipsAndShowsTheWaitCursor)
{
    EXPECT_EQ(Screen.TwipsPerPixelX(), 15);
    EXPECT_EQ(Screen.TwipsPerPixelY(), 15);
    EXPECT_GT(Screen.Width(), 0);
    EXPECT_EQ(static_cast<long>(Screen.Width()) % 15, 0);
    Screen.MousePointer(vbHourglass);
    EXPECT_EQ(Screen.MousePointer(), vbHourglass);
    Screen.MousePointer(vbDefault);
    EXPECT_EQ(Screen.MousePointer(), vbDefault);
}

TEST(ScreenObject, APointerSetWhileNoWindowIsOnTheScreenTakesEffectWhenTheProgramNextWaits)
{
    Screen.MousePointer(vbHourglass);
    EXPECT_FALSE(test::ScreenPointerInForce());  // there is nothing to show it over yet
    test::ProcessEvents();
    EXPECT_TRUE(test::ScreenPointerInForce());
    Screen.MousePointer(vbDefault);
    EXPECT_FALSE(test::ScreenPointerInForce());

    // Set back before the program waits (the hourglass of a window's building): never in force.
    Screen.MousePointer(vbHourglass);
    Screen.MousePointer(vbDefault);
    test::ProcessEvents();
    EXPECT_FALSE(test::ScreenPointerInForce());

    // Over a window on the screen it takes effect at once.
    Cards cards;
    cards.Show();
    Screen.MousePointer(vbHourglass);
    EXPECT_TRUE(test::ScreenPointerInForce());
    Screen.MousePointer(vbDefault);
    EXPECT_FALSE(test::ScreenPointerInForce());
    cards.Unload();
}

}  // namespace
