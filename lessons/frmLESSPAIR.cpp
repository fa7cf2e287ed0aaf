#include "lessons/frmLESSPAIR.h"

#include "controls/WindowDesign.h"
#include "core/HelpTextNumbers.h"
#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "lessons/RandomDraw.h"
#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGPLYAG.h"
#include "lessons/frmMSGWRONG.h"
#include "lessons/modPROGMAIN_Letters.h"
#include "platform/forms/Runtime.h"
#include "platform/resources/ResourcePictures.h"
#include "shell/frmMAINMENU.h"
#include "shell/mdiPROGMAIN.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kCards = 12;
constexpr int kPairs = 6;
constexpr qby::OLE_COLOR kFaceDownColor = kDesignBlue;
constexpr qby::OLE_COLOR kFoundColor = 0xFFFF;

// Redraws of one card before the deal takes what it has. With the letters table in place a
// card needs a second draw only now and then; the limit matters only when the table or its
// pictures cannot be read, when every draw gives the same word and the deal would never end.
constexpr int kDrawAttempts = 200;

// A letter drawn as Chr(Int(26 × r) + 97), taken in upper case.
std::string DrawLetter()
{
    return std::string(1, static_cast<char>('A' + DrawBelow(26)));
}

// A word number drawn as Int(r × lngItemCount): the count of the letter loaded last.
std::int16_t DrawWordNumber()
{
    const std::int32_t count = std::min<std::int32_t>(lngItemCount, std::numeric_limits<std::int16_t>::max());
    return static_cast<std::int16_t>(DrawBelow(count));
}

}  // namespace

frmLESSPAIR_Form::frmLESSPAIR_Form() : Form("frmLESSPAIR")
{
    picCARD.Handle(&qby::PictureBox::Click, this, &frmLESSPAIR_Form::picCARD_Click);
    tmrTimer1.Tick.Handle(this, &frmLESSPAIR_Form::tmrTimer1_Timer);
    btnpNEW.Click.Handle(this, &frmLESSPAIR_Form::btnpNEW_Click);
    btnpEXIT.Click.Handle(this, &frmLESSPAIR_Form::btnpEXIT_Click);
}

void frmLESSPAIR_Form::Form_Load()
{
    SetButtonSkin(btnpEXIT, "BTN");
    SetButtonSkin(btnpNEW, "BTN");
    LoadFormBackground("WINDOW", "DIALOG", *this);

    btnpEXIT.CAPTION(GetHelpText(HelpText::Close));
    lblCLICKCARDS.Caption(GetHelpText(HelpText::PairsInstruction));
    btnpNEW.CAPTION(GetHelpText(HelpText::PassToNextPictures));
    for (int i = 0; i < kCards; ++i) picCARD(i).ToolTipText(GetHelpText(HelpText::CardTip));

    DealCards();
}

// ---- dealing ----------------------------------------------------------------------------------

void frmLESSPAIR_Form::DealCards()
{
    TurnAllFaceDown();
    const qby::Picture cursor = qby::LoadResPicture(101, qby::vbResCursor);
    for (int i = 0; i < kCards; ++i) {
        picCARD(i).MousePointer(qby::vbCustom);
        picCARD(i).MouseIcon(cursor);
    }
    lstLIST.Clear();
    intClicks = 0;
    intPairsFound = 0;

    DealFirstCopies();
    lstLIST.Clear();
    DealSecondCopies();
}

// Cards 0 to 5: six different words of letters drawn at random.
void frmLESSPAIR_Form::DealFirstCopies()
{
    for (int i = 0; i < kPairs; ++i) {
        // A first load of word 1 of a drawn letter gives the word count the first word number
        // is drawn from; each draw then replaces it.
        LoadLetterWordPicture(imgMATCH(i), DrawLetter(), 1);
        for (int attempt = 0; attempt < kDrawAttempts; ++attempt) {
            const std::int16_t wordNumber = DrawWordNumber();
            LoadLetterWordPicture(imgMATCH(i), DrawLetter(), wordNumber);
            if (!IsListed(imgMATCH(i).Tag())) break;
        }
        lstLIST.AddItem(imgMATCH(i).Tag());
        picCARD(i).Enabled(true);
    }
}

// Cards 6 to 11: the second copy of each of the six words, in random order.
void frmLESSPAIR_Form::DealSecondCopies()
{
    for (int i = kPairs; i < kCards; ++i) {
        bool placed = false;
        for (int attempt = 0; attempt < kDrawAttempts && !placed; ++attempt) {
            const int j = DrawBelow(kPairs);
            imgMATCH(i).Picture(imgMATCH(j).Picture());
            imgMATCH(i).Tag(imgMATCH(j).Tag());
            placed = !IsListed(imgMATCH(i).Tag());
        }
        if (!placed) {
            // Out of draws (the first six cards do not hold six different words): the first
            // card whose word has no copy yet, or else this card's own partner by position.
            int j = i - kPairs;
            for (int k = 0; k < kPairs; ++k) {
                if (!IsListed(imgMATCH(k).Tag())) {
                    j = k;
                    break;
                }
            }
            imgMATCH(i).Picture(imgMATCH(j).Picture());
            imgMATCH(i).Tag(imgMATCH(j).Tag());
        }
        lstLIST.AddItem(imgMATCH(i).Tag());
    }
}

