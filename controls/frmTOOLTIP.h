// frmTOOLTIP: the one tip window that every picture button shares.
//
// A button names itself the owner (CreateTip with its window handle), hands over its text (Text)
// and asks for the tip (ShowTip). The tip appears 600 ms later beside the pointer without taking
// the focus, hides itself after about four seconds, and closes as soon as the pointer leaves the
// owner or moves onto the tip. Everything is driven by the window's three timers.
//
// Closing the tip unloads the window; the form's own variables keep their values. Every member
// but CreateTip touches the window and so loads it again (hidden) when it is unloaded.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <string>

class frmTOOLTIP_Form : public qby::Form {
public:
    // Dispatch identifiers of the public members.
    struct DispId {
        static constexpr DISPID CreateTip = 0x60030002;
        static constexpr DISPID DestroyTip = 0x60030003;
        static constexpr DISPID Margin = 0x68030001;
        static constexpr DISPID ShowTip = 0x6003000A;
        static constexpr DISPID Text = 0x68030000;
    };

    frmTOOLTIP_Form();
    ~frmTOOLTIP_Form() override;

    // Makes the window with this handle the tip's owner; a value that is not a number keeps
    // the previous owner.
    void CreateTip(const Variant& OBJ);
    // Clears the text and closes the tip; from then on every close of the tip goes through.
    void DestroyTip();
    // Padding between the window's edge and the text, in pixels (write only).
    void Margin(std::int32_t value);
    // Places the tip at the pointer and shows it after the show delay.
    void ShowTip();
    // The tip's text (write only); the tip moves to the pointer.
    void Text(const std::string& STEXT);

    // The tip window as a generic object: its members by dispatch id and by name.
    ComPtr<IDispatch> Object();

    qby::Label lblTIP{this, "lblTIP"};
    qby::Timer tmrSTART{this, "tmrSTART"};    // the show delay
    qby::Timer tmrPARENT{this, "tmrPARENT"};  // the owner poll
    qby::Timer tmrSHOW{this, "tmrSHOW"};      // the display time

protected:
    void Layout(qby::Design& d) override;  // frmTOOLTIP_Layout.cpp
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Form_Resize() override;
    void Form_Unload(int& Cancel) override;

private:
    void UpdateTipPosition();
    void lblTIP_Change();
    void lblTIP_MouseMove(int Button, int Shift, float X, float Y);
    void tmrPARENT_Timer();
    void tmrSHOW_Timer();
    void tmrSTART_Timer();
    static void Restart(qby::Timer& timer);

    bool blnTipDestroyed = false;
    std::int32_t lngOwnerHwnd = 0;
    std::int32_t lngMargin = 0;
    // Set while DestroyTip runs the unload handler itself, so that the handler asks for the
    // unload only then and not again from inside the unload that it started.
    bool blnClosingDirectly = false;

    ComPtr<IDispatch> object_;  // made on first use; told when this object goes
};

inline qby::DefaultInstance<frmTOOLTIP_Form> frmTOOLTIP;
