#include "shell/frmABOUTQBY.h"

#include "core/HelpTextNumbers.h"
#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modQBYLANG.h"
#include "platform/app/App.h"
#include "platform/resources/Resources.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

std::optional<std::string> AboutVersionNumber(int major, int minor, int revision)
{
    const std::string joined = std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
    double value = 0;
    const auto [end, error] = std::from_chars(joined.data(), joined.data() + joined.size(), value);
    if (error != std::errc() || end != joined.data() + joined.size()) return std::nullopt;
    // Two decimals, halves rounded away from zero.
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", std::round(value * 100) / 100);
    return std::string(text);
}

frmABOUTQBY_Form::frmABOUTQBY_Form() : Form("frmABOUTQBY")
{
    btnpOK.Click.Handle(this, &frmABOUTQBY_Form::btnpOK_Click);
    imgImage1.Click.Handle(this, &frmABOUTQBY_Form::imgImage1_Click);
    lblEMAIL.Click.Handle(this, &frmABOUTQBY_Form::lblEMAIL_Click);
}

void frmABOUTQBY_Form::Form_Load()
{
    lblTHANKYOU.Caption("A big thank you to all involved at the websites contents above. With out their "
                        "brilliant talent and inspiration this program could not be made.  ");
    strSupportMail = strSupportAddress;
    SetButtonSkin(btnpOK, "BTN");
    if (auto version = AboutVersionNumber(App.Major(), App.Minor(), App.Revision())) {
        lblVersion1_0.Caption("Version: " + *version);
    }
    btnpOK.CAPTION(GetHelpText(HelpText::OK));
    lblEMAIL.MousePointer(qby::vbCustom);
    const auto cursor = qby::LoadResData(101, "CURSOR");
    if (!cursor.empty()) {
        const qby::Picture icon = qby::Picture::CursorFromEncodedBytes(cursor);
        if (!icon.IsEmpty()) lblEMAIL.MouseIcon(icon);
    }
    LoadFormBackground("main", "DIALOG", *this);
}

void frmABOUTQBY_Form::btnpOK_Click()
{
    Unload();
}

void frmABOUTQBY_Form::imgImage1_Click()
{
    if (objRegistry) objRegistry->InternetLinkRun(std::to_string(hWnd()), "http://", strProductWebPage);
}

void frmABOUTQBY_Form::lblEMAIL_Click()
{
    if (objRegistry) objRegistry->InternetLinkRun(std::to_string(hWnd()), "mailto:", strSupportMail);
}
