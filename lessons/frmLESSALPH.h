// frmLESSALPH: the alphabet lesson. Two rows of letter buttons choose a letter; each page shows
// one of its words: the picture, the word in large letters with its first letter set apart, three
// example sentences and "p of N". Choosing a letter speaks the letter, then the first word;
// paging (with wrap-around) and the speaker button speak the page's word. Exit, or closing the
// window in any other way, shows the menu again.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <string>

class frmLESSALPH_Form : public qby::Form {
public:
    frmLESSALPH_Form();

    qby::Shape shpShape1{this, "shpShape1"};
    qby::Shape shpShape2_6{this, "shpShape2_6"};
    qby::Shape shpShape3_6{this, "shpShape3_6"};
    qby::PictureBox picMAINWINDOW{this, "picMAINWINDOW"};
    qby::Label lbl1Of9{this, "lbl1Of9"};  // inside picMAINWINDOW
    // The first letter of the word, twice: element 1 black, element 0 light blue over it.
    qby::ControlArray<qby::Label> lblTITLE1{this, "lblTITLE1"};
    // The rest of the word, in the same two layers.
    qby::ControlArray<qby::Label> lblTITLE2{this, "lblTITLE2"};
    qby::ControlArray<qby::Label> lblSENTENCE1{this, "lblSENTENCE1"};
    picbtn btnpHELP{this, "btnpHELP"};
    picbtn btnpBACK{this, "btnpBACK"};
    picbtn btnpNEXT{this, "btnpNEXT"};
    picbtn btnpEXIT{this, "btnpEXIT"};
    qby::ControlArray<picbtn> btnpLETTERS{this, "btnpLETTERS"};

protected:
    void Layout(qby::Design& d) override;  // frmLESSALPH_Layout.cpp
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void btnpLETTERS_Click(int Index);
    void btnpNEXT_Click();
    void btnpBACK_Click();
    void btnpHELP_Click();
    void btnpEXIT_Click();
    void DisplayPage();

    std::string strLetter;     // the current letter, "A" to "Z"
    std::int32_t lngPage = 0;  // the current page, 1 to N
};

inline qby::DefaultInstance<frmLESSALPH_Form> frmLESSALPH;
