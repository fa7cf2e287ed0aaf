#include "ButtonTestForm.h"

#include <algorithm>

namespace buttontest {

Skin MakeSkin(int widthPx, int heightPx, qby::OLE_COLOR normal, qby::OLE_COLOR hlight,
              qby::OLE_COLOR pressed, qby::OLE_COLOR disabled, bool withDisabled)
{
    Skin skin;
    skin.normal = qby::Picture::Filled(widthPx, heightPx, normal);
    skin.hlight = qby::Picture::Filled(widthPx, heightPx, hlight);
    skin.pressed = qby::Picture::Filled(widthPx, heightPx, pressed);
    if (withDisabled)
        skin.disabled = qby::Picture::Filled(widthPx, heightPx, disabled);
    return skin;
}

frmBUTTONTEST_Form::frmBUTTONTEST_Form() : Form("frmBUTTONTEST")
{
    skin = MakeSkin(140, 39, qby::vbBlue, qby::vbYellow, qby::vbRed, 0x808080);
    speaker = MakeSkin(40, 39, qby::vbGreen, qby::vbWhite, qby::vbBlack, 0, false);
    Watch(btnpSTORED);
    Watch(btnpSPEAKER);
    Watch(btnpNEW);
    Watch(btnpPARTIAL);
}

void frmBUTTONTEST_Form::Layout(qby::Design& d)
{
    d.Window({.BorderStyle = qby::vbBSNone, .Left = 1500, .Top = 1500, .ClientWidth = 7500,
              .ClientHeight = 3000, .BackColor = 0xC0C0C0});
    d.Add(btnpSTORED, {.Left = 300, .Top = 300, .Width = 1110, .Height = 330},
          {{"PICTURENORMAL", skin.normal},
           {"PICTUREHLIGHT", skin.hlight},
           {"PICTUREDISABLED", skin.disabled},
           {"PICTUREPRESSED", skin.pressed},
           {"BorderStyle", 0},
           {"ToolTip", "Stored tip"}});
    d.Add(btnpSPEAKER, {.Left = 300, .Top = 1500},
          {{"PICTURENORMAL", speaker.normal},
           {"PICTUREHLIGHT", speaker.hlight},
           {"PICTUREPRESSED", speaker.pressed},
           {"BorderStyle", 0},
           {"ToolTip", "Speaker tip"}});
    d.Add(btnpNEW, {.Left = 3600, .Top = 300});
    d.Add(btnpPARTIAL, {.Left = 3600, .Top = 1500},
          {{"PICTURENORMAL", skin.normal},
           {"PICTUREHLIGHT", 5},
           {"ENABLED", "perhaps"}});
}

void frmBUTTONTEST_Form::Watch(picbtn& button)
{
    picbtn* b = &button;
    auto note = [this, b](const char* event, int Button, int Shift, float X, float Y) {
        log.push_back({b->Name(), event, Button, Shift, X, Y, b->MousePosnONOUT(),
                       b->cURRENTIMAGE().Handle()});
    };
    button.Click.Handle([note] { note("Click", 0, 0, 0, 0); });
    button.DblClick.Handle([note] { note("DblClick", 0, 0, 0, 0); });
    button.MouseDown.Handle([note](int bt, int sh, float x, float y) { note("MouseDown", bt, sh, x, y); });
    button.MouseMove.Handle([note](int bt, int sh, float x, float y) { note("MouseMove", bt, sh, x, y); });
    button.MouseOut.Handle([note](int bt, int sh, float x, float y) { note("MouseOut", bt, sh, x, y); });
    button.MouseUp.Handle([note](int bt, int sh, float x, float y) { note("MouseUp", bt, sh, x, y); });
}

std::vector<std::string> frmBUTTONTEST_Form::Events(const std::string& button) const
{
    std::vector<std::string> names;
    for (const Raised& entry : log) {
        if (entry.button == button)
            names.push_back(entry.event);
    }
    return names;
}

std::vector<Raised> frmBUTTONTEST_Form::Entries(const std::string& button) const
{
    std::vector<Raised> entries;
    std::copy_if(log.begin(), log.end(), std::back_inserter(entries),
                 [&](const Raised& entry) { return entry.button == button; });
    return entries;
}

qby::PictureBox& SurfaceOf(picbtn& button)
{
    return dynamic_cast<qby::PictureBox&>(*button.FindControl("picImage1"));
}

qby::Label& CaptionLabelOf(picbtn& button)
{
    return dynamic_cast<qby::Label&>(*button.FindControl("lblWORDS"));
}

}  // namespace buttontest
