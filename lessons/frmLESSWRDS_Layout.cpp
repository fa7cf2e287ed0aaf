// The words lesson's design: the title drawn twice, the instruction and the counter, the framed
// picture, the run gauge, the five framed word buttons, Next, the speaker and Exit, and the
// hidden word, work list and word timer.
#include "lessons/frmLESSWRDS.h"

#include "controls/WindowDesign.h"
#include "platform/forms/Design.h"

namespace {

struct Place {
    double left, top;
};
constexpr Place kWordButtons[5] = {{2025, 6165}, {5490, 6165}, {6525, 7020}, {3825, 7020}, {1170, 7065}};

qby::Shape::Props Frame(double left, double top, double width, double height, qby::OLE_COLOR colour)
{
    return {.Left = left, .Top = top, .Width = width, .Height = height, .BorderColor = colour};
}

}  // namespace

void frmLESSWRDS_Form::Layout(qby::Design& d)
{
    d.Window(ChildWindow(10020, 8235));

    // Both layers show the chosen subject's title, set at load.
    d.Add(lblWORDS, 1, LessonTitle(225, 180, 6630, "", qby::vbBlack));
    d.Add(lblWORDS, 0, LessonTitle(270, 225, 6630, "", kDesignLight));
    d.Add(lblWORDSCLICK, AutoSizeLabel(855, 1665, 6045, 390, "", qby::vbBlack, 14.25));
    d.Add(lbl1Of9frmLESSWRDS, AutoSizeLabel(3600, 90, 735, 375, "", qby::vbBlack, 12));

    // The picture in a double frame, the light one 45 twips inside the blue one.
    d.Add(shpShape1, Frame(1710, 2115, 4650, 3525, kDesignBlue));
    d.Add(shpShape2, Frame(1755, 2160, 4650, 3525, kDesignLight));
    d.Add(picMAINWINDOW, {.Left = 1800, .Top = 2205, .Width = 4500, .Height = 3375, .BorderStyle = 0,
                          .BackColor = qby::vbWhite});

    // The run gauge: a blue box that a white cover hides until the run moves it up.
    d.Add(picSCALE, {.Left = 585, .Top = 3465, .Width = 480, .Height = 1545, .BackColor = 0xF29575});
    d.Add(shpLEVEL, {.Container = picSCALE, .Left = -45, .Top = 0, .Width = 555, .Height = 1530,
                     .BackStyle = qby::vbOpaque, .BackColor = qby::vbWhite, .FillStyle = qby::vbFSSolid,
                     .FillColor = qby::vbWhite});

    // The five word buttons in a double frame.
    d.Add(shpShape3, Frame(1035, 6030, 7725, 1755, kDesignBlue));
    d.Add(shpShape4, Frame(1080, 6075, 7725, 1755, kDesignLight));
    for (int i = 0; i < 5; ++i) {
        d.Add(btnpPICWORD1, i, {.Left = kWordButtons[i].left, .Top = kWordButtons[i].top},
              SkinnedButtonDesign());
    }
    d.Add(btnpNEXT, {.Left = 7335, .Top = 4950}, SkinnedButtonDesign());
    d.Add(btnpHELP, {.Left = 6660, .Top = 4950}, SkinnedButtonDesign());
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, SkinnedButtonDesign());

    d.Add(lblSPEAK, {.Visible = false, .Caption = ""});
    d.Add(lstLIST, {.Visible = false, .Sorted = false});
    d.Add(tmrTimer1, {.Enabled = false, .Interval = 200});
}
