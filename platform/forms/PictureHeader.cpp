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

IconImage FirstIconImage(const unsigned char* data, std::size_t size)
{
    if (IconOrCursorKind(data, size) == kNotIcon)
        return {};
    const unsigned char* entry = data + 6;
    const int width = entry[0] == 0 ? 256 : entry[0];
    const int height = entry[1] == 0 ? 256 : entry[1];
    const std::uint64_t imageSize = ReadLittle(entry + 8, 4);
    const std::uint64_t imageOffset = ReadLittle(entry + 12, 4);
    if (imageOffset + imageSize > size || imageSize < 40)
        return {};
    const unsigned char* image = data + imageOffset;
    // A BITMAPINFOHEADER whose height counts the colour bitmap and the mask, uncompressed.
    const std::uint32_t headerSize = ReadLittle(image, 4);
    const int bits = static_cast<int>(ReadLittle(image + 14, 2));
    if (headerSize != 40 || static_cast<std::int32_t>(ReadLittle(image + 4, 4)) != width ||
        static_cast<std::int32_t>(ReadLittle(image + 8, 4)) != 2 * height || ReadLittle(image + 16, 4) != 0)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return {};
    std::uint64_t colours = 0;
    if (bits <= 8) {
        colours = ReadLittle(image + 32, 4);
        if (colours == 0 || colours > (1u << bits))
            colours = 1u << bits;
    }
    // Rows are padded to four bytes and stored bottom row first; the mask follows the colours.
    const std::uint64_t colourRow = (std::uint64_t{static_cast<unsigned>(width)} * bits + 31) / 32 * 4;
    const std::uint64_t maskRow = (std::uint64_t{static_cast<unsigned>(width)} + 31) / 32 * 4;
    const std::uint64_t colourStart = headerSize + colours * 4;
    const std::uint64_t maskStart = colourStart + colourRow * height;
    if (maskStart + maskRow * height > imageSize)
        return {};
    const unsigned char* palette = image + headerSize;
    IconImage result{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = image + colourStart + colourRow * (height - 1 - y);
        std::uint32_t* out = result.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if (bits >= 24) {
                const unsigned char* pixel = row + x * (bits / 8);
                const std::uint32_t alpha = bits == 32 ? pixel[3] : 0xFF;
                out[x] = alpha << 24 | std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
                continue;
            }
            const int perByte = 8 / bits;
            const int shift = 8 - bits * (x % perByte + 1);
            const std::uint32_t index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
            const unsigned char* colour = palette + 4 * (index < colours ? index : 0);
            out[x] = std::uint32_t{colour[2]} << 16 | std::uint32_t{colour[1]} << 8 | colour[0];
        }
    }
    if (bits >= 24)
        return result;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = image + maskStart + maskRow * (height - 1 - y);
        std::uint32_t* out = result.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
            out[x] = (out[x] & 0x00FFFFFFu) | (transparent ? 0u : 0xFF000000u);
        }
    }
    return result;
}

}  // namespace qby::picture
