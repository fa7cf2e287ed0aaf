// Shared pieces of Sizeguard's tests: a window carrying a size-lock control made by class id,
// the size query as the layer sends it, and the window's outer size.
#pragma once

#include "platform/forms/Forms.h"
#include "platform/user/Window.h"

#include <string>

// The main window's stored values: width fixed at 675, height between 585 and 590.
qby::PropertyBag MainWindowLimits();

// A window like the main window: a 670 x 560 client area centred on the screen, one size-lock
// control made from its class id with the stored values given, and a label after it.
class SizeLockWindow : public qby::Form {
public:
    SizeLockWindow(std::string classId, qby::PropertyBag stored, bool userMode = true);

    qby::ExternalControl tmrResizeLck1{this, "tmrResizeLck1"};
    qby::Label lblAfter{this, "lblAfter"};

protected:
    void Layout(qby::Design& d) override;

private:
    std::string classId_;
    qby::PropertyBag stored_;
    bool userMode_;
};

// The size query sent through the window's procedure chain; the record starts with marker
// values so that what the chain leaves alone can be told from what it sets.
MINMAXINFO QuerySize(HWND window, LRESULT* result = nullptr);
inline constexpr POINT kReservedMarker{11, 12};
inline constexpr POINT kMaxSizeMarker{1300, 1400};
inline constexpr POINT kMaxPositionMarker{-5, -6};

struct OuterSize {
    int width = 0;
    int height = 0;
    bool operator==(const OuterSize&) const = default;
};
OuterSize OuterSizeOf(HWND window);
// Asks the window system to give the window this outer size.
OuterSize ResizeTo(HWND window, int width, int height);
