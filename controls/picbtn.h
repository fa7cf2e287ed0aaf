// picbtn: the picture button used for every button of the program.
//
// It shows one of four state pictures (normal, highlight, pressed, disabled) on its picture
// surface, carries a caption, follows the pointer with the mouse capture so that it knows when
// the pointer comes onto it and when it leaves, shows its tooltip through the shared tip window
// frmTOOLTIP, and raises Click, DblClick, MouseDown, MouseMove, MouseOut and MouseUp to the
// window that holds it. Its pictures, enabled state, border style and tooltip are stored with
// the window's design (keys below); the caption is set at run time.
//
// On a window:
//   picbtn btnpEXIT{this, "btnpEXIT"};
//   d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, {{"ENABLED", true}, {"ToolTip", ""}});
//   btnpEXIT.Click.Handle(this, &frmLESSALPH_Form::btnpEXIT_Click);
//   btnpEXIT.MouseOut.Handle(this, &frmLESSALPH_Form::btnpEXIT_MouseOut);  // (Button, Shift, X, Y)
//
// As a generic object (by dispatch id or by name, the way SetButtonSkin sets the pictures):
//   ComPtr<IDispatch> button = btnpEXIT.Object();
//   Variant picture = qby::PictureVariant(skin);
//   InvokeByName(button.Get(), "PictureHLight", DISPATCH_PROPERTYPUTREF, {&picture, 1}, nullptr);
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/Dispatch.h"
#include "platform/forms/Controls.h"
#include "platform/forms/UserControl.h"

#include <cstdint>
#include <string>

class picbtn : public qby::UserControl {
public:
    // Dispatch identifiers of the members, in the order of the control's interface.
    struct DispId {
        static constexpr DISPID blnUSEDISABLED = 0x6803000C;
        static constexpr DISPID blnUSEPICJUMPIN = 0x6803000B;
        static constexpr DISPID BorderStyle = 0x6803000A;
        static constexpr DISPID CAPTION = 0x68030009;
        static constexpr DISPID CFm_MousePosnONOUT = 0x68030008;
        static constexpr DISPID cURRENTIMAGE = 0x68030007;
        static constexpr DISPID Enabled = 0x68030006;
        static constexpr DISPID MousePosnONOUT = 0x68030005;
        static constexpr DISPID PICDISABLED = 0x60030014;
        static constexpr DISPID picImage1_MouseOut = 0x6003001A;
        static constexpr DISPID PICPNORMAL = 0x6003001C;
        static constexpr DISPID PictureDisabled = 0x68030004;
        static constexpr DISPID PictureHLight = 0x68030003;
        static constexpr DISPID PictureNormal = 0x68030002;
        static constexpr DISPID PicturePressed = 0x68030001;
        static constexpr DISPID ToolTip = 0x68030000;
    };

    picbtn(qby::ControlHost* host, std::string name, int index = -1);
    ~picbtn() override;
    const char* KindName() const override { return "picbtn"; }

    // When True, every state change shows the disabled picture (or the normal one, see
    // blnUSEDISABLED) and the control stops fitting itself to its picture. Not stored.
    bool blnUSEDISABLED();
    void blnUSEDISABLED(bool PropVal);
    bool blnUSEPICJUMPIN();
    void blnUSEPICJUMPIN(bool PropVal);

    // The control surface's border: 0 none, 1 fixed single. Values outside 16 bits are ignored.
    std::int32_t BorderStyle();
    void BorderStyle(std::int32_t New_BorderStyle);

    // The caption shown by the caption label; set at run time, not stored.
    std::string CAPTION();
    void CAPTION(const std::string& Text);

    // True while the pointer is over the button (strictly: the state last asked for was the
    // highlight or the pressed picture).
    bool CFm_MousePosnONOUT();
    bool MousePosnONOUT();

    // The picture the surface shows now.
    qby::StdPicture cURRENTIMAGE();

    // Enabled False shows the disabled picture and takes no input.
    bool Enabled();
    void Enabled(bool NewEnabled);

