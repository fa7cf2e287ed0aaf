#include "lessons/frmMSGPLYAG.h"

#include "core/HelpTextNumbers.h"
#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"

frmMSGPLYAG_Form::frmMSGPLYAG_Form() : Form("frmMSGPLYAG")
{
    btnpYES.Click.Handle(this, &frmMSGPLYAG_Form::btnpYES_Click);
    btnpNO.Click.Handle(this, &frmMSGPLYAG_Form::btnpNO_Click);
}

void frmMSGPLYAG_Form::Form_Load()
{
    SetButtonSkin(btnpYES, "BTN");
    SetButtonSkin(btnpNO, "BTN");
    LoadFormBackground("MSGBOX", "DIALOG", *this);
    btnpYES.CAPTION(GetHelpText(HelpText::YesPlease));
    btnpNO.CAPTION(GetHelpText(HelpText::NoThankyou));
    blnPlayAgain = true;
}

void frmMSGPLYAG_Form::btnpYES_Click()
{
    blnPlayAgain = true;
    Unload();
}

void frmMSGPLYAG_Form::btnpNO_Click()
{
    blnPlayAgain = false;
    Unload();
}
