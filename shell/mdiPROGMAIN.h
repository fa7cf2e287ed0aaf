// mdiPROGMAIN: the program's one top-level frame. The menu and every activity window open
// inside it as children that fill its client area; closing it closes every other window and
// ends the program.
#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/UserControl.h"

// The class of the size-lock control.
inline constexpr const char* kResizeLckClassId = "{41E2C7AD-A7D5-459E-8EF5-CDB7B92EAAEF}";

class mdiPROGMAIN_Form : public qby::MDIForm {
public:
    mdiPROGMAIN_Form();

    // The size-lock control of the control library, made from its class id when the window
    // loads (absent while the library is not registered). Nothing in the program calls it.
    qby::ExternalControl tmrResizeLck1{this, "tmrResizeLck1"};

protected:
    void Layout(qby::Design& d) override;  // mdiPROGMAIN_Layout.cpp
    void MDIForm_Load() override;
    void MDIForm_Unload(int& Cancel) override;
};

inline qby::DefaultInstance<mdiPROGMAIN_Form> mdiPROGMAIN;
