#include "sizeguard/ResizeLck.h"

#include "platform/forms/Runtime.h"
#include "platform/user/Memory.h"
#include "sizeguard/ResizeLckObject.h"

#include <cmath>
#include <optional>

namespace {

constexpr LONG kStartingMinimum = 200;

// Reads a Long; a stored value that does not convert leaves the variable as it is.
void ReadLong(const qby::PropertyBag& bag, const char* name, LONG defaultValue, LONG& variable)
{
    if (std::optional<std::int32_t> value = bag.ReadProperty(name, defaultValue).AsLong()) variable = *value;
}

}  // namespace

LONG ScreenWidthTwips() { return static_cast<LONG>(std::lround(qby::Screen.Width())); }

LONG ScreenHeightTwips() { return static_cast<LONG>(std::lround(qby::Screen.Height())); }

ResizeLck::ResizeLck()
{
    Subclass.WndProc.Handle(this, &ResizeLck::Subclass_WndProc);
    SetStartingValues();
}

ResizeLck::~ResizeLck()
{
    if (object_) object_->ControlGone();
}

void ResizeLck::KeepObject(ResizeLckObject* object) { object_ = ComPtr<ResizeLckObject>(object); }

void ResizeLck::HasMaxSize(bool bNewValue)
{
    if (!bNewValue) {
        lngMaxHeight = ScreenHeightTwips();
        lngMaxWidth = ScreenWidthTwips();
    }
    blnHasMaxSize = bNewValue;
}

void ResizeLck::MaxHeight(LONG& lNewValue)
{
    if (!blnHasMaxSize) {
        lngMaxHeight = ScreenHeightTwips();
        return;
    }
    if (lNewValue < lngMinHeight) lNewValue = lngMinHeight;
    lngMaxHeight = lNewValue;
}

void ResizeLck::MaxWidth(LONG& lNewValue)
{
    if (!blnHasMaxSize) {
        lngMaxWidth = ScreenWidthTwips();
        return;
    }
    if (lNewValue < lngMinWidth) lNewValue = lngMinWidth;
    lngMaxWidth = lNewValue;
}

void ResizeLck::SetStartingValues()
{
    if (lngMaxHeight == 0) lngMaxHeight = ScreenHeightTwips();
    if (lngMaxWidth == 0) lngMaxWidth = ScreenWidthTwips();
    if (lngMinWidth == 0) lngMinWidth = kStartingMinimum;
    if (lngMinHeight == 0) lngMinHeight = kStartingMinimum;
}

void ResizeLck::UserControl_Initialize() { SetStartingValues(); }

void ResizeLck::UserControl_ReadProperties(qby::PropertyBag& PropBag)
{
    ReadLong(PropBag, "MaxHeight", ScreenHeightTwips(), lngMaxHeight);
    ReadLong(PropBag, "MaxWidth", ScreenWidthTwips(), lngMaxWidth);
    ReadLong(PropBag, "MinHeight", kStartingMinimum, lngMinHeight);
    ReadLong(PropBag, "MinWidth", kStartingMinimum, lngMinWidth);
    if (std::optional<bool> value = PropBag.ReadProperty("HasMaxSize", false).AsBoolean()) blnHasMaxSize = *value;

    if (!blnHasMaxSize) {
        lngMaxWidth = ScreenWidthTwips();
        lngMaxHeight = ScreenHeightTwips();
    }
    if (lngMaxHeight < lngMinHeight) lngMaxHeight = lngMinHeight;
    if (lngMaxWidth < lngMinWidth) lngMaxWidth = lngMinWidth;

    // A designer sizes the host freely: only at run time is the host hooked.
    if (!Ambient().UserMode) return;
    Subclass.hWnd(ParentHwnd());
    Subclass.Messages(WM_GETMINMAXINFO, true);
}

void ResizeLck::UserControl_WriteProperties(qby::PropertyBag& PropBag)
{
    PropBag.WriteProperty("MaxHeight", lngMaxHeight, ScreenHeightTwips());
    PropBag.WriteProperty("MaxWidth", lngMaxWidth, ScreenWidthTwips());
    PropBag.WriteProperty("MinHeight", lngMinHeight, kStartingMinimum);
    PropBag.WriteProperty("MinWidth", lngMinWidth, kStartingMinimum);
    PropBag.WriteProperty("HasMaxSize", blnHasMaxSize, false);
}

void ResizeLck::Subclass_WndProc(LONG& Msg, WPARAM& /*wParam*/, LPARAM& lParam, LRESULT& lngRES)
{
    if (Msg != static_cast<LONG>(WM_GETMINMAXINFO)) return;
    MINMAXINFO info;
    RtlMoveMemory(&info, reinterpret_cast<const void*>(lParam), sizeof info);
    info.ptMinTrackSize = POINT{lngMinWidth, lngMinHeight};
    info.ptMaxTrackSize = POINT{lngMaxWidth, lngMaxHeight};
    RtlMoveMemory(reinterpret_cast<void*>(lParam), &info, sizeof info);
    // Handled: the host's own procedure does not see the query.
    lngRES = 0;
}

void ResizeLck::UserControl_Resize()
{
    // The control always keeps the size of its icon.
    const double width = imgIcon.Width();
    const double height = imgIcon.Height();
    if (Width() != width) Width(width);
    if (Height() != height) Height(height);
}
