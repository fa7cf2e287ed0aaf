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

// Pixels as 0xAARRGGBB, top row first; none when a reader cannot read the bytes.
struct ImagePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The first image of an icon or cursor file, stored as a bitmap of 1, 4, 8, 24 or 32 bits a
// pixel, as the toolkit's own icon reader gives it. The AND mask makes pixels of a palette image
// transparent; a 24-bit image is opaque and a 32-bit one keeps its alpha, whatever the mask. No
// pixels for anything else: a PNG image, other bit counts, compressed or damaged bytes.
ImagePixels FirstIconImage(const unsigned char* data, std::size_t size);

// A bitmap file ("BM" and an information header of 40 bytes) of 4, 8 or 24 bits a pixel,
// uncompressed and with a full palette, as the toolkit's bitmap reader gives it (opaque). No
// pixels for anything else (other bit counts or headers, compression, a short palette, damaged
// bytes): the toolkit reads those.
ImagePixels BitmapImage(const unsigned char* data, std::size_t size);

// The size a JPEG decodes to, from the markers before its first scan: a frame header of a kind
// the decoder reads (baseline, extended, progressive; 8-bit samples), and well-formed tables, as
// the decoder checks them before it reads the size. 0 x 0 for anything else.
struct FrameSize {
    int width = 0;
    int height = 0;
};
FrameSize JpegFrameSize(const unsigned char* data, std::size_t size);

}  // namespace qby::picture
