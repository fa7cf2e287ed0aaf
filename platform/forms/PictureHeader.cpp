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

namespace {

// Reads the colour bitmap of a device-independent bitmap: rows padded to four bytes, stored
// bottom row first unless `topDown`; palette entries blue-green-red-reserved. An index beyond the
// `colours` the palette holds takes the first colour. Alpha is 0xFF, or the pixel's own for 32
// bits; the caller has checked that the bytes hold every row.
void ReadDibColours(const unsigned char* bitmap, const unsigned char* palette,
                    std::uint64_t colours, int bits, bool topDown, ImagePixels& image)
{
    const int width = image.width;
    const int height = image.height;
    const std::uint64_t rowBytes =
        (std::uint64_t{static_cast<unsigned>(width)} * bits + 31) / 32 * 4;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = bitmap + rowBytes * (topDown ? y : height - 1 - y);
        std::uint32_t* out = image.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if (bits >= 24) {
                const unsigned char* pixel = row + x * (bits / 8);
                const std::uint32_t alpha = bits == 32 ? pixel[3] : 0xFF;
                out[x] = alpha << 24 | std::uint32_t{pixel[2]} << 16 |
                         std::uint32_t{pixel[1]} << 8 | pixel[0];
                continue;
            }
            const int perByte = 8 / bits;
            const int shift = 8 - bits * (x % perByte + 1);
            const std::uint32_t index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
            const unsigned char* colour = palette + 4 * (index < colours ? index : 0);
            out[x] = 0xFF000000u | std::uint32_t{colour[2]} << 16 | std::uint32_t{colour[1]} << 8 |
                     colour[0];
        }
    }
}

std::uint32_t ReadBig(const unsigned char* data)
{
    return std::uint32_t{data[0]} << 8 | data[1];
}

}  // namespace

ImagePixels FirstIconImage(const unsigned char* data, std::size_t size)
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
    // The mask follows the colours, rows padded to four bytes, bottom row first.
    const std::uint64_t colourRow = (std::uint64_t{static_cast<unsigned>(width)} * bits + 31) / 32 * 4;
    const std::uint64_t maskRow = (std::uint64_t{static_cast<unsigned>(width)} + 31) / 32 * 4;
    const std::uint64_t colourStart = headerSize + colours * 4;
    const std::uint64_t maskStart = colourStart + colourRow * height;
    if (maskStart + maskRow * height > imageSize)
        return {};
    ImagePixels result{width, height, {}};
    ReadDibColours(image + colourStart, image + headerSize, colours, bits, false, result);
    if (bits >= 24)
        return result;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = image + maskStart + maskRow * (height - 1 - y);
        std::uint32_t* out = result.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if ((row[x / 8] >> (7 - x % 8)) & 1)
                out[x] &= 0x00FFFFFFu;
        }
    }
    return result;
}

ImagePixels BitmapImage(const unsigned char* data, std::size_t size)
{
    constexpr std::size_t kInfoStart = 14;
    if (data == nullptr || size < kInfoStart + 40 || data[0] != 'B' || data[1] != 'M')
        return {};
    const unsigned char* info = data + kInfoStart;
    const std::int32_t width = static_cast<std::int32_t>(ReadLittle(info + 4, 4));
    const std::int32_t signedHeight = static_cast<std::int32_t>(ReadLittle(info + 8, 4));
    const int bits = static_cast<int>(ReadLittle(info + 14, 2));
    if (ReadLittle(info, 4) != 40 || ReadLittle(info + 12, 2) != 1 || ReadLittle(info + 16, 4) != 0)
        return {};
    if (bits != 4 && bits != 8 && bits != 24)
        return {};
    if (width <= 0 || width >= 16384 || signedHeight == 0 || signedHeight <= -16384 ||
        signedHeight >= 16384)
        return {};
    const int height = signedHeight < 0 ? -signedHeight : signedHeight;
    const std::uint64_t colours = bits == 24 ? 0 : std::uint64_t{1} << bits;
    if (bits != 24 && ReadLittle(info + 32, 4) != 0 && ReadLittle(info + 32, 4) != colours)
        return {};
    // The pixels follow the palette, or start later where the file header says so.
    const std::uint64_t paletteEnd = kInfoStart + 40 + colours * 4;
    const std::uint64_t offset = ReadLittle(data + 10, 4);
    const std::uint64_t pixelStart = offset > paletteEnd ? offset : paletteEnd;
    const std::uint64_t rowBytes =
        (std::uint64_t{static_cast<unsigned>(width)} * bits + 31) / 32 * 4;
    if (pixelStart + rowBytes * height > size)
        return {};
    ImagePixels result{width, height, {}};
    ReadDibColours(data + pixelStart, info + 40, colours, bits, signedHeight < 0, result);
    return result;
}

