// Fuzzes the byte-level readers of pictures: the file header made for a bitmap resource always
// describes the bytes it goes in front of, and only a complete icon or cursor directory is taken
// as one, with a hot spot only for a cursor, icon and bitmap pixels are read only from within
// their bytes, and a JPEG's size comes only from a frame header.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/forms/PictureHeader.h"

using namespace qby::picture;

namespace {

void fail(const char* what)
{
    std::fprintf(stderr, "picture_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<unsigned char> header = BitmapFileHeaderFor(data, size);
    if (!header.empty()) {
        if (header.size() != 14 || header[0] != 'B' || header[1] != 'M') fail("not a bitmap file header");
        if (ReadLittle(header.data() + 2, 4) != 14 + size) fail("the file size is not that of header and bytes");
        const std::uint32_t offset = ReadLittle(header.data() + 10, 4);
        const std::uint32_t infoHeader = ReadLittle(data, 4);
        if (offset < 14 + infoHeader || offset > 14 + size) fail("the pixels start outside the bitmap");
    }

    const IconKind kind = IconOrCursorKind(data, size);
    if (kind != kNotIcon && (size < 22 || data[2] != kind)) fail("an incomplete directory taken as icon or cursor");
    const HotSpot hotSpot = CursorHotSpot(data, size);
    if (kind != kCursor && (hotSpot.x != 0 || hotSpot.y != 0)) fail("a hot spot for something not a cursor");
    if (hotSpot.x < 0 || hotSpot.x > 0xFFFF || hotSpot.y < 0 || hotSpot.y > 0xFFFF) fail("hot spot out of range");

    const ImagePixels icon = FirstIconImage(data, size);
    if (!icon.pixels.empty()) {
        if (kind == kNotIcon) fail("pixels read from something not an icon or cursor");
        if (icon.width < 1 || icon.width > 256 || icon.height < 1 || icon.height > 256) fail("icon size out of range");
        if (icon.pixels.size() != static_cast<std::size_t>(icon.width) * icon.height) fail("pixel count not the size");
    }

    const ImagePixels bitmap = BitmapImage(data, size);
    if (!bitmap.pixels.empty()) {
        if (size < 54 || data[0] != 'B' || data[1] != 'M')
            fail("pixels read from something not a bitmap file");
        if (bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * bitmap.height)
            fail("bitmap pixel count");
        for (std::uint32_t pixel : bitmap.pixels) {
            if ((pixel >> 24) != 0xFF)
                fail("a bitmap pixel not opaque");
        }
    }

    const FrameSize frame = JpegFrameSize(data, size);
    if (frame.width != 0 || frame.height != 0) {
        if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
            fail("a frame size for something not a JPEG");
        if (frame.width < 1 || frame.width > 65500 || frame.height < 1 || frame.height > 65500)
            fail("frame size");
    }
    return 0;
}
