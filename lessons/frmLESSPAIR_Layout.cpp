// The matching-pairs window's design: the title, the instruction, two buttons and twelve cards
// in four columns and three rows, each with its face inside it.
#include "lessons/frmLESSPAIR.h"

#include "controls/WindowDesign.h"

namespace {

// Which card stands where: rows from the top, columns from the left. The two copies of a word
// (cards 0 to 5 and 6 to 11) can so stand anywhere on the table.
constexpr double kRowTops[3] = {2250, 4140, 6030};
constexpr double kColumnLefts[4] = {675, 2835, 4995, 7155};
constexpr int kCardAt[3][4] = {{7, 1, 9, 3}, {11, 10, 0, 6}, {2, 8, 4, 5}};

}  // namespace

void frmLESSPAIR_Form::Layout(qby::Design& d)
{
    d.Window(ChildWindow(10020, 8235));

    d.Add(lblMatchPairs, LessonTitle(225, 180, 3990, "Match Pairs", qby::vbBlack));
    d.Add(lblMATCH, LessonTitle(270, 225, 3990, "Match Pairs", kDesignLight));
    d.Add(lblCLICKCARDS, DesignLabel(855, 1665, 5715, 390, "", qby::vbBlack, 14.25));

    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            d.Add(picCARD, kCardAt[row][column],
                  {.Left = kColumnLefts[column], .Top = kRowTops[row], .Width = 2085, .Height = 1815,
                   .BackColor = kDesignBlue, .MousePointer = qby::vbCustom});
        }
    }
    for (int i = 0; i < 12; ++i) {
        d.Add(imgMATCH, i, {.Container = picCARD.element(i), .Left = 45, .Top = 45, .Width = 1950,
                            .Height = 1680, .Visible = false, .Stretch = true});
    }

    d.Add(lstLIST, {.Left = 10500, .Top = 0, .Width = 1215, .Height = 450});
    d.Add(tmrTimer1, {.Enabled = false, .Interval = 200});
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, SkinnedButtonDesign());
    d.Add(btnpNEW, {.Left = 6930, .Top = 1530}, SkinnedButtonDesign());
}
