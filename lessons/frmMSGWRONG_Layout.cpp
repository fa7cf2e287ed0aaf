// The wrong-answer box's design: heading, result line, one picture in the middle with a hidden
// place on either side for a pair, OK.
#include "lessons/frmMSGWRONG.h"

#include "controls/WindowDesign.h"
#include "lessons/FeedbackBox.h"
#include "platform/forms/Design.h"

void frmMSGWRONG_Form::Layout(qby::Design& d)
{
    d.Window(DialogWindow("Quillby", 7695, 3750));
    FeedbackBoxFrame(d, shpWINDOW, 7395, 3435);
    d.Add(lblWRONG, FeedbackLabel(135, 270, 7440, 825, "Sorry that is wrong", qby::vbBlack, 20.25));
    d.Add(lblWordWasfrmMSGWRONG, FeedbackLabel(135, 945, 7440, 825, " Word was", qby::vbBlack, 14.25));
    d.Add(imgPICTUREA, {.Left = 1845, .Top = 1575, .Width = 1275, .Height = 1005, .Visible = false,
                        .Stretch = true});
    d.Add(imgPICTURE, {.Left = 3285, .Top = 1575, .Width = 1275, .Height = 1005, .Visible = true,
                       .Stretch = true});
    d.Add(imgPICTUREB, {.Left = 4725, .Top = 1575, .Width = 1275, .Height = 1005, .Visible = false,
                        .Stretch = true});
    d.Add(btnpOK, {.Left = 2835, .Top = 2790}, SkinnedButtonDesign());
}
