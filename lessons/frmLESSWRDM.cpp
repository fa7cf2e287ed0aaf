#include "lessons/frmLESSWRDM.h"

#include "core/HelpTextNumbers.h"
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
    btnpEXIT.CAPTION(GetHelpText(HelpText::Close));
    // Each subject's name in the help language, in this order.
    struct SubjectText {
        int index;
        std::int32_t text;
    };
    static constexpr SubjectText tips[] = {
        {0, HelpText::SubjectAnimals},       {1, HelpText::SubjectColors},
        {2, HelpText::SubjectFruits},        {3, HelpText::SubjectGeneralItems},
        {4, HelpText::SubjectMusicalInstruments}, {8, HelpText::SubjectNaturalEvents},
        {9, HelpText::SubjectPets},          {7, HelpText::SubjectSports},
        {6, HelpText::SubjectTransports},    {5, HelpText::SubjectVegetables}};
    for (const SubjectText& tip : tips) btnpPICWORD1(tip.index).ToolTip(GetHelpText(tip.text));
    lblSELECT.Caption(GetHelpText(HelpText::WordsMenuInstruction));
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
