#include "lessons/frmLESSWRDS.h"

#include "core/HelpTextNumbers.h"
#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "lessons/RandomDraw.h"
#include "lessons/frmLESSWRDM.h"
#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGCRT10.h"
#include "lessons/frmMSGWRONG.h"
#include "shell/mdiPROGMAIN.h"

#include <cmath>

namespace {

// The deal draws five other words of the subject, one of which then gives its button to the
// asked word, so a subject needs six words to be asked at all.
constexpr std::int32_t kFewestWords = 6;

// A position from 1 to N, each as likely as the others.
std::int32_t DrawPosition(std::int32_t count)
{
    return DrawBelow(count) + 1;
}

std::string RunText(std::int32_t run)
{
    return std::to_string(run) + "/10";
}

}  // namespace

frmLESSWRDS_Form::frmLESSWRDS_Form() : Form("frmLESSWRDS")
{
    btnpPICWORD1.Handle(&picbtn::Click, this, &frmLESSWRDS_Form::btnpPICWORD1_Click);
    btnpNEXT.Click.Handle(this, &frmLESSWRDS_Form::btnpNEXT_Click);
    btnpHELP.Click.Handle(this, &frmLESSWRDS_Form::btnpHELP_Click);
    btnpEXIT.Click.Handle(this, &frmLESSWRDS_Form::btnpEXIT_Click);
    tmrTimer1.Tick.Handle(this, &frmLESSWRDS_Form::tmrTimer1_Timer);
}

void frmLESSWRDS_Form::Form_Load()
{
    picSCALE.ToolTipText(RunText(lngFound));
    LoadFormBackground("WINDOW", "DIALOG", *this);
    btnpEXIT.CAPTION(GetHelpText(HelpText::Close));
    lblWORDSCLICK.Caption(GetHelpText(HelpText::WordsInstruction));
    lbl1Of9frmLESSWRDS.ToolTipText(GetHelpText(HelpText::CurrentPictureNumber));
    btnpHELP.ToolTip(GetHelpText(HelpText::PictureHelpTip));
    btnpNEXT.CAPTION(GetHelpText(HelpText::GoToNext));
    for (int i = 0; i <= 4; ++i) btnpPICWORD1(i).CAPTION(GetHelpText(HelpText::WordButtonTip));
    SetButtonSkin(btnpHELP, "BTNSPEAKER");
    SetButtonSkin(btnpEXIT, "BTN");
    SetButtonSkin(btnpNEXT, "BTN");
    for (int i = 0; i <= 4; ++i) SetButtonSkin(btnpPICWORD1(i), "BTN");
    lblWORDS(0).Caption(strWordsTitle);
    lblWORDS(1).Caption(strWordsTitle);
    // The gauge shows the run kept from earlier visits at once, as its tooltip does.
    ShowRunOnGauge();

    ReadWordCount(strWordsSubject);
    if (!CanAskWords()) {
        // A subject that is missing or too small to deal: nothing is asked and nothing can be
        // answered; Exit still leads back to the words menu.
        for (int i = 0; i <= 4; ++i) btnpPICWORD1(i).Enabled(false);
        btnpNEXT.Enabled(false);
        btnpHELP.Enabled(false);
        return;
    }
    lngWord = DrawPosition(intWordCount);
    ShowWord(strWordsSubject, lngWord);
    LoadWordList(strWordsSubject);
    ShuffleChoices();
}

bool frmLESSWRDS_Form::CanAskWords() const
{
    return intWordCount >= kFewestWords;
}

void frmLESSWRDS_Form::ShowRunOnGauge()
{
    // One tenth of the box per right answer, in whole twips (a half to the even neighbour).
    const double step = std::nearbyint(picSCALE.ScaleHeight() / 10);
    shpLEVEL.Top(-(lngFound * step));
}

