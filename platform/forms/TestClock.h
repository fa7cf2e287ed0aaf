// The clock that the runtime's timers run on: the real clock, or a test clock that advances
// only when a test says so, so that timer rules are checked exactly in milliseconds.
#pragma once

#include <cstdint>

namespace qby {

class TestClock {
public:
    // From now on every timer runs on test time (starting at 0 ms); enabled timers are moved
    // over with their full interval.
    static void Install();
    // Back to the real clock; enabled timers restart with their full interval.
    static void Uninstall();
    static bool Installed();

    // Advances test time by ms milliseconds, firing every timer that falls due, in order of
    // due time (timers due together: the one waiting longest first). A handler runs with Now()
    // equal to its due time; a timer due again within the span fires again. A handler may
    // itself call Advance (for example from inside a modal window's loop).
    static void Advance(std::int64_t ms);
    static std::int64_t Now();
};

// Installs the test clock for one scope.
class ScopedTestClock {
public:
    ScopedTestClock() { TestClock::Install(); }
    ~ScopedTestClock() { TestClock::Uninstall(); }
    ScopedTestClock(const ScopedTestClock&) = delete;
    ScopedTestClock& operator=(const ScopedTestClock&) = delete;
};

}  // namespace qby
