// frmABOUTQBY: the About box. The program's description and version, the sources of its
// pictures and sounds, a picture that opens the product's web page and a label that starts a
// mail to support. Apart from OK's caption its texts are English in both help languages.
#pragma once

#include "controls/picbtn.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <optional>
#include <string>

// The product's web page (host and path, opened as a web page) and the support address.
inline constexpr const char* strProductWebPage = "www.example.org/quillby";
inline constexpr const char* strSupportAddress = "support@example.org";

// The version as the box shows it: major, ".", minor and revision joined as text, read as a
// number and written with two decimals (2, 5, 1 gives "2.51"; 2, 10, 0 gives "2.10"). Empty
// when the joined text is not a number.
std::optional<std::string> AboutVersionNumber(int major, int minor, int revision);

class frmABOUTQBY_Form : public qby::Form {
public:
    frmABOUTQBY_Form();

    qby::Shape shpTOPBORDER{this, "shpTOPBORDER"};
    qby::Image imgImage2{this, "imgImage2"};  // heading picture
    qby::Image imgImage1{this, "imgImage1"};  // link to the web page
    qby::Label lblDESC{this, "lblDESC"};
    qby::Label lblVersion1_0{this, "lblVersion1_0"};
    qby::Label lblEMAIL{this, "lblEMAIL"};
    qby::Line lneLine1{this, "lneLine1"};
    qby::ControlArray<qby::Label> lblCREDITS{this, "lblCREDITS"};  // the six sources
    qby::Label lblTHANKYOU{this, "lblTHANKYOU"};
    qby::Line lneLine2{this, "lneLine2"};
    qby::Label lblCOPYRIGHT{this, "lblCOPYRIGHT"};
    picbtn btnpOK{this, "btnpOK"};

protected:
    void Layout(qby::Design& d) override;  // frmABOUTQBY_Layout.cpp
    void Form_Load() override;

private:
    void btnpOK_Click();
    void imgImage1_Click();
    void lblEMAIL_Click();

    std::string strSupportMail;
};

inline qby::DefaultInstance<frmABOUTQBY_Form> frmABOUTQBY;
