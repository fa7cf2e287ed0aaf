#include "shell/frmMAINMENU.h"

#include "core/HelpTextNumbers.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "lessons/frmLESSALPH.h"
#include "lessons/frmLESSPAIR.h"
#include "lessons/frmLESSPCWD.h"
#include "lessons/frmLESSWRDM.h"
#include "lessons/frmLESSWRIT.h"
#include "platform/comctl/CommonControls.h"
#include "shell/frmABOUTQBY.h"
#include "shell/frmLANGUAGE.h"
#include "shell/mdiPROGMAIN.h"

frmMAINMENU_Form::frmMAINMENU_Form() : Form("frmMAINMENU")
{
    btnpALPHABET.Click.Handle(this, &frmMAINMENU_Form::btnpALPHABET_Click);
    btnpWORDS.Click.Handle(this, &frmMAINMENU_Form::btnpWORDS_Click);
    btnpPAIRS.Click.Handle(this, &frmMAINMENU_Form::btnpPAIRS_Click);
    btnpPICANDWORDS.Click.Handle(this, &frmMAINMENU_Form::btnpPICANDWORDS_Click);
    btnpWRITEALONG.Click.Handle(this, &frmMAINMENU_Form::btnpWRITEALONG_Click);
    btnpABOUT.Click.Handle(this, &frmMAINMENU_Form::btnpABOUT_Click);
    btnpLANGUAGE.Click.Handle(this, &frmMAINMENU_Form::btnpLANGUAGE_Click);
    btnpCLOSEPROGRAM.Click.Handle(this, &frmMAINMENU_Form::btnpCLOSEPROGRAM_Click);
    btnpALPHABET.MouseOut.Handle(this, &frmMAINMENU_Form::btnpALPHABET_MouseOut);
    btnpWORDS.MouseOut.Handle(this, &frmMAINMENU_Form::btnpWORDS_MouseOut);
    btnpPAIRS.MouseOut.Handle(this, &frmMAINMENU_Form::btnpPAIRS_MouseOut);
    btnpPICANDWORDS.MouseOut.Handle(this, &frmMAINMENU_Form::btnpPICANDWORDS_MouseOut);
    btnpWRITEALONG.MouseOut.Handle(this, &frmMAINMENU_Form::btnpWRITEALONG_MouseOut);
}

void frmMAINMENU_Form::Form_Initialize()
{
    InitCommonControls();
}

void frmMAINMENU_Form::Form_Load()
{
    LoadFormBackground("MAIN", "DIALOG", *this);
    SetButtonSkin(btnpCLOSEPROGRAM, "BTN");
    SetButtonSkin(btnpABOUT, "BTN");
    SetButtonSkin(btnpLANGUAGE, "BTN");
    RefreshText();
}

void frmMAINMENU_Form::RefreshText()
{
    // One lookup per line: a caption and a tooltip of the same number are fetched twice.
    lblALPHABET.Caption(GetHelpText(HelpText::MenuAlphabet));
    btnpALPHABET.ToolTip(GetHelpText(HelpText::MenuAlphabet));
    lblLEARNWORDS.Caption(GetHelpText(HelpText::MenuWords));
    btnpWORDS.ToolTip(GetHelpText(HelpText::MenuWords));
    lblMATCHINGPAIR.Caption(GetHelpText(HelpText::MenuMatchingPair));
    btnpPAIRS.ToolTip(GetHelpText(HelpText::MenuMatchingPair));
    lblPICTSWORDS.Caption(GetHelpText(HelpText::MenuPicturesAndWords));
    btnpPICANDWORDS.ToolTip(GetHelpText(HelpText::MenuPicturesAndWords));
    lblWRITELETTER.Caption(GetHelpText(HelpText::MenuWriteLetters));
    btnpWRITEALONG.ToolTip(GetHelpText(HelpText::MenuWriteLetters));
    btnpABOUT.CAPTION(GetHelpText(HelpText::MenuAbout));
    btnpABOUT.ToolTip(GetHelpText(HelpText::MenuAbout));
    btnpCLOSEPROGRAM.CAPTION(GetHelpText(HelpText::MenuExit));
    btnpCLOSEPROGRAM.ToolTip(GetHelpText(HelpText::MenuExit));
    btnpLANGUAGE.CAPTION(GetHelpText(HelpText::MenuLanguage));
    btnpLANGUAGE.ToolTip(GetHelpText(HelpText::MenuLanguage));
}

// A lesson button closes the menu and opens its activity in the main frame; nothing is passed.
void frmMAINMENU_Form::btnpALPHABET_Click()
{
    Unload();
    frmLESSALPH->Show();
}

void frmMAINMENU_Form::btnpWORDS_Click()
{
    Unload();
    frmLESSWRDM->Show();
}

void frmMAINMENU_Form::btnpPAIRS_Click()
{
    Unload();
    frmLESSPAIR->Show();
}

void frmMAINMENU_Form::btnpPICANDWORDS_Click()
{
    Unload();
    frmLESSPCWD->Show();
}

void frmMAINMENU_Form::btnpWRITEALONG_Click()
{
    Unload();
    frmLESSWRIT->Show();
}

void frmMAINMENU_Form::btnpABOUT_Click()
{
    frmABOUTQBY->Show(qby::vbModal, mdiPROGMAIN);
}

void frmMAINMENU_Form::btnpLANGUAGE_Click()
{
    frmLANGUAGE->Show(qby::vbModal, mdiPROGMAIN);
}

void frmMAINMENU_Form::btnpCLOSEPROGRAM_Click()
{
    mdiPROGMAIN->Unload();
}

void frmMAINMENU_Form::HighlightLessonLabel(picbtn& button, qby::Label& label)
{
    if (button.MousePosnONOUT()) {
        if (label.ForeColor() == qby::vbYellow) return;
        label.ForeColor(qby::vbYellow);
        NoOperation();
    } else {
        label.ForeColor(qby::vbBlack);
    }
}

void frmMAINMENU_Form::btnpALPHABET_MouseOut(int, int, float, float)
{
    HighlightLessonLabel(btnpALPHABET, lblALPHABET);
}

void frmMAINMENU_Form::btnpWORDS_MouseOut(int, int, float, float)
{
    HighlightLessonLabel(btnpWORDS, lblLEARNWORDS);
}

void frmMAINMENU_Form::btnpPAIRS_MouseOut(int, int, float, float)
{
    HighlightLessonLabel(btnpPAIRS, lblMATCHINGPAIR);
}

void frmMAINMENU_Form::btnpPICANDWORDS_MouseOut(int, int, float, float)
{
    HighlightLessonLabel(btnpPICANDWORDS, lblPICTSWORDS);
}

void frmMAINMENU_Form::btnpWRITEALONG_MouseOut(int, int, float, float)
{
    HighlightLessonLabel(btnpWRITEALONG, lblWRITELETTER);
}
