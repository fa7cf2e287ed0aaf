// A window holding picture buttons for the tests: two loaded from a stored design (a 140 x 39
// skin and a 40 x 39 skin without a disabled picture), one new control without stored
// properties, and one whose stored properties are partly missing or of the wrong kind. Every
// event of every button is logged with the state the button was in when it was raised.
#pragma once

#include "controls/picbtn.h"

#include "platform/forms/Forms.h"

#include <cstdint>
#include <string>
#include <vector>

namespace buttontest {

struct Skin {
    qby::Picture normal;
    qby::Picture hlight;
    qby::Picture pressed;
    qby::Picture disabled;
};

// Plain-coloured state pictures; `disabled` is empty when withDisabled is false.
Skin MakeSkin(int widthPx, int heightPx, qby::OLE_COLOR normal, qby::OLE_COLOR hlight,
              qby::OLE_COLOR pressed, qby::OLE_COLOR disabled, bool withDisabled = true);

struct Raised {
    std::string button;
    std::string event;
    int Button = 0;
    int Shift = 0;
    float X = 0;
    float Y = 0;
    bool over = false;                 // MousePosnONOUT when it was raised
    std::int32_t shownPicture = 0;     // handle of the picture shown when it was raised
};

class frmBUTTONTEST_Form : public qby::Form {
public:
    frmBUTTONTEST_Form();

    picbtn btnpSTORED{this, "btnpSTORED"};
    picbtn btnpSPEAKER{this, "btnpSPEAKER"};
    picbtn btnpNEW{this, "btnpNEW"};
    picbtn btnpPARTIAL{this, "btnpPARTIAL"};

    Skin skin;
    Skin speaker;
    std::vector<Raised> log;

    // "MouseMove", "MouseOut", ... of one button, in order.
    std::vector<std::string> Events(const std::string& button) const;
    // The entries of one button, in order.
    std::vector<Raised> Entries(const std::string& button) const;

protected:
    void Layout(qby::Design& d) override;

private:
    void Watch(picbtn& button);
};

// The picture surface of a button (its constituent picImage1).
qby::PictureBox& SurfaceOf(picbtn& button);
// The caption label of a button (its constituent lblWORDS).
qby::Label& CaptionLabelOf(picbtn& button);

}  // namespace buttontest
