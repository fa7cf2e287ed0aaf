#include "sizeguard/Subclass.h"

#include "sizeguard/modPRGMAIN.h"

#include <algorithm>

Subclass::Subclass(qby::ControlHost* host, std::string name, int index)
    : UserControl(host, std::move(name), index)
{
    modPRGMAIN::OwnerCreated(*this);
}

Subclass::~Subclass()
{
    // The table's entries keep their owner in use; a Subclass that ends takes its hook with it.
    if (lngHookedHwnd != 0) modPRGMAIN::UnhookWindow(lngHookedHwnd);
    modPRGMAIN::ForgetOwner(*this);
}

void Subclass::Layout(qby::Design& d)
{
    d.Surface({.Width = 480, .Height = 480, .InvisibleAtRuntime = true});
}

LRESULT Subclass::CallWndProc(LONG& Msg, WPARAM& wParam, LPARAM& lParam)
{
    if (lngHookedHwnd == 0) return 0;
    return modPRGMAIN::CallOldWndProc(lngHookedHwnd, static_cast<UINT>(Msg), wParam, lParam);
}

void Subclass::hWnd(HWND hWndNew)
{
    if (hWndNew == lngHookedHwnd) return;
    if (lngHookedHwnd != 0) modPRGMAIN::UnhookWindow(lngHookedHwnd);
    lngHookedHwnd = hWndNew;
    if (lngHookedHwnd != 0) modPRGMAIN::HookWindow(lngHookedHwnd, *this);
}

bool Subclass::Messages(LONG nMessage) const
{
    const auto first = lngMessageList.begin() + 1;
    return std::find(first, first + intMessageCount, nMessage) != first + intMessageCount;
}

void Subclass::Messages(LONG nMessage, bool bSubclass)
{
    const auto first = lngMessageList.begin() + 1;
    const auto found = std::find(first, first + intMessageCount, nMessage);
    const bool listed = found != first + intMessageCount;
    if (!listed && bSubclass) {
        if (intMessageCount >= kMaxMessageCount) return;
        ++intMessageCount;
        lngMessageList.resize(static_cast<std::size_t>(intMessageCount) + 1);
        lngMessageList.back() = nMessage;
    } else if (listed && !bSubclass) {
        lngMessageList.erase(found);
        --intMessageCount;
    }
}

LRESULT Subclass::RaiseWndProc(LONG& Msg, WPARAM& wParam, LPARAM& lParam)
{
    LRESULT lngRES = 0;
    WndProc.Raise(Msg, wParam, lParam, lngRES);
    return lngRES;
}

void Subclass::UserControl_Terminate()
{
    if (lngHookedHwnd != 0) modPRGMAIN::UnhookWindow(lngHookedHwnd);
    // The object outlives this load of its host and may be loaded again: it starts without a
    // window.
    lngHookedHwnd = 0;
}
