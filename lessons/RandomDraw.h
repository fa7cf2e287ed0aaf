// The lessons' random draws: each reseeds the generator from the clock first.
#pragma once

#include <cstdint>

// Reseeds, then draws Int(n × Rnd): a whole number from 0 to n − 1 (0 when n < 1).
std::int32_t DrawBelow(std::int32_t n);