FrameSize JpegFrameSize(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return {};
    FrameSize frame;
    bool framed = false;
    unsigned char componentIds[10] = {};
    int components = 0;
    std::size_t at = 2;
    while (true) {
        // Bytes other than a marker's are skipped, as the decoder skips them; then the marker.
        while (at < size && data[at] != 0xFF)
            ++at;
        while (at < size && data[at] == 0xFF)
            ++at;
        if (at >= size)
            return {};
        const unsigned char marker = data[at++];
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a length
        if (marker == 0xD8 || marker == 0xD9)
            return {};  // a second start, or the end before any scan
        if (at + 2 > size)
            return {};
        const std::size_t length = ReadBig(data + at);
        if (length < 2 || at + length > size)
            return {};
        const unsigned char* body = data + at + 2;
        std::size_t left = length - 2;
        at += length;
        switch (marker) {
        case 0xC0:
        case 0xC1:
        case 0xC2:
        case 0xC9:
        case 0xCA: {
            if (framed || left < 6)
                return {};
            components = body[5];
            if (left != 6 + 3u * components || components < 1 || components > 10 || body[0] != 8)
                return {};
            frame.height = static_cast<int>(ReadBig(body + 1));
            frame.width = static_cast<int>(ReadBig(body + 3));
            if (frame.width <= 0 || frame.height <= 0 || frame.width > 65500 ||
                frame.height > 65500)
                return {};
            for (int i = 0; i < components; ++i) {
                const unsigned char sampling = body[6 + 3 * i + 1];
                if ((sampling >> 4) < 1 || (sampling >> 4) > 4 || (sampling & 0xF) < 1 ||
                    (sampling & 0xF) > 4)
                    return {};
                componentIds[i] = body[6 + 3 * i];
            }
            framed = true;
            break;
        }
        case 0xC3:
        case 0xC5:
        case 0xC6:
        case 0xC7:
        case 0xCB:
        case 0xCD:
        case 0xCE:
        case 0xCF:
            return {};  // lossless and hierarchical frames are not decoded
        case 0xDB:      // quantization tables: 64 entries of 8 or 16 bits each
            while (left > 0) {
                const unsigned char table = body[0];
                const std::size_t bytes = 1 + ((table >> 4) != 0 ? 128 : 64);
                if ((table & 0xF) > 3 || bytes > left)
                    return {};
                body += bytes;
                left -= bytes;
            }
            break;
        case 0xC4:  // Huffman tables: 16 counts, then as many values
            while (left > 16) {
                const int table = body[0] & 0xEF;
                std::size_t count = 0;
                for (int i = 1; i <= 16; ++i)
                    count += body[i];
                if (table > 3 || (body[0] & 0xE0) != 0 || count > 256 || 17 + count > left)
                    return {};
                body += 17 + count;
                left -= 17 + count;
            }
            if (left != 0)
                return {};
            break;
        case 0xDD:  // restart interval
            if (left != 2)
                return {};
            break;
        case 0xCC:  // arithmetic coding conditions, two bytes each
            if (left % 2 != 0)
                return {};
            break;
        case 0xDA: {  // the first scan: the header is complete
            if (!framed || left < 1)
                return {};
            const int inScan = body[0];
            if (inScan < 1 || inScan > 4 || left != 4 + 2u * inScan)
                return {};
            for (int i = 0; i < inScan; ++i) {
                bool known = false;
                for (int c = 0; c < components; ++c)
                    known = known || componentIds[c] == body[1 + 2 * i];
                if (!known)
                    return {};
            }
            return frame;
        }
        default:
            // Application data, comments and the line count are skipped; any other marker
            // stops the decoder.
            if ((marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE || marker == 0xDC)
                break;
            return {};
        }
    }
}

}  // namespace qby::picture
