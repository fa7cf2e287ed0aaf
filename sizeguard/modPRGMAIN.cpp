#include "sizeguard/modPRGMAIN.h"

#include "sizeguard/Subclass.h"

#include <algorithm>
#include <vector>

namespace modPRGMAIN {

namespace {

// Entries 1 to SubclassCount are in use, in the order the windows were hooked; entry 0 is never
// used. The table is resized by one on every hook and every unhook.
struct ModuleState {
    std::vector<SubclassEntry> SubclassTable = std::vector<SubclassEntry>(1);
    std::int16_t SubclassCount = 0;
    std::vector<const Subclass*> owners;  // every Subclass that exists
};

ModuleState& State()
{
    // Never destroyed: controls of windows that end at exit still leave the table.
    static ModuleState& state = *new ModuleState;
    return state;
}

// The first entry for the window, or 0.
int FindEntry(HWND hWnd)
{
    const ModuleState& s = State();
    for (int i = 1; i <= s.SubclassCount; ++i) {
        if (s.SubclassTable[static_cast<std::size_t>(i)].lngHwnd == hWnd) return i;
    }
    return 0;
}

void RemoveEntry(int index)
{
    ModuleState& s = State();
    s.SubclassTable.erase(s.SubclassTable.begin() + index);
    --s.SubclassCount;
}

}  // namespace

void HookWindow(HWND hWnd, Subclass& owner)
{
    if (hWnd == 0) return;
    UnhookWindow(hWnd);
    ModuleState& s = State();
    if (s.SubclassCount >= kMaxSubclassCount) return;
    ++s.SubclassCount;
    s.SubclassTable.resize(static_cast<std::size_t>(s.SubclassCount) + 1);
    SubclassEntry& entry = s.SubclassTable.back();
    entry.lngHwnd = hWnd;
    entry.objOwner = &owner;
    entry.lngOldWndProc = GetWindowLongA(hWnd, GWL_WNDPROC);
    SetWindowLongA(hWnd, GWL_WNDPROC, AddressOf(WindowProc));
}

void UnhookWindow(HWND hWnd)
{
    const int found = FindEntry(hWnd);
    if (found == 0) return;
    SetWindowLongA(hWnd, GWL_WNDPROC, State().SubclassTable[static_cast<std::size_t>(found)].lngOldWndProc);
    RemoveEntry(found);
}

LRESULT WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    // The count is taken once; each entry is looked up afresh, since a routed event or the
    // earlier procedure may hook or unhook windows (a nested message) before this returns.
    const int count = State().SubclassCount;
    for (int i = 1; i <= count && i <= State().SubclassCount; ++i) {
        const SubclassEntry entry = State().SubclassTable[static_cast<std::size_t>(i)];
        if (entry.lngHwnd != hWnd) continue;
        Subclass* owner = entry.objOwner;
        if (owner->Messages(static_cast<LONG>(uMsg))) {
            LONG msg = static_cast<LONG>(uMsg);
            WPARAM w = wParam;
            LPARAM l = lParam;
            result = owner->RaiseWndProc(msg, w, l);
        } else {
            result = CallWindowProcA(entry.lngOldWndProc, hWnd, uMsg, wParam, lParam);
        }
        // The last message of the window: it has been handled, now the hook goes.
        if (uMsg == WM_NCDESTROY && IsOwnerAlive(owner)) owner->hWnd(0);
        break;
    }
    return result;
}

LRESULT CallOldWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    const int found = FindEntry(hWnd);
    if (found == 0) return 0;
    return CallWindowProcA(State().SubclassTable[static_cast<std::size_t>(found)].lngOldWndProc, hWnd, Msg,
                           wParam, lParam);
}

std::int16_t SubclassCount() { return State().SubclassCount; }

SubclassEntry EntryAt(int i)
{
    const ModuleState& s = State();
    if (i < 1 || i > s.SubclassCount) return {};
    return s.SubclassTable[static_cast<std::size_t>(i)];
}

void ForgetOwner(const Subclass& owner)
{
    ModuleState& s = State();
    s.owners.erase(std::remove(s.owners.begin(), s.owners.end(), &owner), s.owners.end());
    for (int i = s.SubclassCount; i >= 1; --i) {
        const SubclassEntry entry = s.SubclassTable[static_cast<std::size_t>(i)];
        if (entry.objOwner == &owner) UnhookWindow(entry.lngHwnd);
    }
}

void OwnerCreated(const Subclass& owner) { State().owners.push_back(&owner); }

bool IsOwnerAlive(const Subclass* owner)
{
    const auto& owners = State().owners;
    return std::find(owners.begin(), owners.end(), owner) != owners.end();
}

}  // namespace modPRGMAIN
