// The write-along window's design: the title, the instruction, two white frames clipping the
// browser panes of the capital and the small letter with their replay buttons, and two rows of
// letter buttons on a band.
#include "lessons/frmLESSWRIT.h"

#include "controls/WindowDesign.h"
#include "lessons/LetterButtons.h"

void frmLESSWRIT_Form::Layout(qby::Design& d)
{
    d.Window(ChildWindow(10020, 8370));

    d.Add(shpShape1, {.Left = -45, .Top = 6615, .Width = 10320, .Height = 2085,
                      .BorderColor = kBandEdge, .BackStyle = qby::vbOpaque, .BackColor = kBandFill});
    // Element 0 frames the capital letter, element 1 the small one.
    constexpr double frameLefts[] = {720, 5670};
    for (int i = 0; i < 2; ++i) {
        d.Add(shpShape2, i, {.Left = frameLefts[i], .Top = 2250, .Width = 3615, .Height = 3840,
                             .BorderColor = kDesignBlue});
        d.Add(shpShape3, i, {.Left = frameLefts[i] + 45, .Top = 2295, .Width = 3615, .Height = 3840,
                             .BorderColor = kDesignLight});
    }

    d.Add(lblWriteALong, LessonTitle(225, 180, 5475, "Write - A - Long", qby::vbBlack));
    d.Add(lblCHRS, LessonTitle(270, 225, 5475, "Write - A - Long", kDesignLight));
    d.Add(lblThisIsHowTheyAre, DesignLabel(855, 1665, 8475, 420, "", qby::vbBlack, 14.25));

    // Each pane is larger than its frame, so the frame clips its edges on all four sides.
    d.Add(picBDRCAPS, {.Left = 1335, .Top = 2565, .Width = 2535, .Height = 2535, .BorderStyle = 0,
                       .BackColor = qby::vbWhite});
    d.Add(wbbWebBrowser1, {.Container = picBDRCAPS, .Left = -30, .Top = -30, .Width = 2865,
                           .Height = 2865});
    d.Add(picBDRLOW, {.Left = 6180, .Top = 2565, .Width = 2535, .Height = 2535, .BorderStyle = 0,
                      .BackColor = qby::vbWhite});
    d.Add(wbbWebBrowser2, {.Container = picBDRLOW, .Left = -45, .Top = -30, .Width = 2865,
                           .Height = 2865});

    d.Add(btnpPicbtn5, {.Left = 1575, .Top = 5355}, SkinnedButtonDesign());
    d.Add(btnpPicbtn6, {.Left = 6480, .Top = 5355}, SkinnedButtonDesign());
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, SkinnedButtonDesign());

    for (int i = 0; i < 26; ++i) {
        d.Add(btnpLETTERS, i,
              {.Left = LetterButtonLeft(i), .Top = i < 13 ? 6840.0 : 7515.0, .Width = 615,
               .Height = 615, .Tag = LetterOfButton(i)},
              LetterButtonDesign(i));
        d.Add(picBtnpLETTER, i, {.Left = 0, .Top = 0, .Width = 615, .Height = 615,
                                 .Visible = false, .Tag = LetterOfButton(i)});
    }
}
