// frmMSGPLYAG: asks whether to play again once all pairs are found. The answer is left in
// blnPlayAgain: True from the load on (so closing the box any other way means yes), False after
// No. Silent.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmMSGPLYAG_Form : public qby::Form {
public:
    frmMSGPLYAG_Form();

    qby::Shape shpWINDOW{this, "shpWINDOW"};
    qby::Label lblPLAYAGAIN{this, "lblPLAYAGAIN"};
    picbtn btnpYES{this, "btnpYES"};
    picbtn btnpNO{this, "btnpNO"};

protected:
    void Layout(qby::Design& d) override;  // frmMSGPLYAG_Layout.cpp
    void Form_Load() override;

private:
    void btnpYES_Click();
    void btnpNO_Click();
};

inline qby::DefaultInstance<frmMSGPLYAG_Form> frmMSGPLYAG;
