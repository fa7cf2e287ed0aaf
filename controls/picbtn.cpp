// The picture button's behaviour: the state-change rule, size fitting, hover tracking with the
// mouse capture, pressing and releasing, the tooltip moments, its properties and the property
// bag.
#include "controls/picbtn.h"

#include "controls/frmTOOLTIP.h"
#include "controls/picbtn_TipWindow.h"

#include "platform/resources/ResourcePictures.h"
#include "platform/user/Window.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

TipWindowSource& tipWindowSource()
{
    static TipWindowSource source;
    return source;
}

// A tooltip text set on a button reaches the shared tip window when the tip window is next
// used, not when the text is set: a window sets the texts of all its buttons while it loads,
// and the tip window (its load, the pointer query, the timers) is not needed before the pointer
// comes to a button. The text set last wins, as if the tip window had been told at once.
struct WaitingTip {
    bool waiting = false;
    std::int32_t owner = 0;
    std::string text;
};

WaitingTip& waitingTip()
{
    static WaitingTip tip;
    return tip;
}

// Runs one step on the shared tip window, after handing it a waiting text. When the window
// cannot be had, or the step fails, the step is skipped and the button goes on without a tip.
template <class Step>
void WithTipWindow(Step&& step)
{
    try {
        frmTOOLTIP_Form* tip = tipWindowSource() ? tipWindowSource()() : &frmTOOLTIP.get();
        if (tip == nullptr)
            return;
        if (const WaitingTip waiting = std::exchange(waitingTip(), {}); waiting.waiting) {
            tip->CreateTip(Variant::Long(waiting.owner));
            tip->Text(waiting.text);
        }
        step(*tip);
    } catch (...) {
    }
}

std::int32_t RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<std::int32_t>(std::nearbyint(value));
}

}  // namespace

void SetTipWindowSource(TipWindowSource source)
{
    tipWindowSource() = std::move(source);
    waitingTip() = {};
}

picbtn::picbtn(qby::ControlHost* host, std::string name, int index)
    : UserControl(host, std::move(name), index)
{
    picImage1.MouseMove.Handle(this, &picbtn::picImage1_MouseMove);
    picImage1.MouseDown.Handle(this, &picbtn::picImage1_MouseDown);
    picImage1.MouseUp.Handle(this, &picbtn::picImage1_MouseUp);
    picImage1.Click.Handle(this, &picbtn::picImage1_Click);
    picImage1.DblClick.Handle(this, &picbtn::picImage1_DblClick);
    picImage1.KeyUp.Handle(this, &picbtn::picImage1_KeyUp);
}

// ---- The state-change rule and what it shows ----

void picbtn::ShowNormalPicture()
{
    if (m_blnUSEPICJUMPIN)
        PICDISABLED();
    else
        ImageShow(PictureNormal());
}

void picbtn::ShowHighlightPicture()
{
    if (m_blnUSEPICJUMPIN)
        PICDISABLED();
    else
        ImageShow(PictureHLight());
}

void picbtn::ShowPressedPicture()
{
    if (m_blnUSEPICJUMPIN)
        PICDISABLED();
    else
        ImageShow(PicturePressed());
}

// Gives the surface the picture (the disabled one while the button is disabled) unless it shows
// that very picture already, then fits the control to it.
void picbtn::ImageShow(const qby::StdPicture& picture)
{
    if (blnEnabled) {
        if (picImage1.Picture().Handle() != picture.Handle())
            picImage1.Picture(picture);
    } else {
        if (picImage1.Picture().Handle() != PictureDisabled().Handle())
            picImage1.Picture(PictureDisabled());
    }
    UserControl_Resize();
    PrintCaption();
}

void picbtn::PICPNORMAL()
{
    if (PictureNormal().Handle() != picImage1.Picture().Handle())
        picImage1.Picture(PictureNormal());
    PrintCaption();
}

