// frmMSGCRT10: the reward for ten right answers in a row. Its load rings the high bell; the
// heading flashes every second. The lesson fills nothing and shows it modal.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmMSGCRT10_Form : public qby::Form {
public:
    frmMSGCRT10_Form();

    qby::Shape shpWINDOW{this, "shpWINDOW"};
    qby::Label lblCORRECT{this, "lblCORRECT"};
    qby::Label lblWordWas{this, "lblWordWas"};
    qby::Label Label1{this, "Label1"};
    picbtn btnpOK{this, "btnpOK"};
    qby::Timer tmrANIM{this, "tmrANIM"};

protected:
    void Layout(qby::Design& d) override;  // frmMSGCRT10_Layout.cpp
    void Form_Load() override;

private:
    void btnpOK_Click();
    void tmrANIM_Timer();
};

inline qby::DefaultInstance<frmMSGCRT10_Form> frmMSGCRT10;
