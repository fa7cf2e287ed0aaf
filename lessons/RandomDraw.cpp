#include "lessons/RandomDraw.h"

#include "platform/math/Random.h"

#include <algorithm>
#include <cmath>

std::int32_t DrawBelow(std::int32_t n)
{
    qby::Randomize();
    if (n < 1) return 0;
    const auto drawn = static_cast<std::int32_t>(std::floor(n * qby::Rnd()));
    return std::clamp<std::int32_t>(drawn, 0, n - 1);
}
