// frmLESSPCWD: pictures and words. The picture of a word drawn from the word list, the word
// hidden as one star per letter; letter buttons uncover it, and each letter that is not in the
// word fills a gauge of ten wrong guesses. A solved or lost word leads to the next one.
#pragma once

#include "controls/picbtn.h"
#include "lessons/TryBeingJudged.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <string>

class frmLESSPCWD_Form : public qby::Form {
public:
    frmLESSPCWD_Form();

    // Draws and shows the next word.
    void NewGame();
    // Plays one letter (a capital or small letter) against the word.
    void CheckSelectedLetter(const std::string& letter);

    qby::Shape shpBAND{this, "shpBAND"};  // the band behind the letters
    qby::Shape shpShape1{this, "shpShape1"};  // frame of the picture
    qby::Shape shpShape2{this, "shpShape2"};
    qby::ControlArray<qby::Label> lblPicturesAndWords{this, "lblPicturesAndWords"};
    qby::Label lblTOPLAY{this, "lblTOPLAY"};
    qby::PictureBox picMAIN{this, "picMAIN"};
    qby::PictureBox picSCALE{this, "picSCALE"};
    qby::Shape shpLEVEL{this, "shpLEVEL"};  // the gauge's black cover, inside picSCALE
    qby::Label lblWORDHIDDEN{this, "lblWORDHIDDEN"};
    picbtn btnpBtnHELP{this, "btnpBtnHELP"};
    picbtn btnpNEW{this, "btnpNEW"};
    picbtn btnpEXIT{this, "btnpEXIT"};
    qby::ControlArray<picbtn> btnpLETTERS{this, "btnpLETTERS"};  // Tag: "A" to "Z"
    qby::ListBox lstLIST{this, "lstLIST"};  // the line numbers drawn so far
    qby::Timer tmrTimer1{this, "tmrTimer1"};

protected:
    void Layout(qby::Design& d) override;  // frmLESSPCWD_Layout.cpp
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    // A line number of the word list not drawn since the list of drawn numbers was last emptied.
    std::int32_t DrawLineNumber(std::int32_t count);
    void ShowGauge();

    void btnpLETTERS_Click(int Index);
    void btnpBtnHELP_Click();
    void btnpNEW_Click();
    void btnpEXIT_Click();
    // What Exit does, also for every other way of closing; not refused while a try is judged.
    void ReturnToMenu();
    void tmrTimer1_Timer();

    std::string strWORD;    // the word as in the table
    std::string strHidden;  // what the learner sees: "*" per letter not yet found
    std::int32_t lngWrongGuesses = 0;
    std::int32_t lngWordIndex = 0;  // line number of the word in the table
    TryBeingJudged judging;
};

inline qby::DefaultInstance<frmLESSPCWD_Form> frmLESSPCWD;
