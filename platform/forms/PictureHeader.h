// The byte-level parts of reading pictures: the file header a bitmap resource lacks, and the
// directory of an icon or cursor file with the cursor's hot spot. Plain C++ (no toolkit), so
// these readers of untrusted bytes can be fuzzed on their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qby::picture {

// The unsigned little-endian number in `bytes` (1 to 4) bytes at `data`.
std::uint32_t ReadLittle(const unsigned char* data, int bytes);

// A bitmap resource holds the bitmap from its info header on. For such bytes, the 14-byte file
// header to put in front ("BM", the file size, the offset of the pixels); empty when the bytes
// do not start with a known info header, or the pixels would start beyond them.
std::vector<unsigned char> BitmapFileHeaderFor(const unsigned char* data, std::size_t size);

// The kind of an icon or cursor file by its directory: 1 icon, 2 cursor, 0 neither.
enum IconKind { kNotIcon = 0, kIcon = 1, kCursor = 2 };
IconKind IconOrCursorKind(const unsigned char* data, std::size_t size);

// The hot spot of a cursor file's first image, in pixels; (0, 0) for anything else.
struct HotSpot {
    int x = 0;
    int y = 0;
};
HotSpot CursorHotSpot(const unsigned char* data, std::size_t size);

// The first image of an icon or cursor file, stored as a bitmap of 1, 4, 8, 24 or 32 bits a
// pixel: its pixels as 0xAARRGGBB, top row first, as the toolkit's own icon reader gives them.
// The AND mask makes pixels of a palette image transparent; a 24-bit image is opaque and a
// 32-bit one keeps its alpha, whatever the mask. Empty (no pixels) for anything else: a PNG
// image, other bit counts, compressed or damaged bytes.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
IconImage FirstIconImage(const unsigned char* data, std::size_t size);

}  // namespace qby::picture
