// Random numbers as the form runtime gives them: Randomize reseeds the generator from the clock,
// Rnd returns the next number in [0, 1).
//
// Reseeding mixes the clock into the generator's state rather than replacing it, so two reseeds
// within one tick of the clock still lead to different numbers (a draw that repeats until it
// differs from the last one cannot get stuck on one value).
//
// Tests fix the numbers with a source of their own: while one is installed, Rnd returns what it
// gives and Randomize leaves it alone.
#pragma once

#include <functional>

namespace qby {

void Randomize();
double Rnd();

// The test seam. The source's values must lie in [0, 1); others are clamped into it.
using RandomSource = std::function<double()>;
// Installs the source (null goes back to the generator); returns the one it replaces.
RandomSource SetRandomSource(RandomSource source);

// Installs a source for one scope.
class ScopedRandomSource {
public:
    explicit ScopedRandomSource(RandomSource source) : previous_(SetRandomSource(std::move(source))) {}
    ~ScopedRandomSource() { SetRandomSource(std::move(previous_)); }
    ScopedRandomSource(const ScopedRandomSource&) = delete;
    ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

private:
    RandomSource previous_;
};

}  // namespace qby
