// frmLESSWRDS: words by subject. The picture of one word of the subject chosen in the words
// menu and five word buttons, one of which names it. Right answers build a run shown by a
// gauge; the tenth in a row earns the well-done box. Exit goes back to the words menu.
#pragma once

#include "controls/picbtn.h"
#include "lessons/TryBeingJudged.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <string>

class frmLESSWRDS_Form : public qby::Form {
public:
    frmLESSWRDS_Form();

    qby::ControlArray<qby::Label> lblWORDS{this, "lblWORDS"};
    qby::Label lblWORDSCLICK{this, "lblWORDSCLICK"};
    qby::Label lbl1Of9frmLESSWRDS{this, "lbl1Of9frmLESSWRDS"};
    qby::Shape shpShape1{this, "shpShape1"};  // frame of the picture
    qby::Shape shpShape2{this, "shpShape2"};
    qby::PictureBox picMAINWINDOW{this, "picMAINWINDOW"};
    qby::PictureBox picSCALE{this, "picSCALE"};
    qby::Shape shpLEVEL{this, "shpLEVEL"};    // the gauge's white cover, inside picSCALE
    qby::Shape shpShape3{this, "shpShape3"};  // frame of the word buttons
    qby::Shape shpShape4{this, "shpShape4"};
    qby::ControlArray<picbtn> btnpPICWORD1{this, "btnpPICWORD1"};
    picbtn btnpNEXT{this, "btnpNEXT"};
    picbtn btnpHELP{this, "btnpHELP"};
    picbtn btnpEXIT{this, "btnpEXIT"};
    qby::Label lblSPEAK{this, "lblSPEAK"};  // the asked word
    qby::ListBox lstLIST{this, "lstLIST"};  // work list of the subject's words
    qby::Timer tmrTimer1{this, "tmrTimer1"};

protected:
    void Layout(qby::Design& d) override;  // frmLESSWRDS_Layout.cpp
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    // Reading the subject table (frmLESSWRDS_Subjects.cpp).
    void ReadWordCount(const std::string& subject);
    void ShowWord(const std::string& subject, std::int32_t n);
    void LoadWordList(const std::string& subject);
    // Asking and dealing.
    void ShowWordRandom();
    void ShuffleChoices();
    bool CanAskWords() const;
    void ShowRunOnGauge();

    void btnpPICWORD1_Click(int Index);
    void btnpNEXT_Click();
    void btnpHELP_Click();
    void btnpEXIT_Click();
    // What Exit does, also for every other way of closing; not refused while a try is judged.
    void ReturnToMenu();
    void tmrTimer1_Timer();

    std::int16_t intWordCount = 0;  // N of the subject
    std::int32_t lngWord = 0;       // position of the asked word, from 1
    std::int32_t lngFound = 0;      // the run of right answers, 0 to 10, kept for the whole run
    TryBeingJudged judging;
};

inline qby::DefaultInstance<frmLESSWRDS_Form> frmLESSWRDS;