bool frmLESSPAIR_Form::IsListed(const std::string& word)
{
    const int count = lstLIST.ListCount();
    for (int k = 0; k < count; ++k) {
        if (lstLIST.List(k) == word) return true;
    }
    return false;
}

// ---- the cards --------------------------------------------------------------------------------

void frmLESSPAIR_Form::TurnFaceDown(int Index)
{
    imgMATCH(Index).Visible(false);
    picCARD(Index).Enabled(true);
}

void frmLESSPAIR_Form::TurnAllFaceDown()
{
    for (int i = 0; i < kCards; ++i) {
        imgMATCH(i).Visible(false);
        picCARD(i).BackColor(kFaceDownColor);
        picCARD(i).Enabled(true);
    }
}

// Turned in this try: face up, not framed as found, and taking no clicks.
bool frmLESSPAIR_Form::IsTurned(int Index)
{
    return picCARD(Index).BackColor() != kFoundColor && imgMATCH(Index).Visible() &&
           !picCARD(Index).Enabled();
}

void frmLESSPAIR_Form::picCARD_Click(int Index)
{
    // A card clicked while the try's two cards are being judged stays as it is.
    if (judging.Active()) return;
    picCARD(Index).Enabled(false);
    intClicks = static_cast<std::int16_t>(intClicks + 1);

    if (intClicks == 1) {
        imgMATCH(Index).Visible(true);
        PlayClick();
        return;
    }

    const TryBeingJudged::Scope judged = judging.Begin();
    imgMATCH(Index).Visible(true);
    PlayClick();
    // The try's two cards, by index: the lower one is the first, whatever the order of the
    // clicks.
    int first = -1;
    int second = -1;
    for (int i = 0; i < kCards; ++i) {
        if (!IsTurned(i)) continue;
        if (first < 0) {
            first = i;
        } else {
            second = i;
            break;
        }
    }
    // Nothing to judge when the game ended while the click sounded.
    if (second < 0) return;

    strFoundWord = imgMATCH(second).Tag();
    if (imgMATCH(first).Tag() == strFoundWord)
        JudgePair(first, second);
    else
        JudgeMismatch(first, second);
}

void frmLESSPAIR_Form::JudgePair(int first, int second)
{
    frmMSGCRECT->Unload();
    frmMSGCRECT->imgPICTURE.Picture(imgMATCH(second).Picture());
    frmMSGCRECT->lblWordWas.Caption("You have found " + strFoundWord);
    tmrTimer1.Enabled(true);
    frmMSGCRECT->imgPICTURE.Visible(true);
    frmMSGCRECT->Show(qby::vbModal, mdiPROGMAIN);
    // Nothing more to do when the game went while the box was up.
    if (!IsLoaded() || qby::IsEnding()) return;
    // A box closed before the word was spoken: it is spoken now, before the next try.
    if (tmrTimer1.Enabled()) tmrTimer1_Timer();

    picCARD(first).BackColor(kFoundColor);
    picCARD(second).BackColor(kFoundColor);
    intClicks = 0;
    intPairsFound = static_cast<std::int16_t>(intPairsFound + 1);
    if (intPairsFound != kPairs) return;

    frmMSGPLYAG->Show(qby::vbModal, mdiPROGMAIN);
    if (!IsLoaded() || qby::IsEnding()) return;
    if (blnPlayAgain) {
        intClicks = 0;
        TurnAllFaceDown();
        DealCards();
    } else {
        // Form_QueryUnload takes the learner back to the menu, as Exit does.
        Unload();
    }
}

void frmLESSPAIR_Form::JudgeMismatch(int first, int second)
{
    const std::string firstWord = imgMATCH(first).Tag();
    frmMSGWRONG->lblWordWasfrmMSGWRONG.Caption("You have found  " + firstWord + " and " + strFoundWord);
    frmMSGWRONG->imgPICTURE.Visible(false);
    frmMSGWRONG->imgPICTUREA.Picture(imgMATCH(first).Picture());
    frmMSGWRONG->imgPICTUREA.Visible(true);
    frmMSGWRONG->imgPICTUREB.Picture(imgMATCH(second).Picture());
    frmMSGWRONG->imgPICTUREB.Visible(true);
    // Both cards stay face up while the box is up.
    frmMSGWRONG->Show(qby::vbModal, mdiPROGMAIN);
    if (!IsLoaded() || qby::IsEnding()) return;

    intClicks = 0;
    TurnFaceDown(first);
    TurnFaceDown(second);
}

void frmLESSPAIR_Form::tmrTimer1_Timer()
{
    PlayWordSound(strFoundWord);
    tmrTimer1.Enabled(false);
}

// ---- buttons and closing ----------------------------------------------------------------------

void frmLESSPAIR_Form::btnpNEW_Click()
{
    if (judging.Active()) return;
    DealCards();
}

void frmLESSPAIR_Form::btnpEXIT_Click()
{
    if (judging.Active()) return;
    ReturnToMenu();
}

void frmLESSPAIR_Form::ReturnToMenu()
{
    Unload();
    frmMAINMENU->Show();
}

// Every other way of closing the window goes the way of Exit, so the menu comes back.
void frmLESSPAIR_Form::Form_QueryUnload(int& Cancel, int /*UnloadMode*/)
{
    Cancel = 1;
    ReturnToMenu();
    Cancel = 0;
}
