// The tip window's handlers: placing the tip at the pointer, the show delay, the display time,
// the owner poll, the frame, and closing.
#include "controls/frmTOOLTIP.h"

#include "platform/forms/Runtime.h"
#include "platform/user/Window.h"

#include <algorithm>

frmTOOLTIP_Form::frmTOOLTIP_Form() : Form("frmTOOLTIP")
{
    lblTIP.Change.Handle(this, &frmTOOLTIP_Form::lblTIP_Change);
    lblTIP.MouseMove.Handle(this, &frmTOOLTIP_Form::lblTIP_MouseMove);
    tmrPARENT.Tick.Handle(this, &frmTOOLTIP_Form::tmrPARENT_Timer);
    tmrSHOW.Tick.Handle(this, &frmTOOLTIP_Form::tmrSHOW_Timer);
    tmrSTART.Tick.Handle(this, &frmTOOLTIP_Form::tmrSTART_Timer);
}

void frmTOOLTIP_Form::CreateTip(const Variant& OBJ)
{
    std::int32_t owner = 0;
    if (SUCCEEDED(OBJ.ToLong(&owner)))
        lngOwnerHwnd = owner;
}

void frmTOOLTIP_Form::DestroyTip()
{
    // A tip window that is not loaded would only be loaded to be unloaded again: nothing of it
    // outlasts that but the destroyed mark.
    if (!IsLoaded()) {
        blnTipDestroyed = true;
        return;
    }
    lblTIP.Caption("");
    blnTipDestroyed = true;
    int Cancel = 0;
    blnClosingDirectly = true;
    Form_Unload(Cancel);
    blnClosingDirectly = false;
}

void frmTOOLTIP_Form::Margin(std::int32_t value)
{
    lngMargin = value;
    lblTIP.Move(static_cast<double>(value) * qby::Screen.TwipsPerPixelX(),
                static_cast<double>(value) * qby::Screen.TwipsPerPixelY());
}

void frmTOOLTIP_Form::ShowTip()
{
    if (Visible())
        return;
    if (lblTIP.Caption().empty())
        return;
    UpdateTipPosition();
    tmrSTART.Enabled(true);
}

void frmTOOLTIP_Form::Text(const std::string& STEXT)
{
    lblTIP.Caption(STEXT);
    UpdateTipPosition();
}

// The tip's top-left corner goes into the pointer's pixel column, 19 pixels below the pointer,
// and the window takes the label's size plus the margin on every side. Every placement, the
// polls' included, keeps the whole tip on the screen: one that would cross the right or the
// bottom edge is moved back so that its edge lies on the screen's.
void frmTOOLTIP_Form::UpdateTipPosition()
{
    POINT pointer;
    GetCursorPos(&pointer);
    const double twipsX = qby::Screen.TwipsPerPixelX();
    const double twipsY = qby::Screen.TwipsPerPixelY();
    const double width = lblTIP.Width() + 2.0 * lngMargin * twipsX;
    const double height = lblTIP.Height() + 2.0 * lngMargin * twipsY;
    double left = twipsX * (pointer.x - 2) + 30;
    double top = twipsY * (pointer.y + 18) + 15;
    if (left + width > qby::Screen.Width())
        left = qby::Screen.Width() - width;
    if (top + height > qby::Screen.Height())
        top = qby::Screen.Height() - height;
    Move(std::max(0.0, left), std::max(0.0, top), width, height);
    Restart(tmrSHOW);
}

void frmTOOLTIP_Form::Restart(qby::Timer& timer)
{
    timer.Enabled(false);
    timer.Enabled(true);
}

void frmTOOLTIP_Form::tmrSTART_Timer()
{
    // On top of the other windows, at the place and size already set, without the focus.
    SetWindowPos(hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    tmrSHOW.Enabled(true);
    tmrPARENT.Enabled(true);
    tmrSTART.Enabled(false);
}

void frmTOOLTIP_Form::tmrSHOW_Timer()
{
    Hide();
}

void frmTOOLTIP_Form::tmrPARENT_Timer()
{
    // A hidden tip keeps following the pointer.
    if (!Visible())
        UpdateTipPosition();
    POINT pointer;
    GetCursorPos(&pointer);
    RECT owner{};
    if (!GetWindowRect(lngOwnerHwnd, &owner))
        owner = RECT{};
    const bool overOwner = owner.left <= pointer.x && pointer.x <= owner.right &&
                           owner.top <= pointer.y && pointer.y <= owner.bottom;
    if (!overOwner)
        Unload();
}

// A one-pixel frame in the window-frame colour, drawn in pixels.
void frmTOOLTIP_Form::Form_Resize()
{
    Cls();
    ScaleMode(qby::vbPixels);
    const double W = ScaleWidth();
    const double H = ScaleHeight();
    DrawLine(0, 0, W, 0, qby::vbWindowFrame);
    DrawLine(0, 0, 0, H, qby::vbWindowFrame);
    DrawLine(W - 1, 0, W - 1, H, qby::vbWindowFrame);
    DrawLine(0, H - 1, W, H - 1, qby::vbWindowFrame);
    ScaleMode(qby::vbTwips);
}

void frmTOOLTIP_Form::lblTIP_Change()
{
    Restart(tmrSHOW);
}

void frmTOOLTIP_Form::Form_MouseMove(int, int, float, float)
{
    Unload();
}

void frmTOOLTIP_Form::lblTIP_MouseMove(int, int, float, float)
{
    lblTIP.Caption("");
    Unload();
    // Touching the unloaded window loads it again, hidden; its poll closes it once the
    // pointer is found away from the owner.
    Hide();
}

void frmTOOLTIP_Form::Form_Load()
{
    Margin(3);
}

// Also run by DestroyTip itself: then it asks for the unload of its window. An unload goes
// through only once DestroyTip has run; from then on every close of the tip goes through.
void frmTOOLTIP_Form::Form_Unload(int& Cancel)
{
    if (blnClosingDirectly) {
        blnClosingDirectly = false;
        Unload();
    }
    Cancel = blnTipDestroyed ? 0 : 1;
}
