// Subclass ("Subclass Control"): the private control of Sizeguard through which a host hooks
// one window, chooses the message numbers it wants, and receives them as its WndProc event.
// Not registered and not in the type library; its one user is ResizeLck. No appearance at run
// time.
//
// The message number is a Long; wParam, lParam and the result are pointer-wide, because a
// message may carry an address (the size query passes the address of its record in lParam).
#pragma once

#include "platform/forms/Design.h"
#include "platform/forms/UserControl.h"
#include "platform/user/Window.h"

#include <cstdint>
#include <vector>

namespace modPRGMAIN {
LRESULT WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
}

class Subclass : public qby::UserControl {
public:
    // Dispatch ids of the members, as the control's description lists them.
    static constexpr std::int32_t DISPID_CallWndProc = 0x60030002;
    static constexpr std::int32_t DISPID_hWnd = 0x68030001;
    static constexpr std::int32_t DISPID_Messages = 0x68030000;
    // A message list holds at most this many numbers (its count is a 16-bit signed number).
    static constexpr std::int16_t kMaxMessageCount = 32767;

    Subclass(qby::ControlHost* host, std::string name, int index = -1);
    ~Subclass() override;
    const char* KindName() const override { return "Subclass"; }

    // "Invokes the original window procedure for the sub classed window": passes a message to
    // the procedure the window had before the hook; 0 without a window.
    LRESULT CallWndProc(LONG& Msg, WPARAM& wParam, LPARAM& lParam);
    // "Specifies the handle of the window to be sub classed": setting it moves the hook to that
    // window (0 unhooks).
    HWND hWnd() const { return lngHookedHwnd; }
    void hWnd(HWND hWndNew);
    // "Specifies which messages are passed to the WndProc event".
    bool Messages(LONG nMessage) const;
    void Messages(LONG nMessage, bool bSubclass);

    // Msg, wParam, lParam, lngRES: lngRES is 0 when raised; what the handler leaves in it is the
    // window procedure's result.
    qby::Event<LONG&, WPARAM&, LPARAM&, LRESULT&> WndProc{this};

protected:
    void Layout(qby::Design& d) override;
    void UserControl_Terminate() override;

private:
    friend LRESULT modPRGMAIN::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Raises WndProc and returns what the handler left in lngRES.
    LRESULT RaiseWndProc(LONG& Msg, WPARAM& wParam, LPARAM& lParam);

    HWND lngHookedHwnd = 0;
    // Entries 1 to intMessageCount in use (entry 0 never), in the order they were added.
    std::vector<LONG> lngMessageList = std::vector<LONG>(1);
    std::int16_t intMessageCount = 0;
};
