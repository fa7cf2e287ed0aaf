#include "lessons/frmLESSALPH.h"

#include "core/HelpTextNumbers.h"
#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "lessons/modPROGMAIN_Letters.h"
#include "shell/frmMAINMENU.h"

#include <string>

frmLESSALPH_Form::frmLESSALPH_Form() : Form("frmLESSALPH")
{
    btnpLETTERS.Handle(&picbtn::Click, this, &frmLESSALPH_Form::btnpLETTERS_Click);
    btnpNEXT.Click.Handle(this, &frmLESSALPH_Form::btnpNEXT_Click);
    btnpBACK.Click.Handle(this, &frmLESSALPH_Form::btnpBACK_Click);
    btnpHELP.Click.Handle(this, &frmLESSALPH_Form::btnpHELP_Click);
    btnpEXIT.Click.Handle(this, &frmLESSALPH_Form::btnpEXIT_Click);
}

void frmLESSALPH_Form::Form_Load()
{
    SetButtonSkin(btnpEXIT, "BTN");
    SetButtonSkin(btnpBACK, "BTN");
    SetButtonSkin(btnpNEXT, "BTN");
    LoadFormBackground("WINDOW", "DIALOG", *this);
    SetButtonSkin(btnpHELP, "BTNSPEAKER");

    lblTITLE1(0).ToolTipText(GetHelpText(HelpText::AlphabetInstruction));
    btnpBACK.CAPTION(GetHelpText(HelpText::GoBack));
    btnpEXIT.CAPTION(GetHelpText(HelpText::Close));
    btnpNEXT.CAPTION(GetHelpText(HelpText::GoToNext));
    lbl1Of9.ToolTipText(GetHelpText(HelpText::CurrentPictureNumber));

    strLetter.assign(1, 'A');  // not = "A": GCC 12 warns falsely about that inlined copy
    lngPage = 1;
    ShowLetterWord(strLetter, lngPage);

    // The window comes up, fully drawn, before the letter is spoken. One attempt: a window that
    // cannot be shown (the program is ending) must not hold the load in a loop.
    if (!Visible()) Visible(true);

    btnpLETTERS_Click(0);
}

void frmLESSALPH_Form::btnpLETTERS_Click(int Index)
{
    strLetter = btnpLETTERS(Index).Tag();
    lngPage = 1;
    ShowLetterWord(strLetter, 1);
    lbl1Of9.Caption(std::to_string(lngPage) + " of " + std::to_string(lngItemCount));
    PlayLetterSound(btnpLETTERS(Index).Tag());
    // Exit may have run while the letter was spoken: the word belongs to a window that is gone,
    // and touching its title would load it again.
    if (!IsLoaded()) return;
    PlayWordSound(lblTITLE1(0).Caption() + lblTITLE2(0).Caption());
}

void frmLESSALPH_Form::DisplayPage()
{
    ShowLetterWord(strLetter, lngPage);
    lbl1Of9.Caption(std::to_string(lngPage) + " of " + std::to_string(lngItemCount));
    PlayWordSound(lblTITLE1(0).Caption() + lblTITLE2(0).Caption());
}

void frmLESSALPH_Form::btnpNEXT_Click()
{
    if (lngPage != lngItemCount)
        lngPage = lngPage + 1;
    else
        lngPage = 1;
    DisplayPage();
}

void frmLESSALPH_Form::btnpBACK_Click()
{
    if (lngPage != 1)
        lngPage = lngPage - 1;
    else
        lngPage = lngItemCount;
    DisplayPage();
}

void frmLESSALPH_Form::btnpHELP_Click()
{
    DisplayPage();
}

void frmLESSALPH_Form::btnpEXIT_Click()
{
    Unload();
    frmMAINMENU->Show();
}

// Any other way of closing the window (its close request, the main window closing) does what
// Exit does and lets the close go on.
void frmLESSALPH_Form::Form_QueryUnload(int& Cancel, int)
{
    Cancel = 1;
    btnpEXIT_Click();
    Cancel = 0;
}
