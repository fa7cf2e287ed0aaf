// frmLANGUAGE: the language dialog. The learner chooses the English variety of the word material
// and the language of the interface texts; a choice holds at once for the run, OK stores both in
// the registry and refreshes the menu's texts, Cancel takes the choice back.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

class frmLANGUAGE_Form : public qby::Form {
public:
    frmLANGUAGE_Form();

    picbtn btnpENGLISH{this, "btnpENGLISH"};
    picbtn btnpAMERICAN{this, "btnpAMERICAN"};
    picbtn btnpKOREAN{this, "btnpKOREAN"};
    picbtn btnpENGHELP{this, "btnpENGHELP"};
    picbtn btnpOK{this, "btnpOK"};
    picbtn btnpCANCEL{this, "btnpCANCEL"};

    qby::Shape shpLANGSEL{this, "shpLANGSEL"};  // marker around the chosen variety
    qby::Shape shpHELPSEL{this, "shpHELPSEL"};  // marker around the chosen help language

    qby::Label lblENGLISHTYPE{this, "lblENGLISHTYPE"};
    qby::Label lblENGLISH{this, "lblENGLISH"};
    qby::Label lblAMERICAN{this, "lblAMERICAN"};
    qby::Label lblHELPTYPE{this, "lblHELPTYPE"};
    qby::Label lblKOREANHELP{this, "lblKOREANHELP"};
    qby::Label lblENGHELP{this, "lblENGHELP"};

    qby::Line lneLine1{this, "lneLine1"};
    qby::Line lneLine2{this, "lneLine2"};

protected:
    void Layout(qby::Design& d) override;  // frmLANGUAGE_Layout.cpp
    void Form_Load() override;

private:
    void btnpENGLISH_Click();
    void btnpAMERICAN_Click();
    void btnpENGHELP_Click();
    void btnpKOREAN_Click();
    void btnpOK_Click();
    void btnpCANCEL_Click();

    void EnglishSelect();
    void AmericanSelect();
    void EngHelpSelect();
    void KoreanHelpSelect();
    // The texts that every help-language choice applies again.
    void ApplyChoiceTexts();
    static void PlaceMarker(qby::Shape& marker, picbtn& button);

    // The settings as they were when the dialog loaded, for Cancel.
    std::string strSavedLanguage;
    std::string strSavedHelpLanguage;
};

inline qby::DefaultInstance<frmLANGUAGE_Form> frmLANGUAGE;
