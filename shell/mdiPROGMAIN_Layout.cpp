// The main frame's design.
#include "shell/mdiPROGMAIN.h"

#include "platform/forms/Design.h"
#include "platform/resources/Resources.h"

namespace {

qby::Picture ProgramIcon()
{
    const auto bytes = qby::LoadResData("QUILLBY", "ICON");
    if (bytes.empty()) return {};
    return qby::Picture::FromEncodedBytes(bytes.data(), bytes.size());
}

}  // namespace

void mdiPROGMAIN_Form::Layout(qby::Design& d)
{
    d.Window({.Caption = "Quillby",
              .StartUpPosition = qby::vbStartUpScreen,
              .WindowState = qby::vbMaximized,
              .ClientWidth = 10050,
              .ClientHeight = 8400,
              .BackColor = qby::vbApplicationWorkspace,
              .Icon = ProgramIcon()});
    // Outer size limits in pixels: the width is fixed at 675, the height between 585 and 590.
    d.Add(tmrResizeLck1, kResizeLckClassId, {.Left = 0, .Top = 0},
          {{"MaxHeight", 590}, {"MaxWidth", 675}, {"MinHeight", 585}, {"MinWidth", 675}, {"HasMaxSize", true}});
}
