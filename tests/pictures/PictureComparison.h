// Comparing a rendered window with its reference picture: tolerant of anti-aliasing (a pixel
// whose colour stands within one pixel in the other picture), not of layout.
#pragma once

#include "platform/forms/Testing.h"

#include <string>

namespace picturetest {

struct Comparison {
    bool sameSize = false;
    int differing = 0;                  // pixels that no tolerance explains
    int allowed = 0;                    // how many may differ before the pictures count as different
    qby::test::Snapshot difference;     // the reference, faded, with the differing pixels in red
    bool Matches() const { return sameSize && differing <= allowed; }
};

Comparison Compare(const qby::test::Snapshot& shown, const qby::test::Snapshot& reference);

}  // namespace picturetest