void picbtn::PICDISABLED()
{
    if (m_blnUSEDISABLED) {
        const qby::StdPicture disabled = PictureDisabled();
        if (disabled.Handle() != picImage1.Picture().Handle())
            picImage1.Picture(disabled);
    } else {
        PICPNORMAL();
    }
    PrintCaption();
}

// One line with the caption at the surface's text position, in its own font; the control never
// sets that position, so the lines run down and soon off the surface. The caption label shows
// the caption in any case.
void picbtn::PrintCaption()
{
    picImage1.Print(lblWORDS.Caption());
}

// The control follows the size of its picture surface, which follows its picture.
void picbtn::UserControl_Resize()
{
    if (!m_blnUSEPICJUMPIN) {
        Picture(picImage1.Picture());
        ScaleMode(qby::vbTwips);
        // Both sizes are taken before either is set: setting one runs this handler again,
        // which leaves the surface in pixels.
        const double width = picImage1.Width() - 3;
        const double height = picImage1.Height() - 3;
        Width(width);
        Height(height);
        ScaleMode(qby::vbPixels);
        lngWidthPx = RoundHalfEven(ScaleWidth());
        lngHeightPx = RoundHalfEven(ScaleHeight());
    }
    lblWORDS.Left(3);
    lblWORDS.Width(Width() / 16);
    FitCaption();
    PrintCaption();
}

// ---- The tooltip moments ----

void picbtn::CreateToolTip()
{
    if (strToolTip.empty() || !blnTipArmed)
        return;
    const std::int32_t owner = hWnd();
    WithTipWindow([&](frmTOOLTIP_Form& tip) {
        tip.CreateTip(Variant::Long(owner));
        tip.Text(strToolTip);
    });
}

void picbtn::ShowToolTip()
{
    WithTipWindow([](frmTOOLTIP_Form& tip) { tip.ShowTip(); });
}

void picbtn::DestroyToolTip()
{
    WithTipWindow([](frmTOOLTIP_Form& tip) { tip.DestroyTip(); });
}

int picbtn::EnabledPointer()
{
    return Enabled() ? qby::vbCustom : qby::vbDefault;
}

// ---- Hover tracking ----

void picbtn::picImage1_MouseMove(int Button, int Shift, float X, float Y)
{
    MouseMove.Raise(Button, Shift, X, Y);
    CreateToolTip();
    if (blnTipArmed && !ToolTip().empty())
        ShowToolTip();
    if (Button < 2) {
        const bool inside = X >= 0 && Y >= 0 && X <= lngWidthPx && Y <= lngHeightPx;
        if (!inside)
            ShowNormalPicture();
        else if (Button == qby::vbLeftButton)
            ShowPressedPicture();
    }
    if (!blnTrackSuspended) {
        picImage1.MousePointer(EnabledPointer());
        picImage1_MouseOut(Button, Shift, X, Y);
    }
    picImage1.MousePointer(EnabledPointer());
}

void picbtn::picImage1_MouseOut(int Button, int Shift, float X, float Y)
{
    const bool outside = X < 0 || X > ScaleWidth() || Y < 0 || Y > ScaleHeight();
    if (outside) {
        ReleaseCapture();
        blnTipArmed = true;
        ShowNormalPicture();
    } else {
        ShowHighlightPicture();
        SetCapture(picImage1.hWnd());
        blnTipArmed = false;
    }
    MouseOut.Raise(Button, Shift, X, Y);
    picImage1.MousePointer(qby::vbDefault);
}

// ---- Pressing and releasing ----

void picbtn::picImage1_MouseDown(int Button, int Shift, float X, float Y)
{
    blnTrackSuspended = true;
    blnTipArmed = false;
    DestroyToolTip();
    if (Button == qby::vbRightButton) {
        ShowNormalPicture();
        blnTrackSuspended = false;
    } else {
        ShowPressedPicture();
    }
    MouseDown.Raise(Button, Shift, X, Y);
}

