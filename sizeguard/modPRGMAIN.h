// modPRGMAIN: the table of hooked windows shared by every Subclass of the library, the
// procedures that hook and unhook a window, and WindowProc, the one replacement window
// procedure every hooked window gets.
//
// A window's chain while hooked: WindowProc in front of the procedure the window had before.
// WindowProc passes the messages its owner listed to the owner's WndProc event (the earlier
// procedure does not see them) and every other message on to the earlier procedure unchanged.
#pragma once

#include "platform/user/Window.h"

#include <cstdint>

class Subclass;

namespace modPRGMAIN {

// One record per hooked window.
struct SubclassEntry {
    HWND lngHwnd = 0;
    Subclass* objOwner = nullptr;  // the control that hooked the window
    LONG lngOldWndProc = 0;        // the procedure in force when the window was hooked
};

// The table holds at most this many windows (its count is a 16-bit signed number); a hook
// beyond it is skipped.
inline constexpr std::int16_t kMaxSubclassCount = 32767;

// Puts WindowProc in front of the window's procedure, the owner receiving the routed messages.
// A window already in the table is unhooked first, so it never has two entries and its saved
// procedure is always the one from before any hook. Handle 0 does nothing.
void HookWindow(HWND hWnd, Subclass& owner);
// Puts the saved procedure back and removes the window's entry; nothing when it has none.
void UnhookWindow(HWND hWnd);
// The replacement window procedure (its address is what SetWindowLongA installs).
LRESULT WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Calls the window's saved procedure; 0 for a window without an entry.
LRESULT CallOldWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// Table state, for inspection.
std::int16_t SubclassCount();
// Entry i (1 to SubclassCount); an empty entry for other numbers, entry 0 included.
SubclassEntry EntryAt(int i);

// A Subclass ending removes every entry that still names it, so the table never holds an owner
// that is gone (each entry keeps its owner in use; see Subclass).
void ForgetOwner(const Subclass& owner);
// Owners that exist now: a routed message's handler may end its own control.
void OwnerCreated(const Subclass& owner);
bool IsOwnerAlive(const Subclass* owner);

}  // namespace modPRGMAIN
