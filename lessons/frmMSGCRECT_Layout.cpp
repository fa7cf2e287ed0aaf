// The right-answer box's design: white heading, result line, the lesson's picture, OK.
#include "lessons/frmMSGCRECT.h"

#include "controls/WindowDesign.h"
#include "lessons/FeedbackBox.h"
#include "platform/forms/Design.h"

void frmMSGCRECT_Form::Layout(qby::Design& d)
{
    d.Window(DialogWindow("Quillby", 7695, 3735));
    FeedbackBoxFrame(d, shpWINDOW, 7350, 3390);
    d.Add(lblCORRECT, FeedbackLabel(135, 270, 7365, 600, "You are correct !", qby::vbWhite, 21.75));
    d.Add(lblWordWas, FeedbackLabel(135, 945, 7350, 825, " Word Was", qby::vbBlack, 14.25));
    d.Add(imgPICTURE, {.Left = 3240, .Top = 1575, .Width = 1275, .Height = 1005, .Visible = true,
                       .Stretch = true});
    d.Add(btnpOK, {.Left = 2790, .Top = 2700}, SkinnedButtonDesign());
    d.Add(tmrANIM, {.Enabled = false, .Interval = 1000});
}
