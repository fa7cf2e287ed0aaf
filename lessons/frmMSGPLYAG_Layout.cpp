// The play-again box's design: the question and the Yes and No buttons.
#include "lessons/frmMSGPLYAG.h"

#include "controls/WindowDesign.h"
#include "lessons/FeedbackBox.h"
#include "platform/forms/Design.h"

void frmMSGPLYAG_Form::Layout(qby::Design& d)
{
    d.Window(DialogWindow("Quillby", 7695, 2985));
    FeedbackBoxFrame(d, shpWINDOW, 7395, 2670);
    d.Add(lblPLAYAGAIN, FeedbackLabel(405, 675, 5415, 1635, "Would you like to play again?", qby::vbBlack, 20.25));
    d.Add(btnpYES, {.Left = 2955, .Top = 1995}, SkinnedButtonDesign());
    d.Add(btnpNO, {.Left = 5190, .Top = 1995}, SkinnedButtonDesign());
}
