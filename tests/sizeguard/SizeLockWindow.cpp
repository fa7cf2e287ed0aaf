#include "SizeLockWindow.h"

qby::PropertyBag MainWindowLimits()
{
    return {{"MaxHeight", 590}, {"MaxWidth", 675}, {"MinHeight", 585}, {"MinWidth", 675}, {"HasMaxSize", true}};
}

SizeLockWindow::SizeLockWindow(std::string classId, qby::PropertyBag stored, bool userMode)
    : Form("frmSIZELOCK"), classId_(std::move(classId)), stored_(std::move(stored)), userMode_(userMode)
{
}

void SizeLockWindow::Layout(qby::Design& d)
{
    d.Window({.Caption = "Size lock", .StartUpPosition = qby::vbStartUpScreen, .ClientWidth = 10050,
              .ClientHeight = 8400, .UserMode = userMode_});
    d.Add(tmrResizeLck1, classId_, {.Left = 0, .Top = 0}, stored_);
    d.Add(lblAfter, {.Left = 600, .Top = 600, .Caption = "loaded"});
}

MINMAXINFO QuerySize(HWND window, LRESULT* result)
{
    MINMAXINFO info;
    info.ptReserved = kReservedMarker;
    info.ptMaxSize = kMaxSizeMarker;
    info.ptMaxPosition = kMaxPositionMarker;
    info.ptMinTrackSize = POINT{1, 1};
    info.ptMaxTrackSize = POINT{2, 2};
    const LRESULT answer = SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (result) *result = answer;
    return info;
}

OuterSize OuterSizeOf(HWND window)
{
    RECT rect;
    if (!GetWindowRect(window, &rect)) return {};
    return {rect.right - rect.left, rect.bottom - rect.top};
}

OuterSize ResizeTo(HWND window, int width, int height)
{
    SetWindowPos(window, HWND_TOP, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    return OuterSizeOf(window);
}