void frmLESSWRDS_Form::ShowWordRandom()
{
    if (!CanAskWords()) return;
    // Any position of the subject, never the same twice in a row.
    const std::int32_t previous = lngWord;
    do {
        lngWord = DrawPosition(intWordCount);
    } while (lngWord == previous);
    ShowWord(strWordsSubject, lngWord);
    ShuffleChoices();
}

void frmLESSWRDS_Form::ShuffleChoices()
{
    LoadWordList(strWordsSubject);
    const std::string asked = lblSPEAK.Caption();
    // Five other words are drawn from all the subject's words but the asked one; a table with
    // too few such words (repeated lines) leaves the buttons as they are instead of drawing
    // for ever.
    int others = 0;
    for (int k = 0; k < lstLIST.ListCount(); ++k) {
        if (lstLIST.List(k) != asked) ++others;
    }
    if (others < 5) return;
    for (int i = 0; i <= 4; ++i) {
        std::int32_t k = 0;
        do {
            k = DrawBelow(lstLIST.ListCount());
        } while (lstLIST.List(k) == asked);
        btnpPICWORD1(i).CAPTION(lstLIST.List(k));
        lstLIST.RemoveItem(k);
    }
    // The asked word replaces the word dealt to one of the five buttons.
    btnpPICWORD1(DrawBelow(5)).CAPTION(asked);
}

void frmLESSWRDS_Form::btnpPICWORD1_Click(int Index)
{
    if (judging.Active()) return;
    const TryBeingJudged::Scope judged = judging.Begin();
    if (lblSPEAK.Caption() == btnpPICWORD1(Index).CAPTION()) {
        frmMSGCRECT->imgPICTURE.Picture(picMAINWINDOW.Picture());
        frmMSGCRECT->lblWordWas.Caption("You found " + lblSPEAK.Caption());
        tmrTimer1.Enabled(true);
        frmMSGCRECT->Show(qby::vbModal, mdiPROGMAIN);
        // The lesson may have closed with the program while the box was up.
        if (!IsLoaded()) return;
        // A box closed before the word was spoken: the found word is spoken now, before the
        // next one is asked.
        if (tmrTimer1.Enabled()) tmrTimer1_Timer();
        ++lngFound;
        picSCALE.ToolTipText(RunText(lngFound));
        ShowRunOnGauge();
        if (lngFound == 10) {
            frmMSGCRT10->Show(qby::vbModal, mdiPROGMAIN);
            if (!IsLoaded()) return;
            lngFound = 0;
            ShowRunOnGauge();
            picSCALE.ToolTipText(RunText(0));
        }
        ShowWordRandom();
    } else {
        shpLEVEL.Top(0);
        lngFound = 0;
        picSCALE.ToolTipText(RunText(0));
        frmMSGWRONG->imgPICTURE.Picture(picMAINWINDOW.Picture());
        frmMSGWRONG->lblWordWasfrmMSGWRONG.Caption("You have not found the correct one");
        frmMSGWRONG->Show(qby::vbModal, mdiPROGMAIN);
    }
}

void frmLESSWRDS_Form::tmrTimer1_Timer()
{
    PlayWordSound(lblSPEAK.Caption());
    tmrTimer1.Enabled(false);
}

void frmLESSWRDS_Form::btnpNEXT_Click()
{
    if (judging.Active()) return;
    ShowWordRandom();
}

void frmLESSWRDS_Form::btnpHELP_Click()
{
    PlayWordSound(lblSPEAK.Caption());
}

void frmLESSWRDS_Form::btnpEXIT_Click()
{
    if (judging.Active()) return;
    ReturnToMenu();
}

void frmLESSWRDS_Form::ReturnToMenu()
{
    Unload();
    frmLESSWRDM->Show();
}

void frmLESSWRDS_Form::Form_QueryUnload(int& Cancel, int)
{
    // Closing the lesson by any means ends in the words menu.
    Cancel = 1;
    ReturnToMenu();
    Cancel = 0;
}
