#include "shell/frmLANGUAGE.h"

#include "core/HelpTextNumbers.h"
#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "core/modSETTINGS.h"
#include "shell/frmMAINMENU.h"

frmLANGUAGE_Form::frmLANGUAGE_Form() : Form("frmLANGUAGE")
{
    btnpENGLISH.Click.Handle(this, &frmLANGUAGE_Form::btnpENGLISH_Click);
    btnpAMERICAN.Click.Handle(this, &frmLANGUAGE_Form::btnpAMERICAN_Click);
    btnpENGHELP.Click.Handle(this, &frmLANGUAGE_Form::btnpENGHELP_Click);
    btnpKOREAN.Click.Handle(this, &frmLANGUAGE_Form::btnpKOREAN_Click);
    btnpOK.Click.Handle(this, &frmLANGUAGE_Form::btnpOK_Click);
    btnpCANCEL.Click.Handle(this, &frmLANGUAGE_Form::btnpCANCEL_Click);
}

void frmLANGUAGE_Form::Form_Load()
{
    LoadFormBackground("LANGUAGE", "DIALOG", *this);

    strSavedHelpLanguage = strHelpLanguage;
    strSavedLanguage = strLanguage;

    btnpOK.CAPTION(GetHelpText(HelpText::OK));
    btnpCANCEL.CAPTION(GetHelpText(HelpText::Close));
    btnpENGHELP.ToolTip(GetHelpText(HelpText::EnglishHelp));
    lblENGHELP.Caption(GetHelpText(HelpText::EnglishHelp));
    btnpKOREAN.ToolTip(GetHelpText(HelpText::KoreanHelp));
    lblKOREANHELP.Caption(GetHelpText(HelpText::KoreanHelp));
    lblHELPTYPE.Caption(GetHelpText(HelpText::HelpInstruction));
    btnpENGLISH.ToolTip(GetHelpText(HelpText::EnglishWords));
    lblENGLISH.Caption(GetHelpText(HelpText::EnglishWords));
    btnpAMERICAN.ToolTip(GetHelpText(HelpText::AmericanWords));
    lblAMERICAN.Caption(GetHelpText(HelpText::AmericanWords));
    lblENGLISHTYPE.Caption(GetHelpText(HelpText::VarietyInstruction));

    SetButtonSkin(btnpOK, "BTN");
    SetButtonSkin(btnpCANCEL, "BTN");

    // Exact, case-sensitive comparisons: any other value leaves its marker at the design place.
    if (strLanguage == "ENGLISH") {
        EnglishSelect();
    } else if (strLanguage == "AMERICAN") {
        AmericanSelect();
    }
    if (strHelpLanguage == "ENGLISH") {
        EngHelpSelect();
    } else if (strHelpLanguage == "KOREAN") {
        KoreanHelpSelect();
    }
}

void frmLANGUAGE_Form::PlaceMarker(qby::Shape& marker, picbtn& button)
{
    marker.Left(button.Left() - 75);
    marker.Top(button.Top() - 75);
}

void frmLANGUAGE_Form::EnglishSelect()
{
    PlaceMarker(shpLANGSEL, btnpENGLISH);
    strLanguage = "ENGLISH";
}

void frmLANGUAGE_Form::AmericanSelect()
{
    PlaceMarker(shpLANGSEL, btnpAMERICAN);
    strLanguage = "AMERICAN";
}

void frmLANGUAGE_Form::ApplyChoiceTexts()
{
    // In the help language stored in the registry: a new choice shows only after OK.
    btnpOK.CAPTION(GetHelpText(HelpText::OK));
    btnpCANCEL.CAPTION(GetHelpText(HelpText::Close));
    btnpENGHELP.ToolTip(GetHelpText(HelpText::EnglishHelp));
    btnpKOREAN.ToolTip(GetHelpText(HelpText::KoreanHelp));
    lblHELPTYPE.ToolTipText(GetHelpText(HelpText::HelpInstruction));
    btnpENGLISH.ToolTip(GetHelpText(HelpText::EnglishWords));
    btnpAMERICAN.ToolTip(GetHelpText(HelpText::AmericanWords));
    lblENGLISHTYPE.ToolTipText(GetHelpText(HelpText::VarietyInstruction));
}

void frmLANGUAGE_Form::EngHelpSelect()
{
    PlaceMarker(shpHELPSEL, btnpENGHELP);
    ApplyChoiceTexts();
    strHelpLanguage = "ENGLISH";
}

void frmLANGUAGE_Form::KoreanHelpSelect()
{
    PlaceMarker(shpHELPSEL, btnpKOREAN);
    ApplyChoiceTexts();
    strHelpLanguage = "KOREAN";
}

void frmLANGUAGE_Form::btnpENGLISH_Click()
{
    EnglishSelect();
}

void frmLANGUAGE_Form::btnpAMERICAN_Click()
{
    AmericanSelect();
}

void frmLANGUAGE_Form::btnpENGHELP_Click()
{
    EngHelpSelect();
}

void frmLANGUAGE_Form::btnpKOREAN_Click()
{
    KoreanHelpSelect();
}

void frmLANGUAGE_Form::btnpOK_Click()
{
    // A failed write goes unnoticed: the choice then holds for this run only.
    if (objRegistry) {
        objRegistry->StringSave(SettingsRootKey(), SettingsSubKey(), strSettingLanguage, strLanguage);
        objRegistry->StringSave(SettingsRootKey(), SettingsSubKey(), strSettingHelp, strHelpLanguage);
    }
    SetHelpLanguage(strHelpLanguage);
    Unload();
    frmMAINMENU->RefreshText();
    frmMAINMENU->Show();
}

void frmLANGUAGE_Form::btnpCANCEL_Click()
{
    strHelpLanguage = strSavedHelpLanguage;
    SetHelpLanguage(strHelpLanguage);
    strLanguage = strSavedLanguage;
    Unload();
    frmMAINMENU->Show();
}
