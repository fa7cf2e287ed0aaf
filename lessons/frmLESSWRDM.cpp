#include "lessons/frmLESSWRDM.h"

#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "core/modSTRINGS.h"
#include "lessons/frmLESSWRDS.h"
#include "shell/frmMAINMENU.h"

frmLESSWRDM_Form::frmLESSWRDM_Form() : Form("frmLESSWRDM")
{
    btnpPICWORD1.Handle(&picbtn::MouseOut, this, &frmLESSWRDM_Form::btnpPICWORD1_MouseOut);
    btnpPICWORD1.Handle(&picbtn::MouseUp, this, &frmLESSWRDM_Form::btnpPICWORD1_MouseUp);
    btnpEXIT.Click.Handle(this, &frmLESSWRDM_Form::btnpEXIT_Click);
}

void frmLESSWRDM_Form::Form_Load()
{
    LoadFormBackground("WINDOW", "DIALOG", *this);
    btnpEXIT.CAPTION(GetHelpText(23));
    // Each subject's name in the help language, in this order.
    struct SubjectText {
        int index;
        int text;
    };
    static constexpr SubjectText tips[] = {{0, 9},  {1, 10}, {2, 11}, {3, 12}, {4, 13},
                                           {8, 14}, {9, 15}, {7, 16}, {6, 17}, {5, 18}};
    for (const SubjectText& tip : tips) btnpPICWORD1(tip.index).ToolTip(GetHelpText(tip.text));
    lblSELECT.Caption(GetHelpText(8));
    SetButtonSkin(btnpEXIT, "BTN");
    blnSubjectChosen = false;
    for (int i = 0; i <= 9; ++i) btnpPICWORD1(i).Enabled(true);
}

void frmLESSWRDM_Form::btnpPICWORD1_MouseOut(int Index, int, int, float, float)
{
    picbtn& button = btnpPICWORD1(Index);
    if (button.MousePosnONOUT()) {
        if (lblSUBJECT.Caption() == button.ToolTip()) return;
        lblSUBJECT.Caption(button.ToolTip());
    } else {
        lblSUBJECT.Caption("");
    }
}

void frmLESSWRDM_Form::btnpPICWORD1_MouseUp(int Index, int, int, float, float)
{
    blnSubjectChosen = true;
    const std::string subject = btnpPICWORD1(Index).Tag();
    strWordsTitle = "Words - " + subject;
    strWordsSubject = UCase(subject);
    Unload();
    frmLESSWRDS->Show();
}

void frmLESSWRDM_Form::btnpEXIT_Click()
{
    Unload();
    frmMAINMENU->Show();
}

void frmLESSWRDM_Form::Form_QueryUnload(int& Cancel, int)
{
    // Closing the menu by any means but a choice ends in the main menu.
    if (blnSubjectChosen) return;
    Cancel = 1;
    btnpEXIT_Click();
    Cancel = 0;
}
