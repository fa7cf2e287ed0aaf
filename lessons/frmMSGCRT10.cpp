#include "lessons/frmMSGCRT10.h"

#include "core/HelpTextNumbers.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "lessons/FeedbackBox.h"

frmMSGCRT10_Form::frmMSGCRT10_Form() : Form("frmMSGCRT10")
{
    btnpOK.Click.Handle(this, &frmMSGCRT10_Form::btnpOK_Click);
    tmrANIM.Tick.Handle(this, &frmMSGCRT10_Form::tmrANIM_Timer);
}

void frmMSGCRT10_Form::Form_Load()
{
    btnpOK.CAPTION(GetHelpText(HelpText::OK));
    SetButtonSkin(btnpOK, "BTN");
    PlayBellHigh();
    LoadFormBackground("MSGBOX", "DIALOG", *this);
    tmrANIM.Enabled(true);
}

void frmMSGCRT10_Form::btnpOK_Click()
{
    Unload();
}

void frmMSGCRT10_Form::tmrANIM_Timer()
{
    FlashHeading(lblCORRECT);
}
