#include "platform/forms/PictureHeader.h"

namespace qby::picture {

std::uint32_t ReadLittle(const unsigned char* data, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | data[i];
    return value;
}

std::vector<unsigned char> BitmapFileHeaderFor(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size < 16)
        return {};
    const std::uint32_t headerSize = ReadLittle(data, 4);
    if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        return {};
    if (headerSize > size)
        return {};
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        bitsPerPixel = ReadLittle(data + 10, 2);
    } else {
        bitsPerPixel = ReadLittle(data + 14, 2);
        compression = ReadLittle(data + 16, 4);
        colorsUsed = ReadLittle(data + 32, 4);
    }
    // Counted in 64 bits: a colour count read from damaged bytes may be anything.
    std::uint64_t paletteEntries = colorsUsed;
    if (paletteEntries == 0 && bitsPerPixel <= 8)
        paletteEntries = std::uint64_t{1} << bitsPerPixel;
    const std::uint64_t entrySize = headerSize == 12 ? 3 : 4;
    std::uint64_t masks = 0;
    if (headerSize == 40 && (compression == 3 || compression == 6))
        masks = compression == 3 ? 12 : 16;
    const std::uint64_t offset = 14 + std::uint64_t{headerSize} + masks + paletteEntries * entrySize;
    const std::uint64_t fileSize = 14 + std::uint64_t{size};
    if (offset > fileSize || fileSize > 0xFFFFFFFFu)
        return {};
    std::vector<unsigned char> header(14, 0);
    header[0] = 'B';
    header[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        header[2 + i] = static_cast<unsigned char>((fileSize >> (8 * i)) & 0xFF);
        header[10 + i] = static_cast<unsigned char>((offset >> (8 * i)) & 0xFF);
    }
    return header;
}

IconKind IconOrCursorKind(const unsigned char* data, std::size_t size)
{
    // Reserved 0, type 1 or 2, at least one image; the first directory entry complete.
    if (data == nullptr || size < 22 || data[0] != 0 || data[1] != 0 || data[3] != 0)
        return kNotIcon;
    if (data[2] != 1 && data[2] != 2)
        return kNotIcon;
    if (ReadLittle(data + 4, 2) == 0)
        return kNotIcon;
    return data[2] == 1 ? kIcon : kCursor;
}

HotSpot CursorHotSpot(const unsigned char* data, std::size_t size)
{
    if (IconOrCursorKind(data, size) != kCursor)
        return {};
    // In a cursor's first directory entry the colour planes and bit count hold the hot spot.
    return {static_cast<int>(ReadLittle(data + 6 + 4, 2)), static_cast<int>(ReadLittle(data + 6 + 6, 2))};
}

}  // namespace qby::picture
