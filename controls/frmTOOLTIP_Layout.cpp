// The tip window's design: a borderless window in the system's tooltip colours holding one
// self-sizing label, and its three timers.
#include "controls/frmTOOLTIP.h"

#include "platform/forms/Design.h"

void frmTOOLTIP_Form::Layout(qby::Design& d)
{
    d.Window({.BorderStyle = qby::vbBSNone, .ShowInTaskbar = false,
              .BackColor = qby::vbInfoBackground, .ForeColor = qby::vbInfoText,
              .ScaleMode = qby::vbTwips});
    d.Add(lblTIP, {.Left = 0, .Top = 0, .Caption = "", .AutoSize = true,
                   .BackStyle = qby::vbTransparent, .ForeColor = qby::vbInfoText,
                   .FontName = "Tahoma", .FontSize = 8.25, .FontBold = false});
    d.Add(tmrSTART, {.Enabled = false, .Interval = 600});
    d.Add(tmrPARENT, {.Enabled = true, .Interval = 100});
    d.Add(tmrSHOW, {.Enabled = false, .Interval = 4000});
}
