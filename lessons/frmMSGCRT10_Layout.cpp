// The ten-in-a-row box's design: white heading, two lines of praise, OK.
#include "lessons/frmMSGCRT10.h"

#include "controls/WindowDesign.h"
#include "lessons/FeedbackBox.h"
#include "platform/forms/Design.h"

void frmMSGCRT10_Form::Layout(qby::Design& d)
{
    d.Window(DialogWindow("Quillby", 7605, 3645));
    FeedbackBoxFrame(d, shpWINDOW, 7350, 3390);
    d.Add(lblCORRECT, FeedbackLabel(2715, 360, 2205, 600, "Well Done!", qby::vbWhite, 21.75));
    d.Add(lblWordWas, FeedbackLabel(135, 1215, 7350, 825, "You have found 10 correct answers in a row.",
                                    qby::vbBlack, 14.25));
    d.Add(Label1, FeedbackLabel(135, 1845, 7350, 825, "Keep learning with your English .", 0x404040, 14.25));
    d.Add(btnpOK, {.Left = 2790, .Top = 2700}, SkinnedButtonDesign());
    d.Add(tmrANIM, {.Enabled = false, .Interval = 1000});
}
