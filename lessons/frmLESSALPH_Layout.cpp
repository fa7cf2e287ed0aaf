// The alphabet lesson's design: the framed picture with its page label, the two-layer title,
// the three sentences, the speaker, Back, Next and Exit buttons, and the band of 26 letter
// buttons in two rows.
#include "lessons/frmLESSALPH.h"

#include "controls/WindowDesign.h"
#include "lessons/LetterButtons.h"
#include "platform/forms/Design.h"

void frmLESSALPH_Form::Layout(qby::Design& d)
{
    d.Window(ChildWindow(10020, 8235));

    d.Add(shpShape1, {.Left = -45, .Top = 6480, .Width = 10185, .Height = 1995, .BorderColor = kBandEdge,
                      .FillStyle = qby::vbFSSolid, .FillColor = kBandFill});
    d.Add(shpShape2_6, {.Left = 585, .Top = 1845, .Width = 4650, .Height = 3525, .BorderColor = kDesignBlue});
    d.Add(shpShape3_6, {.Left = 630, .Top = 1890, .Width = 4650, .Height = 3525, .BorderColor = kDesignLight});

    // The black layer first, the light one 45 twips right of and below it, drawn over it.
    d.Add(lblTITLE1, 1, AutoSizeLabel(450, -180, 885, 1680, "A", qby::vbBlack, 60));
    d.Add(lblTITLE1, 0, AutoSizeLabel(495, -135, 885, 1680, "A", kDesignLight, 60));
    d.Add(lblTITLE2, 1, AutoSizeLabel(1395, 315, 1365, 1005, "pple", qby::vbBlack, 36));
    d.Add(lblTITLE2, 0, AutoSizeLabel(1440, 360, 1365, 1005, "pple", kDesignLight, 36));

    constexpr double sentenceTops[3] = {2205, 3270, 4410};
    constexpr const char* sentences[3] = {"An apple is a fruit.", "I take an apple to school.",
                                          "I like to eat an apple for my lunch."};
    for (int i = 0; i < 3; ++i) {
        d.Add(lblSENTENCE1, i, {.Left = 5490, .Top = sentenceTops[i], .Width = 4035, .Height = 735,
                                .Caption = sentences[i], .AutoSize = true, .WordWrap = true,
                                .BackStyle = qby::vbTransparent, .ForeColor = qby::vbBlack,
                                .FontName = kDesignFont, .FontSize = 15.75});
    }

    // The 300 x 225 pixel word pictures fill the box exactly: it has no border of its own (the
    // two rectangles around it are its frame).
    d.Add(picMAINWINDOW, {.Left = 675, .Top = 1935, .Width = 4500, .Height = 3375, .BorderStyle = 0,
                          .BackColor = qby::vbWhite});
    // Right-aligned to the design's right edge (4320), and wide enough for the longest label
    // ("13 of 13") on one line.
    d.Add(lbl1Of9, {.Container = picMAINWINDOW, .Left = 2820, .Top = 90, .Width = 1500, .Height = 345,
                    .Caption = "1 of 9", .AutoSize = false, .Alignment = qby::vbRightJustify,
                    .BackStyle = qby::vbTransparent, .ForeColor = qby::vbBlack, .FontName = kDesignFont,
                    .FontSize = 12});

    d.Add(btnpHELP, {.Left = 585, .Top = 5580}, SkinnedButtonDesign());
    d.Add(btnpBACK, {.Left = 1260, .Top = 5580}, SkinnedButtonDesign());
    d.Add(btnpNEXT, {.Left = 3420, .Top = 5580}, SkinnedButtonDesign());
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, SkinnedButtonDesign());

    for (int i = 0; i < 26; ++i) {
        d.Add(btnpLETTERS, i,
              {.Left = LetterButtonLeft(i), .Top = i < 13 ? 6750.0 : 7425.0, .Width = 615, .Height = 615,
               .Tag = LetterOfButton(i)},
              LetterButtonDesign(i));
    }
}