void picbtn::picImage1_MouseUp(int Button, int Shift, float X, float Y)
{
    if (Button != qby::vbRightButton)
        ShowNormalPicture();
    blnTrackSuspended = false;
    MouseUp.Raise(Button, Shift, X, Y);
}

void picbtn::picImage1_Click()
{
    ShowPressedPicture();
    ShowNormalPicture();
    Click.Raise();
}

void picbtn::picImage1_DblClick()
{
    picImage1_MouseDown(qby::vbLeftButton, qby::vbShiftMask, 1.0f, 1.0f);
    DblClick.Raise();
}

void picbtn::picImage1_KeyUp(int&, int)
{
    if (blnTipArmed && !ToolTip().empty())
        ShowToolTip();
}

// ---- Life of the control ----

void picbtn::UserControl_Initialize()
{
    // A new instance at each load: every field starts afresh.
    m_blnUSEDISABLED = false;
    blnEnabled = true;
    lngHeightPx = 0;
    lngWidthPx = 0;
    strToolTip.clear();
    strCaption.clear();
    blnPointerOver = false;

    blnTrackSuspended = false;
    m_blnUSEPICJUMPIN = false;
    blnTipArmed = true;
    Enabled(true);
    picImage1.Appearance(qby::vbAppearanceFlat);
    UserControl_Resize();
    // Cursor 101 is the control's custom pointer; the picture surface, which covers the whole
    // control, shows the same cursor when it is switched to custom.
    const qby::StdPicture cursor = qby::LoadResPicture(101, qby::vbResCursor);
    MouseIcon(cursor);
    picImage1.MouseIcon(cursor);
    MousePointer(qby::vbDefault);
    if (Enabled())
        MousePointer(qby::vbCustom);
    blnTrackSuspended = true;
    blnTipArmed = true;
    DestroyToolTip();
}

void picbtn::UserControl_InitProperties()
{
    Enabled(true);
    m_blnUSEPICJUMPIN = false;
    blnTipArmed = true;
}

void picbtn::UserControl_ReadProperties(qby::PropertyBag& PropBag)
{
    // Each key on its own: a value that cannot be applied leaves its property as it was.
    if (auto picture = PropBag.ReadProperty("PICTURENORMAL").AsPicture())
        PictureNormal(*picture);
    if (auto picture = PropBag.ReadProperty("PICTUREHLIGHT").AsPicture())
        PictureHLight(*picture);
    if (auto picture = PropBag.ReadProperty("PICTUREDISABLED").AsPicture())
        PictureDisabled(*picture);
    if (auto picture = PropBag.ReadProperty("PICTUREPRESSED").AsPicture())
        PicturePressed(*picture);
    if (auto enabled = PropBag.ReadProperty("ENABLED", true).AsBoolean())
        Enabled(*enabled);
    if (auto border = PropBag.ReadProperty("BorderStyle", 1).AsLong())
        BorderStyle(*border);
    if (auto tip = PropBag.ReadProperty("ToolTip", "").AsString())
        strToolTip = *tip;
    ShowNormalPicture();
    blnTrackSuspended = false;
    UserControl_Resize();
    picImage1.MousePointer(EnabledPointer());
}

void picbtn::UserControl_WriteProperties(qby::PropertyBag& PropBag)
{
    PropBag.WriteProperty("PICTURENORMAL", PictureNormal(), qby::Picture());
    PropBag.WriteProperty("PICTUREHLIGHT", PictureHLight(), qby::Picture());
    PropBag.WriteProperty("PICTUREDISABLED", PictureDisabled(), qby::Picture());
    PropBag.WriteProperty("PICTUREPRESSED", PicturePressed(), qby::Picture());
    PropBag.WriteProperty("ENABLED", blnEnabled, true);
    PropBag.WriteProperty("BorderStyle", static_cast<long>(BorderStyle()), 1);
    PropBag.WriteProperty("ToolTip", strToolTip, "");
    lblWORDS.Width(Width() / 16);
    UserControl_Resize();
}

// ---- Properties ----

bool picbtn::blnUSEDISABLED()
{
    return m_blnUSEDISABLED;
}

