// Helpers for tests of windows: real input through the window system, pictures of what a
// window shows, controls found by name, and a hook into modal loops. Positions are pixels
// relative to the top-left corner of the client area of the form or control named.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "platform/forms/UserControl.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qby::test {

// What a window or control shows, as pixels.
struct Snapshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;  // 0xRRGGBB, row by row
    // The colour at (x, y) in blue-green-red order; -1 outside.
    std::int64_t Point(int x, int y) const;
};
Snapshot Grab(Form& form);         // the client area
Snapshot Grab(Control& control);   // the control's area as it appears on its window
// A snapshot as a PNG file, and back; false or an empty snapshot when that cannot be done.
bool WritePng(const Snapshot& shot, const std::string& path);
Snapshot ReadPng(const std::string& path);

// Where a client area or control lies on the screen, in pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
ScreenRect RectOnScreen(Form& form);
ScreenRect RectOnScreen(Control& control);

// Mouse input, delivered as the window system would: to the window under the pointer, or to
// the window holding the capture. Each call also moves the pointer (GetCursorPos sees it).
void MouseMove(Form& form, int x, int y, int buttons = 0);
void MouseMove(Control& control, int x, int y, int buttons = 0);
void MouseMoveOnScreen(int x, int y, int buttons = 0);
void MousePress(Form& form, int x, int y, int button = vbLeftButton, int shift = 0);
void MousePress(Control& control, int x, int y, int button = vbLeftButton, int shift = 0);
void MouseRelease(Form& form, int x, int y, int button = vbLeftButton, int shift = 0);
void MouseRelease(Control& control, int x, int y, int button = vbLeftButton, int shift = 0);
// Press and release.
void MouseClick(Form& form, int x, int y, int button = vbLeftButton, int shift = 0);
void MouseClick(Control& control, int x, int y, int button = vbLeftButton, int shift = 0);
// Two clicks close enough to count as a double click.
void MouseDoubleClick(Control& control, int x, int y, int button = vbLeftButton);
// Runs `input` (calls of the functions above) when waiting messages are next processed (by
// DoEvents, a modal loop or ProcessEvents), as input made while the program is busy waits in the
// window system's queue. Inputs queued together run in the order queued.
void QueueInput(std::function<void()> input);
// The window system asks the window to close (its title bar's close box).
void RequestClose(Form& form);
// A key pressed and released while the control has the focus (key codes as vbKeyA = 65...).
void KeyClick(Control& control, int keyCode, int shift = 0);

// Runs hook each time a modal loop starts (the form is shown and its loop is about to run);
// null removes it. The hook may unload or hide the form to end the loop.
void OnModalShown(std::function<void(Form&)> hook);
// Runs hook when a modal loop starts while no OnModalShown hook is set: a test that meets a
// modal window it did not expect reports it and closes it instead of waiting. Null removes it.
void OnUnexpectedModal(std::function<void(Form&)> hook);

// Lets waiting events run (including the freeing of destroyed windows).
void ProcessEvents();
// After a test that ended the program (End), lets the runtime load windows again.
void ResetAfterEnd();

// State of the window as the window system sees it.
bool IsShownOnScreen(Form& form);
bool IsShownOnScreen(Control& control);
bool IsTopMost(Form& form);
bool IsInTaskbar(Form& form);
bool HasFrame(Form& form);          // a title bar and border
bool IsResizable(Form& form);
// The family of the font the window system uses for the control's text (after substitution).
std::string ShownFontFamily(Control& control);
// The pointer shape the control shows now (a MousePointer constant; vbCustom for MouseIcon).
int ShownPointer(Control& control);
// True while Screen.MousePointer stands over the program's windows.
bool ScreenPointerInForce();

// A picture's pixels as premultiplied 0xAARRGGBB, top row first.
std::vector<std::uint32_t> PicturePixels(const Picture& picture);
// The same for bytes as the toolkit's own reader of the format ("ico", "bmp", "jpeg") reads them
// (the first image of an icon or cursor), and the size that reader reports before reading (0 x 0
// when it cannot).
std::vector<std::uint32_t> ToolkitPixels(const std::vector<unsigned char>& bytes,
                                         const char* format);
std::pair<int, int> ToolkitImageSize(const std::vector<unsigned char>& bytes, const char* format);

// PropertyChanged names a user control raised since its host last loaded, in order.
std::vector<std::string> PropertyChangedLog(UserControl& control);

}  // namespace qby::test
