#include "lessons/frmLESSWRIT.h"

#include "core/HelpTextNumbers.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "core/modSTRINGS.h"
#include "platform/app/App.h"
#include "shell/frmMAINMENU.h"

namespace {

// The animation file of this name in the folder "Animations" beside the program.
std::string AnimationPath(const std::string& fileName)
{
    return App.Path() + "/Animations/" + fileName;
}

}  // namespace

frmLESSWRIT_Form::frmLESSWRIT_Form() : Form("frmLESSWRIT")
{
    btnpLETTERS.Handle(&picbtn::Click, this, &frmLESSWRIT_Form::btnpLETTERS_Click);
    btnpPicbtn5.Click.Handle(this, &frmLESSWRIT_Form::btnpPicbtn5_Click);
    btnpPicbtn6.Click.Handle(this, &frmLESSWRIT_Form::btnpPicbtn6_Click);
    btnpEXIT.Click.Handle(this, &frmLESSWRIT_Form::btnpEXIT_Click);
}

void frmLESSWRIT_Form::Form_Load()
{
    btnpEXIT.CAPTION(GetHelpText(HelpText::Close));
    btnpPicbtn5.CAPTION(GetHelpText(HelpText::PlayAnimation));
    btnpPicbtn6.CAPTION(GetHelpText(HelpText::PlayAnimation));
    lblThisIsHowTheyAre.Caption(GetHelpText(HelpText::WriteAlongInstruction));

    LoadFormBackground("WINDOW", "DIALOG", *this);
    SetButtonSkin(btnpEXIT, "BTN");
    SetButtonSkin(btnpPicbtn5, "BTN");
    SetButtonSkin(btnpPicbtn6, "BTN");

    strLetter = btnpLETTERS(0).Tag();
    wbbWebBrowser1.Navigate2(AnimationPath(strLetter + " ucase chr.gif"));
    wbbWebBrowser2.Navigate2(AnimationPath(LCase(strLetter) + " lcase chr.gif"));

    // The window comes up before the letter is spoken. One attempt: a window that cannot be
    // shown (the program is ending) must not hold the load in a loop.
    if (!Visible()) Visible(true);

    // The letter A once more, now that the window is on the screen, with its sound.
    btnpLETTERS_Click(0);
}

void frmLESSWRIT_Form::btnpLETTERS_Click(int Index)
{
    strLetter = picBtnpLETTER(Index).Tag();
    wbbWebBrowser1.Navigate2(AnimationPath(UCase(strLetter) + " ucase chr.gif"));
    wbbWebBrowser2.Navigate2(AnimationPath(LCase(strLetter) + " lcase chr.gif"));
    PlayLetterSound(strLetter);
}

void frmLESSWRIT_Form::btnpPicbtn5_Click()
{
    wbbWebBrowser1.Navigate2(AnimationPath(UCase(strLetter) + " - Ucase.gif"));
}

void frmLESSWRIT_Form::btnpPicbtn6_Click()
{
    wbbWebBrowser2.Navigate2(AnimationPath(LCase(strLetter) + " - lcase.gif"));
}

void frmLESSWRIT_Form::btnpEXIT_Click()
{
    Unload();
    frmMAINMENU->Show();
}

// Every other way of closing the window goes the way of Exit, so the menu comes back.
void frmLESSWRIT_Form::Form_QueryUnload(int& Cancel, int /*UnloadMode*/)
{
    Cancel = 1;
    btnpEXIT_Click();
    Cancel = 0;
}
