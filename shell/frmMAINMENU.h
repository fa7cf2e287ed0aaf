// frmMAINMENU: the menu inside the main frame. Five picture buttons open the activities, three
// text buttons open the About box and the language dialog and end the program; the label under
// a lesson button turns yellow while the pointer is on the button.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmMAINMENU_Form : public qby::Form {
public:
    frmMAINMENU_Form();

    // Every label, caption and tooltip of the menu from the interface-text table.
    void RefreshText();

    picbtn btnpALPHABET{this, "btnpALPHABET"};
    picbtn btnpWORDS{this, "btnpWORDS"};
    picbtn btnpPAIRS{this, "btnpPAIRS"};
    picbtn btnpPICANDWORDS{this, "btnpPICANDWORDS"};
    picbtn btnpWRITEALONG{this, "btnpWRITEALONG"};
    picbtn btnpABOUT{this, "btnpABOUT"};
    picbtn btnpLANGUAGE{this, "btnpLANGUAGE"};
    picbtn btnpCLOSEPROGRAM{this, "btnpCLOSEPROGRAM"};

    qby::Label lblALPHABET{this, "lblALPHABET"};
    qby::Label lblLEARNWORDS{this, "lblLEARNWORDS"};
    qby::Label lblMATCHINGPAIR{this, "lblMATCHINGPAIR"};
    qby::Label lblPICTSWORDS{this, "lblPICTSWORDS"};
    qby::Label lblWRITELETTER{this, "lblWRITELETTER"};

    qby::ControlArray<qby::Shape> shpShape2{this, "shpShape2"};
    qby::ControlArray<qby::Shape> shpShape3{this, "shpShape3"};
    qby::Line lneLine1{this, "lneLine1"};

protected:
    void Layout(qby::Design& d) override;  // frmMAINMENU_Layout.cpp
    void Form_Initialize() override;
    void Form_Load() override;

private:
    void btnpALPHABET_Click();
    void btnpWORDS_Click();
    void btnpPAIRS_Click();
    void btnpPICANDWORDS_Click();
    void btnpWRITEALONG_Click();
    void btnpABOUT_Click();
    void btnpLANGUAGE_Click();
    void btnpCLOSEPROGRAM_Click();
    void btnpALPHABET_MouseOut(int Button, int Shift, float X, float Y);
    void btnpWORDS_MouseOut(int Button, int Shift, float X, float Y);
    void btnpPAIRS_MouseOut(int Button, int Shift, float X, float Y);
    void btnpPICANDWORDS_MouseOut(int Button, int Shift, float X, float Y);
    void btnpWRITEALONG_MouseOut(int Button, int Shift, float X, float Y);
    // The hover highlight shared by the five lesson buttons.
    static void HighlightLessonLabel(picbtn& button, qby::Label& label);
};

inline qby::DefaultInstance<frmMAINMENU_Form> frmMAINMENU;