    // Shows the disabled picture (blnUSEDISABLED True) or the normal picture.
    void PICDISABLED();
    // Shows the normal picture without looking at Enabled and without fitting the size.
    void PICPNORMAL();
    // One hover-tracking step: inside, show the highlight picture and take the capture;
    // outside, release it, re-arm the tooltip and show the normal picture; MouseOut either way.
    void picImage1_MouseOut(int Button, int Shift, float X, float Y);

    // The four state pictures.
    qby::StdPicture PictureDisabled();
    void PictureDisabled(const qby::StdPicture& NewPicture);
    qby::StdPicture PictureHLight();
    void PictureHLight(const qby::StdPicture& NewPicture);
    qby::StdPicture PictureNormal();
    void PictureNormal(const qby::StdPicture& NewPicture);
    qby::StdPicture PicturePressed();
    void PicturePressed(const qby::StdPicture& NewPicture);

    // The tooltip text, shown by the shared tip window when the pointer comes onto the button.
    std::string ToolTip();
    void ToolTip(const std::string& Text);

    // The button as a generic object: its members by dispatch id and by name. The object stays
    // valid after the button goes; its calls then fail with E_UNEXPECTED.
    ComPtr<IDispatch> Object();

    // Events, in the order of the control's interface.
    qby::Event<> Click{this};
    qby::Event<> DblClick{this};
    qby::MouseEvent MouseDown{this};
    qby::MouseEvent MouseMove{this};
    // Raised on every pointer move over the button and once more by the move that finds the
    // pointer gone; MousePosnONOUT tells the two apart.
    qby::MouseEvent MouseOut{this};
    qby::MouseEvent MouseUp{this};

protected:
    void Layout(qby::Design& d) override;  // picbtn_Layout.cpp
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(qby::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(qby::PropertyBag& PropBag) override;
    void UserControl_Resize() override;

private:
    // The state-change rule: the picture a state asks for goes through ImageShow, or, while
    // blnUSEPICJUMPIN is True, PICDISABLED runs instead.
    void ShowNormalPicture();
    void ShowHighlightPicture();
    void ShowPressedPicture();
    void ImageShow(const qby::StdPicture& picture);
    void PrintCaption();
    // Sizes the caption label's font so that the whole caption shows (picbtn_Caption.cpp).
    void FitCaption();
    void CreateToolTip();
    void ShowToolTip();
    void DestroyToolTip();
    int EnabledPointer();

    void picImage1_MouseMove(int Button, int Shift, float X, float Y);
    void picImage1_MouseDown(int Button, int Shift, float X, float Y);
    void picImage1_MouseUp(int Button, int Shift, float X, float Y);
    void picImage1_Click();
    void picImage1_DblClick();
    void picImage1_KeyUp(int& KeyCode, int Shift);

    // Constituents.
    qby::PictureBox picImage1{this, "picImage1"};
    qby::Label lblWORDS{this, "lblWORDS"};
    qby::Image imgImage5{this, "imgImage5"};  // store of PictureNormal
    qby::Image imgImage2{this, "imgImage2"};  // store of PictureHLight
    qby::Image imgImage4{this, "imgImage4"};  // store of PicturePressed
    qby::Image imgImage3{this, "imgImage3"};  // store of PictureDisabled

    // Instance fields; UserControl_Initialize gives every one its starting value at each load.
    bool m_blnUSEPICJUMPIN = false;
    bool m_blnUSEDISABLED = false;
    bool blnTrackSuspended = false;
    bool blnEnabled = true;
    bool blnTipArmed = true;
    std::int32_t lngHeightPx = 0;
    std::int32_t lngWidthPx = 0;
    std::string strToolTip;
    std::string strCaption;
    bool blnPointerOver = false;
    // The caption, label width and font size FitCaption last settled on.
    std::string fittedCaption;
    double fittedWidth = -1;
    double fittedPoints = 0;

    ComPtr<IDispatch> object_;  // made on first use; told when this object goes
};
