#include "sizeguard/ResizeLckIcon.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kSize = 32;

// The standard 16-colour palette, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
enum Colour : std::uint8_t { Black = 0, Navy = 4, Silver = 7, Grey = 8, Yellow = 11, White = 15 };

using Pixels = std::array<std::array<std::uint8_t, kSize>, kSize>;  // [y][x], top row first

void Fill(Pixels& p, int left, int top, int right, int bottom, Colour colour)
{
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) p[y][x] = colour;
    }
}

void Outline(Pixels& p, int left, int top, int right, int bottom, Colour colour)
{
    Fill(p, left, top, right, top, colour);
    Fill(p, left, bottom, right, bottom, colour);
    Fill(p, left, top, left, bottom, colour);
    Fill(p, right, top, right, bottom, colour);
}

Pixels Draw()
{
    Pixels p{};
    Fill(p, 0, 0, kSize - 1, kSize - 1, Silver);
    // A window: black frame, navy title bar with a white close box, white client area.
    Fill(p, 2, 3, 25, 24, White);
    Fill(p, 3, 4, 24, 7, Navy);
    Fill(p, 21, 5, 23, 6, White);
    Outline(p, 2, 3, 25, 24, Black);
    // Its size marks: arrows at the right and bottom edges.
    Fill(p, 5, 21, 14, 21, Grey);
    Fill(p, 6, 20, 6, 22, Grey);
    Fill(p, 13, 20, 13, 22, Grey);
    // A padlock over the lower right corner: grey shackle, yellow body, black keyhole.
    Outline(p, 20, 13, 27, 21, Grey);
    Outline(p, 21, 14, 26, 21, Grey);
    Fill(p, 17, 19, 30, 30, Yellow);
    Outline(p, 17, 19, 30, 30, Black);
    Fill(p, 23, 22, 24, 25, Black);
    Fill(p, 23, 26, 24, 27, Black);
    return p;
}

void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

// The icon as a bitmap file image.
std::vector<unsigned char> Bitmap()
{
    const Pixels pixels = Draw();
    constexpr std::uint32_t kRowBytes = kSize / 2;  // two pixels a byte, already a multiple of 4
    constexpr std::uint32_t kHeaderBytes = 14 + 40 + 4 * 16;
    constexpr std::uint32_t kImageBytes = kRowBytes * kSize;
    std::vector<unsigned char> out;
    out.reserve(kHeaderBytes + kImageBytes);
    // File header.
    out.push_back('B');
    out.push_back('M');
    PutLe(out, kHeaderBytes + kImageBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, kHeaderBytes, 4);
    // Information header: 32 x 32, one plane, 4 bits a pixel, uncompressed, 16 colours.
    PutLe(out, 40, 4);
    PutLe(out, kSize, 4);
    PutLe(out, kSize, 4);
    PutLe(out, 1, 2);
    PutLe(out, 4, 2);
    PutLe(out, 0, 4);
    PutLe(out, kImageBytes, 4);
    PutLe(out, 3780, 4);  // 96 pixels an inch
    PutLe(out, 3780, 4);
    PutLe(out, 16, 4);
    PutLe(out, 16, 4);
    for (std::uint32_t rgb : kPalette) {
        out.push_back(static_cast<unsigned char>(rgb & 0xFF));
        out.push_back(static_cast<unsigned char>((rgb >> 8) & 0xFF));
        out.push_back(static_cast<unsigned char>((rgb >> 16) & 0xFF));
        out.push_back(0);
    }
    // Rows bottom first, the left pixel of each pair in the high half of its byte.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; x += 2)
            out.push_back(static_cast<unsigned char>((pixels[y][x] << 4) | pixels[y][x + 1]));
    }
    return out;
}

}  // namespace

qby::Picture ResizeLckIcon()
{
    return qby::Picture::FromEncodedBytes(Bitmap());
}
