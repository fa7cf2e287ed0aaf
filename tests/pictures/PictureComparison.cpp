#include "PictureComparison.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace picturetest {
namespace {

// Two colours are alike when no channel differs by more than this (smoothing of edges).
constexpr int kChannelTolerance = 40;
// At most one pixel in this many may differ beyond every tolerance, and never more than needed
// for a few stray edge pixels: a moved button or a missing picture differs in thousands.
constexpr int kAreaPerDifferingPixel = 4000;
constexpr int kLeastAllowed = 25;

bool Alike(std::uint32_t a, std::uint32_t b)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const int x = static_cast<int>((a >> shift) & 0xFF);
        const int y = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(x - y) > kChannelTolerance) return false;
    }
    return true;
}

std::uint32_t At(const qby::test::Snapshot& shot, int x, int y)
{
    return shot.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(shot.width) + static_cast<std::size_t>(x)];
}

// Some pixel of `other` within one pixel of (x, y) has the colour `colour`.
bool AlikeNearby(std::uint32_t colour, const qby::test::Snapshot& other, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < other.width && ny < other.height && Alike(colour, At(other, nx, ny)))
                return true;
        }
    }
    return false;
}

std::uint32_t Faded(std::uint32_t rgb)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) result |= ((((rgb >> shift) & 0xFF) / 4 + 0xC0) & 0xFF) << shift;
    return result;
}

}  // namespace

Comparison Compare(const qby::test::Snapshot& shown, const qby::test::Snapshot& reference)
{
    Comparison result;
    result.sameSize = shown.width == reference.width && shown.height == reference.height && shown.width > 0 &&
                      shown.height > 0;
    if (!result.sameSize) return result;
    result.allowed = std::max(kLeastAllowed, shown.width * shown.height / kAreaPerDifferingPixel);
    result.difference = reference;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const std::uint32_t a = At(shown, x, y);
            const std::uint32_t b = At(reference, x, y);
            std::uint32_t& mark =
                result.difference.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(shown.width) +
                                      static_cast<std::size_t>(x)];
            // An edge drawn a little differently: each colour is found next to the pixel in the
            // other picture.
            if (Alike(a, b) || (AlikeNearby(a, reference, x, y) && AlikeNearby(b, shown, x, y))) {
                mark = Faded(b);
            } else {
                mark = 0xFF0000;
                ++result.differing;
            }
        }
    }
    return result;
}

}  // namespace picturetest
