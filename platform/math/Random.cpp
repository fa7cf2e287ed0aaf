#include "platform/math/Random.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <utility>

namespace qby {

namespace {

struct RandomState {
    std::uint64_t state = 0x853C49E6748FEA9BULL;
    RandomSource source;
};

RandomState& random()
{
    static RandomState r;
    return r;
}

// splitmix64: one step of the state, a well-mixed 64-bit output.
std::uint64_t NextBits(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

void Randomize()
{
    auto& r = random();
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    r.state ^= static_cast<std::uint64_t>(ticks) * 0xD1B54A32D192ED03ULL;
    NextBits(r.state);
}

double Rnd()
{
    auto& r = random();
    if (r.source) {
        const double value = r.source();
        if (!(value >= 0.0)) return 0.0;  // also NaN
        if (value >= 1.0) return std::nextafter(1.0, 0.0);
        return value;
    }
    // 53 random bits: a double in [0, 1).
    return static_cast<double>(NextBits(r.state) >> 11) * 0x1.0p-53;
}

RandomSource SetRandomSource(RandomSource source)
{
    return std::exchange(random().source, std::move(source));
}

}  // namespace qby
