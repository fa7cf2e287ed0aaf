// frmMSGWRONG: the box for a wrong answer, a wrong pair or a lost word. Its load plays the
// losing sound; the lesson puts in one picture, or two side by side for a wrong pair, and its
// result line, then shows it modal.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmMSGWRONG_Form : public qby::Form {
public:
    frmMSGWRONG_Form();

    qby::Shape shpWINDOW{this, "shpWINDOW"};
    qby::Label lblWRONG{this, "lblWRONG"};
    qby::Label lblWordWasfrmMSGWRONG{this, "lblWordWasfrmMSGWRONG"};  // written by the lesson
    qby::Image imgPICTUREA{this, "imgPICTUREA"};  // left of a pair, hidden in the design
    qby::Image imgPICTURE{this, "imgPICTURE"};    // the one picture, visible in the design
    qby::Image imgPICTUREB{this, "imgPICTUREB"};  // right of a pair, hidden in the design
    picbtn btnpOK{this, "btnpOK"};

protected:
    void Layout(qby::Design& d) override;  // frmMSGWRONG_Layout.cpp
    void Form_Load() override;

private:
    void btnpOK_Click();
};

inline qby::DefaultInstance<frmMSGWRONG_Form> frmMSGWRONG;
