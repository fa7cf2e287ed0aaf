// The language dialog's design: two rows of flag buttons, each with its prompt, rule, labels
// and red marker, and OK and Cancel at the foot.
#include "shell/frmLANGUAGE.h"

#include "controls/WindowDesign.h"
#include "platform/forms/Design.h"

void frmLANGUAGE_Form::Layout(qby::Design& d)
{
    d.Window(DialogWindow("Languages", 9315, 8055));

    d.Add(lneLine1, {.X1 = 855, .Y1 = 900, .X2 = 8595, .Y2 = 900, .BorderColor = kDesignBlue});
    d.Add(lneLine2, {.X1 = 810, .Y1 = 4320, .X2 = 8550, .Y2 = 4320, .BorderColor = kDesignBlue});
    d.Add(shpLANGSEL, {.Left = 1575, .Top = 1140, .Width = 2625, .Height = 1860, .BorderColor = qby::vbRed,
                       .BorderWidth = 4});
    d.Add(shpHELPSEL, {.Left = 1575, .Top = 4590, .Width = 2625, .Height = 1815, .BorderColor = qby::vbRed,
                       .BorderWidth = 4});

    d.Add(lblENGLISHTYPE, ChoiceLabel(1215, 585, 3180, "Click below to choose your type of English"));
    d.Add(lblENGLISH, ChoiceLabel(2295, 3030, 765, "English"));
    d.Add(lblAMERICAN, ChoiceLabel(5760, 3030, 1020, "American"));
    d.Add(lblHELPTYPE, ChoiceLabel(1215, 4005, 2925, "Click below to choose your help"));
    d.Add(lblKOREANHELP, ChoiceLabel(2430, 6480, 750, "Korean"));
    d.Add(lblENGHELP, ChoiceLabel(5895, 6480, 765, "English"));

    d.Add(btnpENGLISH, {.Left = 1680, .Top = 1245, .Width = 2400, .Height = 1650}, PictureButtonDesign("frmLANGUAGE", "btnpENGLISH"));
    d.Add(btnpAMERICAN, {.Left = 5070, .Top = 1245, .Width = 2400, .Height = 1650}, PictureButtonDesign("frmLANGUAGE", "btnpAMERICAN"));
    d.Add(btnpKOREAN, {.Left = 1680, .Top = 4695, .Width = 2400, .Height = 1650}, PictureButtonDesign("frmLANGUAGE", "btnpKOREAN"));
    d.Add(btnpENGHELP, {.Left = 5070, .Top = 4695, .Width = 2400, .Height = 1650}, PictureButtonDesign("frmLANGUAGE", "btnpENGHELP"));
    d.Add(btnpOK, {.Left = 4410, .Top = 7335, .Width = 1110, .Height = 330},
          SkinnedButtonDesign());
    d.Add(btnpCANCEL, {.Left = 6600, .Top = 7335, .Width = 1110, .Height = 330},
          SkinnedButtonDesign());
}
