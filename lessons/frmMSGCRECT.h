// frmMSGCRECT: the box for a right answer. Its load plays the reward sound; the lesson then puts
// in its picture and result line and shows it modal. The heading flashes every second.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmMSGCRECT_Form : public qby::Form {
public:
    frmMSGCRECT_Form();

    qby::Shape shpWINDOW{this, "shpWINDOW"};
    qby::Label lblCORRECT{this, "lblCORRECT"};
    qby::Label lblWordWas{this, "lblWordWas"};  // the result line, written by the lesson
    qby::Image imgPICTURE{this, "imgPICTURE"};  // the lesson's picture
    picbtn btnpOK{this, "btnpOK"};
    qby::Timer tmrANIM{this, "tmrANIM"};

protected:
    void Layout(qby::Design& d) override;  // frmMSGCRECT_Layout.cpp
    void Form_Load() override;

private:
    void btnpOK_Click();
    void tmrANIM_Timer();
};

inline qby::DefaultInstance<frmMSGCRECT_Form> frmMSGCRECT;
