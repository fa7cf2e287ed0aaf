// frmLESSWRDM: the words menu. Ten subject picture buttons; the pointer on one shows the
// subject's name in large letters, releasing the mouse on one opens the words lesson with that
// subject. Exit (or closing the window) goes back to the main menu.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmLESSWRDM_Form : public qby::Form {
public:
    frmLESSWRDM_Form();

    qby::ControlArray<qby::Shape> shpShape2{this, "shpShape2"};
    qby::ControlArray<qby::Shape> shpShape3{this, "shpShape3"};
    qby::Line lneLine1{this, "lneLine1"};
    qby::ControlArray<qby::Label> lblWordsMenu{this, "lblWordsMenu"};
    qby::Label lblSELECT{this, "lblSELECT"};
    qby::Label lblSUBJECT{this, "lblSUBJECT"};
    qby::ControlArray<picbtn> btnpPICWORD1{this, "btnpPICWORD1"};  // Tag: the subject's name
    picbtn btnpEXIT{this, "btnpEXIT"};

protected:
    void Layout(qby::Design& d) override;  // frmLESSWRDM_Layout.cpp
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void btnpPICWORD1_MouseOut(int Index, int Button, int Shift, float X, float Y);
    void btnpPICWORD1_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void btnpEXIT_Click();

    // A subject was chosen in this visit: the unload that follows opens the words lesson
    // instead of the main menu.
    bool blnSubjectChosen = false;
};

inline qby::DefaultInstance<frmLESSWRDM_Form> frmLESSWRDM;