void picbtn::blnUSEDISABLED(bool PropVal)
{
    m_blnUSEDISABLED = PropVal;
}

bool picbtn::blnUSEPICJUMPIN()
{
    return m_blnUSEPICJUMPIN;
}

void picbtn::blnUSEPICJUMPIN(bool PropVal)
{
    m_blnUSEPICJUMPIN = PropVal;
}

std::int32_t picbtn::BorderStyle()
{
    return UserControl::BorderStyle();
}

void picbtn::BorderStyle(std::int32_t New_BorderStyle)
{
    if (New_BorderStyle >= std::numeric_limits<std::int16_t>::min() &&
        New_BorderStyle <= std::numeric_limits<std::int16_t>::max())
        UserControl::BorderStyle(New_BorderStyle);
    PropertyChanged("BorderStyle");
}

std::string picbtn::CAPTION()
{
    return strCaption;
}

void picbtn::CAPTION(const std::string& Text)
{
    strCaption = Text;
    lblWORDS.Caption(Text);
    FitCaption();
    PropertyChanged("CAPTION");
}

bool picbtn::CFm_MousePosnONOUT()
{
    return blnPointerOver;
}

bool picbtn::MousePosnONOUT()
{
    return blnPointerOver;
}

qby::StdPicture picbtn::cURRENTIMAGE()
{
    return picImage1.Picture();
}

bool picbtn::Enabled()
{
    return blnEnabled;
}

void picbtn::Enabled(bool NewEnabled)
{
    blnEnabled = NewEnabled;
    picImage1.Enabled(NewEnabled);
    // The pointer over the picture surface: cursor 101 while enabled, the default when not.
    picImage1.MousePointer(EnabledPointer());
    PropertyChanged("ENABLED");
    ShowNormalPicture();
}

// The picture properties: Get reads the store and notes which state was asked for; Set fills
// the store, fits the control, and shows the normal picture.
qby::StdPicture picbtn::PictureDisabled()
{
    return imgImage3.Picture();
}

void picbtn::PictureDisabled(const qby::StdPicture& NewPicture)
{
    imgImage3.Picture(NewPicture);
    UserControl_Resize();
    PropertyChanged("PICTUREDISABLED");
    ShowNormalPicture();
}

qby::StdPicture picbtn::PictureHLight()
{
    qby::StdPicture picture = imgImage2.Picture();
    blnPointerOver = true;
    return picture;
}

void picbtn::PictureHLight(const qby::StdPicture& NewPicture)
{
    imgImage2.Picture(NewPicture);
    UserControl_Resize();
    PropertyChanged("PICTUREHLIGHT");
    ShowNormalPicture();
    blnPointerOver = true;
}

qby::StdPicture picbtn::PictureNormal()
{
    qby::StdPicture picture = imgImage5.Picture();
    blnPointerOver = false;
    return picture;
}

void picbtn::PictureNormal(const qby::StdPicture& NewPicture)
{
    imgImage5.Picture(NewPicture);
    UserControl_Resize();
    PropertyChanged("PICTURENORMAL");
    ShowNormalPicture();
}

qby::StdPicture picbtn::PicturePressed()
{
    qby::StdPicture picture = imgImage4.Picture();
    blnPointerOver = true;
    return picture;
}

void picbtn::PicturePressed(const qby::StdPicture& NewPicture)
{
    imgImage4.Picture(NewPicture);
    UserControl_Resize();
    PropertyChanged("PICTUREPRESSED");
    ShowNormalPicture();
    blnPointerOver = true;
}

std::string picbtn::ToolTip()
{
    return strToolTip;
}

void picbtn::ToolTip(const std::string& Text)
{
    strToolTip = Text;
    PropertyChanged("TOOLTIP");
    // What CreateToolTip would hand the tip window, kept until the tip window is next used.
    if (!strToolTip.empty() && blnTipArmed)
        waitingTip() = {true, hWnd(), strToolTip};
}
