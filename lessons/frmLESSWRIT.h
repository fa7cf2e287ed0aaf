// frmLESSWRIT: the write-along lesson. Two browser panes show how the capital and the small
// form of a letter are written (GIF animations in the folder "Animations" beside the program);
// two buttons play either animation again; 26 letter buttons choose the letter and speak it.
// Exit, or closing the window in any other way, shows the menu again.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

class frmLESSWRIT_Form : public qby::Form {
public:
    frmLESSWRIT_Form();

    // Decoration: the band behind the letter buttons and the two frames around each pane.
    qby::Shape shpShape1{this, "shpShape1"};
    qby::ControlArray<qby::Shape> shpShape2{this, "shpShape2"};  // blue frames: capital, small
    qby::ControlArray<qby::Shape> shpShape3{this, "shpShape3"};  // light frames: capital, small
    qby::Label lblWriteALong{this, "lblWriteALong"};  // the title's black shadow
    qby::Label lblCHRS{this, "lblCHRS"};              // the title, light blue, above it
    qby::Label lblThisIsHowTheyAre{this, "lblThisIsHowTheyAre"};
    qby::PictureBox picBDRCAPS{this, "picBDRCAPS"};
    qby::WebBrowser wbbWebBrowser1{this, "wbbWebBrowser1"};  // inside picBDRCAPS: the capital
    qby::PictureBox picBDRLOW{this, "picBDRLOW"};
    qby::WebBrowser wbbWebBrowser2{this, "wbbWebBrowser2"};  // inside picBDRLOW: the small letter
    picbtn btnpPicbtn5{this, "btnpPicbtn5"};  // plays the capital's animation again
    picbtn btnpPicbtn6{this, "btnpPicbtn6"};  // plays the small letter's animation again
    picbtn btnpEXIT{this, "btnpEXIT"};
    qby::ControlArray<picbtn> btnpLETTERS{this, "btnpLETTERS"};
    // Never visible: element i holds the (i+1)-th capital letter in its Tag.
    qby::ControlArray<qby::PictureBox> picBtnpLETTER{this, "picBtnpLETTER"};

    // The current letter as a capital; "A" after the load.
    const std::string& CurrentLetter() const { return strLetter; }

protected:
    void Layout(qby::Design& d) override;  // frmLESSWRIT_Layout.cpp
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void btnpLETTERS_Click(int Index);
    void btnpPicbtn5_Click();
    void btnpPicbtn6_Click();
    void btnpEXIT_Click();

    std::string strLetter;
};

inline qby::DefaultInstance<frmLESSWRIT_Form> frmLESSWRIT;
