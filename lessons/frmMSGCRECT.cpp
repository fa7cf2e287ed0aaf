#include "lessons/frmMSGCRECT.h"

#include "core/HelpTextNumbers.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "lessons/FeedbackBox.h"

frmMSGCRECT_Form::frmMSGCRECT_Form() : Form("frmMSGCRECT")
{
    btnpOK.Click.Handle(this, &frmMSGCRECT_Form::btnpOK_Click);
    tmrANIM.Tick.Handle(this, &frmMSGCRECT_Form::tmrANIM_Timer);
}

// The sound plays here, while the lesson is still filling the box, so it has ended before the
// box comes up.
void frmMSGCRECT_Form::Form_Load()
{
    btnpOK.CAPTION(GetHelpText(HelpText::OK));
    SetButtonSkin(btnpOK, "BTN");
    PlayWin();
    LoadFormBackground("MSGBOX", "DIALOG", *this);
    tmrANIM.Enabled(true);
}

void frmMSGCRECT_Form::btnpOK_Click()
{
    Unload();
}

void frmMSGCRECT_Form::tmrANIM_Timer()
{
    FlashHeading(lblCORRECT);
}
