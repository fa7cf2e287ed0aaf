// The design of pictures and words: the title drawn twice and the instruction, the framed
// picture, the gauge, the hidden word, the speaker, New and Exit, and the 26 letter buttons in
// two rows on a band.
#include "lessons/frmLESSPCWD.h"

#include "controls/WindowDesign.h"
#include "lessons/LetterButtons.h"
#include "platform/forms/Design.h"

namespace {

// The Lefts of the thirteen letter buttons of each row (A to M at Top 6795, N to Z at 7470).
constexpr double kLetterLefts[13] = {495, 1200, 1920, 2610, 3300, 4020, 4725, 5430, 6135, 6840, 7545, 8250, 8955};

}  // namespace

void frmLESSPCWD_Form::Layout(qby::Design& d)
{
    d.Window(ChildWindow(10020, 8370));

    d.Add(shpBAND, {.Left = -45, .Top = 6525, .Width = 10230, .Height = 1995, .BorderColor = kBandEdge,
                    .BackStyle = qby::vbOpaque, .BackColor = kBandFill});
    d.Add(shpShape1, {.Left = 1935, .Top = 2115, .Width = 4650, .Height = 3525,
                      .BorderColor = kDesignBlue});
    d.Add(shpShape2, {.Left = 1980, .Top = 2160, .Width = 4650, .Height = 3525,
                      .BorderColor = kDesignLight});

    d.Add(lblPicturesAndWords, 1, LessonTitle(225, 180, 6570, "Pictures and Words", qby::vbBlack));
    d.Add(lblPicturesAndWords, 0, LessonTitle(270, 225, 6570, "Pictures and Words", kDesignLight));
    d.Add(lblTOPLAY, AutoSizeLabel(855, 1665, 6135, 390, "", qby::vbBlack, 14.25));

    d.Add(picMAIN, {.Left = 2025, .Top = 2205, .Width = 4500, .Height = 3375, .BorderStyle = 0,
                    .BackColor = qby::vbWhite});
    d.Add(picSCALE, {.Left = 990, .Top = 4050, .Width = 480, .Height = 1545, .BorderStyle = 1,
                     .Appearance = qby::vbAppearanceFlat, .BackColor = 0xFF00});
    d.Add(shpLEVEL, {.Container = picSCALE, .Left = -45, .Top = -15, .Width = 555, .Height = 1545,
                     .BorderColor = 0x404040, .BackStyle = qby::vbOpaque, .BackColor = qby::vbBlack});

    d.Add(lblWORDHIDDEN, {.Left = 0, .Top = 5670, .Width = 9930, .Height = 765, .Caption = "",
                          .Alignment = qby::vbCenter, .BackStyle = qby::vbTransparent, .ForeColor = qby::vbBlack,
                          .FontName = kDesignFont, .FontSize = 24});

    d.Add(btnpBtnHELP, {.Left = 6795, .Top = 5085}, SkinnedButtonDesign());
    d.Add(btnpNEW, {.Left = 7470, .Top = 5085}, SkinnedButtonDesign());
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, SkinnedButtonDesign());
    for (int i = 0; i <= 25; ++i) {
        d.Add(btnpLETTERS, i,
              {.Left = kLetterLefts[i % 13], .Top = i < 13 ? 6795.0 : 7470.0, .Width = 615, .Height = 615,
               .Tag = LetterOfButton(i)},
              LetterButtonDesign(i));
    }

    d.Add(lstLIST, {.Visible = false, .Sorted = false});
    d.Add(tmrTimer1, {.Enabled = false, .Interval = 200});
}
