#include "lessons/frmMSGWRONG.h"

#include "core/HelpTextNumbers.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"

frmMSGWRONG_Form::frmMSGWRONG_Form() : Form("frmMSGWRONG")
{
    btnpOK.Click.Handle(this, &frmMSGWRONG_Form::btnpOK_Click);
}

void frmMSGWRONG_Form::Form_Load()
{
    SetButtonSkin(btnpOK, "BTN");
    btnpOK.CAPTION(GetHelpText(HelpText::OK));
    LoadFormBackground("MSGBOX", "DIALOG", *this);
    PlayLoose();
}

void frmMSGWRONG_Form::btnpOK_Click()
{
    Unload();
}
