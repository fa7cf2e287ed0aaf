#include "lessons/frmLESSPCWD.h"

#include "core/HelpTextNumbers.h"
#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "core/modSTRINGS.h"
#include "lessons/RandomDraw.h"
#include "lessons/WordTables.h"
#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGWRONG.h"
#include "shell/frmMAINMENU.h"
#include "shell/mdiPROGMAIN.h"

namespace {

constexpr std::int32_t kWrongGuessesAllowed = 10;

// The gauge's colour after 0 to 9 wrong letters; after the tenth it stays as it was.
constexpr qby::OLE_COLOR kGaugeColours[kWrongGuessesAllowed] = {
    0xFF00, 0xFF00, 0x50EFAB, 0x53ECEC, 0x71F5F9, 0x52D1ED, 0x51BBEE, 0x4681F9, 0x4759F8, 0xFF};

// Line n (from 1) of a table whose lines each end with "|".
std::string LineOfTable(const std::string& text, std::int32_t n)
{
    std::size_t start = 0;
    for (std::int32_t line = 1; line < n; ++line) {
        const std::size_t bar = text.find('|', start);
        if (bar == std::string::npos) return "";
        start = bar + 1;
    }
    const std::size_t end = text.find('|', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

frmLESSPCWD_Form::frmLESSPCWD_Form() : Form("frmLESSPCWD")
{
    btnpLETTERS.Handle(&picbtn::Click, this, &frmLESSPCWD_Form::btnpLETTERS_Click);
    btnpBtnHELP.Click.Handle(this, &frmLESSPCWD_Form::btnpBtnHELP_Click);
    btnpNEW.Click.Handle(this, &frmLESSPCWD_Form::btnpNEW_Click);
    btnpEXIT.Click.Handle(this, &frmLESSPCWD_Form::btnpEXIT_Click);
    tmrTimer1.Tick.Handle(this, &frmLESSPCWD_Form::tmrTimer1_Timer);
}

void frmLESSPCWD_Form::Form_Load()
{
    btnpEXIT.CAPTION(GetHelpText(HelpText::Close));
    btnpNEW.CAPTION(GetHelpText(HelpText::PassToNextPictures));
    btnpBtnHELP.ToolTip(GetHelpText(HelpText::PictureHelpTip));
    LoadFormBackground("WINDOW", "DIALOG", *this);
    SetButtonSkin(btnpBtnHELP, "BTNSPEAKER");
    lblTOPLAY.Caption(GetHelpText(HelpText::ClickLetterToPlay));
    lblWORDHIDDEN.ToolTipText(GetHelpText(HelpText::ClickLettersToFillSpaces));
    SetButtonSkin(btnpEXIT, "BTN");
    SetButtonSkin(btnpNEW, "BTN");
    NewGame();
}

void frmLESSPCWD_Form::NewGame()
{
    shpLEVEL.Top(-15);
    strHidden.clear();
    lblWORDHIDDEN.Caption(" ");
    const std::string text = ReadWordTable(WordTableName("PICANDWORDS"));
    const std::int32_t count = std::stoi(CountCharacter(text, "|"));
    if (count < 1) {
        // No word list: no word, and no letter to play.
        strWORD.clear();
        for (int i = 0; i <= 25; ++i) btnpLETTERS(i).Enabled(false);
        return;
    }
    const std::int32_t n = DrawLineNumber(count);
    lstLIST.AddItem(std::to_string(n));

    lngWordIndex = n;
    strWORD = LineOfTable(text, n);
    strCurrentWord = strWORD;
    for (char c : strWORD) strHidden += (c == ' ') ? ' ' : '*';
    ShowWordPicture(picMAIN, WithoutBlanks(strWORD));
    lngWrongGuesses = 0;
    lblWORDHIDDEN.Caption(strHidden);
    for (int i = 0; i <= 25; ++i) btnpLETTERS(i).Enabled(true);
}

std::int32_t frmLESSPCWD_Form::DrawLineNumber(std::int32_t count)
{
    // Every line from 1 to count can come up; once each has, the list of drawn numbers starts
    // again, so a draw always finds a number that is not in it.
    for (;;) {
        const std::int32_t n = DrawBelow(count) + 1;
        if (lstLIST.ListCount() >= count) lstLIST.Clear();
        const std::string drawn = std::to_string(n);
        bool used = false;
        for (int i = 0; i < lstLIST.ListCount() && !used; ++i) used = lstLIST.List(i) == drawn;
        if (!used) return n;
    }
}

void frmLESSPCWD_Form::CheckSelectedLetter(const std::string& letter)
{
    const std::string before = strHidden;
    if (letter.size() == 1) {
        for (std::size_t i = 0; i < strWORD.size() && i < strHidden.size(); ++i) {
            if (UCase(strWORD[i]) == UCase(letter[0])) strHidden[i] = strWORD[i];
        }
    }
    lblWORDHIDDEN.Caption(strHidden);
    const bool uncovered = strHidden != before;
    if (!uncovered) ++lngWrongGuesses;

    if (strWORD == lblWORDHIDDEN.Caption()) {
        // Solved: the box, its reward sound, and the word spoken 200 ms into it.
        const TryBeingJudged::Scope judged = judging.Begin();
        frmMSGCRECT->Unload();
        frmMSGCRECT->imgPICTURE.Picture(picMAIN.Picture());
        frmMSGCRECT->lblWordWas.Caption("The word was " + strCurrentWord);
        tmrTimer1.Enabled(true);
        frmMSGCRECT->Show(qby::vbModal, mdiPROGMAIN);
        // The window may have closed with the program while the box was up.
        if (!IsLoaded()) return;
        // A box closed before the word was spoken: it is spoken now, before the next word.
        if (tmrTimer1.Enabled()) tmrTimer1_Timer();
        NewGame();
        return;
    }
    if (uncovered) PlayButton();
    ShowGauge();

    if (lngWrongGuesses == kWrongGuessesAllowed) {
        const TryBeingJudged::Scope judged = judging.Begin();
        frmMSGWRONG->Load();
        frmMSGWRONG->imgPICTURE.Picture(picMAIN.Picture());
        frmMSGWRONG->lblWordWasfrmMSGWRONG.Caption("The word was " + strCurrentWord);
        frmMSGWRONG->Show(qby::vbModal, mdiPROGMAIN);
        if (!IsLoaded()) return;
        lngWrongGuesses = 0;
        NewGame();
    }
}

void frmLESSPCWD_Form::ShowGauge()
{
    // Each wrong letter uncovers another tenth of the gauge from the top.
    shpLEVEL.Top(lngWrongGuesses * (picSCALE.ScaleHeight() / 10));
    if (lngWrongGuesses >= 0 && lngWrongGuesses < kWrongGuessesAllowed)
        picSCALE.BackColor(kGaugeColours[lngWrongGuesses]);
}

void frmLESSPCWD_Form::btnpLETTERS_Click(int Index)
{
    if (judging.Active()) return;
    btnpLETTERS(Index).Enabled(false);
    CheckSelectedLetter(btnpLETTERS(Index).Tag());
}

void frmLESSPCWD_Form::btnpBtnHELP_Click()
{
    PlayWordSound(strWORD);
}

void frmLESSPCWD_Form::btnpNEW_Click()
{
    if (judging.Active()) return;
    NewGame();
}

void frmLESSPCWD_Form::tmrTimer1_Timer()
{
    PlayWordSound(lblWORDHIDDEN.Caption());
    tmrTimer1.Enabled(false);
}

void frmLESSPCWD_Form::btnpEXIT_Click()
{
    if (judging.Active()) return;
    ReturnToMenu();
}

void frmLESSPCWD_Form::ReturnToMenu()
{
    Unload();
    frmMAINMENU->Show();
}

void frmLESSPCWD_Form::Form_QueryUnload(int& Cancel, int)
{
    // Closing the window by any means ends in the menu.
    Cancel = 1;
    ReturnToMenu();
    Cancel = 0;
}
