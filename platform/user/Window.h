// The window functions the program and the class libraries call, over the windows of the form
// runtime.
//
// Window handles are small numbers issued by the platform layer: every form, picture box, user
// control surface, list box and browser pane gets a new one each time it is created, and a
// handle is never reused, so a handle of a destroyed window stays harmless (functions given it
// fail or do nothing).
//
// Every window has a procedure chain. Messages the layer sends go to the window's current
// procedure: WM_GETMINMAXINFO when the window is created, shown or resized (the answer limits
// its size) and WM_NCDESTROY as the last message before it is destroyed. A library replaces a
// window's procedure with SetWindowLongA(hWnd, GWL_WNDPROC, AddressOf(MyProc)) and passes
// messages on with CallWindowProcA(previous, ...).
#pragma once

#include <cstddef>
#include <cstdint>

using HWND = std::int32_t;
using UINT = std::uint32_t;
using BOOL = std::int32_t;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};
// Right and bottom are one past the last pixel.
struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
// The size query's record: 40 bytes, outer window sizes in pixels.
struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};
static_assert(sizeof(MINMAXINFO) == 40);

using WNDPROC = LRESULT (*)(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

inline constexpr HWND HWND_TOP = 0;
inline constexpr HWND HWND_BOTTOM = 1;
inline constexpr HWND HWND_TOPMOST = -1;
inline constexpr HWND HWND_NOTOPMOST = -2;

inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;

inline constexpr int GWL_WNDPROC = -4;

inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_GETMINMAXINFO = 0x0024;
inline constexpr UINT WM_NCDESTROY = 0x0082;

// The window's outer rectangle in screen pixels. A handle that names no window: FALSE, and
// *rect is set to all zeros.
BOOL GetWindowRect(HWND hWnd, RECT* rect);
// The pointer position in screen pixels.
BOOL GetCursorPos(POINT* point);
// Moves, sizes, orders, shows or hides a window. insertAfter: HWND_TOP, HWND_TOPMOST,
// HWND_NOTOPMOST (other values keep the order). SWP_SHOWWINDOW with SWP_NOACTIVATE shows the
// window without taking the focus. Positions and sizes are pixels (outer size).
BOOL SetWindowPos(HWND hWnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL IsWindow(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);

// Mouse capture: one window of the whole program holds it and keeps receiving mouse moves
// while the pointer is outside it. Returns the window that held it before (0 when none).
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Window procedures. A procedure's address is a small number issued by AddressOf (the same
// number for the same procedure). GetWindowLongA and SetWindowLongA know GWL_WNDPROC only
// (other indexes read 0 and change nothing); SetWindowLongA returns the previous procedure and
// refuses (returns 0) a number that AddressOf did not issue.
LONG AddressOf(WNDPROC procedure);
LONG GetWindowLongA(HWND hWnd, int index);
LONG SetWindowLongA(HWND hWnd, int index, LONG newValue);
// Calls the procedure with this address (0 for an unknown address).
LRESULT CallWindowProcA(LONG previousProcedure, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Sends a message through the window's procedure chain (0 for a handle that names no window).
LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The layer's own handling at the end of every chain.
LRESULT DefWindowProcA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
