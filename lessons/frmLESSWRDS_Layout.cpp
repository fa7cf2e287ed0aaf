// The words lesson's design: the title drawn twice, the instruction and the counter, the framed
// picture, the run gauge, the five framed word buttons, Next, the speaker and Exit, and the
// hidden word, work list and word timer.
#include "lessons/frmLESSWRDS.h"

#include "platform/forms/Design.h"

namespace {

constexpr qby::OLE_COLOR kFrameBlue = 0xDB7028;
constexpr qby::OLE_COLOR kFrameLight = 0xFCD8C2;
constexpr const char* kFont = "Comic Sans MS";

struct Place {
    double left, top;
};
constexpr Place kWordButtons[5] = {{2025, 6165}, {5490, 6165}, {6525, 7020}, {3825, 7020}, {1170, 7065}};

qby::Label::Props TitleLabel(double left, double top, qby::OLE_COLOR colour)
{
    return {.Left = left, .Top = top, .Width = 6630, .Height = 1005, .BackStyle = qby::vbTransparent,
            .ForeColor = colour, .FontName = kFont, .FontSize = 36};
}

qby::Shape::Props Frame(double left, double top, double width, double height, qby::OLE_COLOR colour)
{
    return {.Left = left, .Top = top, .Width = width, .Height = height, .BorderColor = colour};
}

// A button skinned at load: enabled, no border, no tooltip of its own.
qby::PropertyBag SkinnedButtonDesign()
{
    return {{"ENABLED", true}, {"BorderStyle", 0}, {"ToolTip", ""}};
}

}  // namespace

void frmLESSWRDS_Form::Layout(qby::Design& d)
{
    d.Window({.Caption = "Words",
              .ControlBox = false,
              .MinButton = false,
              .MaxButton = false,
              .WindowState = qby::vbMaximized,
              .MDIChild = true,
              .ClientWidth = 10020,
              .ClientHeight = 8235});

    d.Add(lblWORDS, 0, TitleLabel(270, 225, kFrameLight));
    d.Add(lblWORDS, 1, TitleLabel(225, 180, qby::vbBlack));
    d.Add(lblWORDSCLICK, {.Left = 855, .Top = 1665, .Width = 6045, .Height = 390, .BackStyle = qby::vbTransparent,
                          .ForeColor = qby::vbBlack, .FontName = kFont, .FontSize = 14.25});
    d.Add(lbl1Of9frmLESSWRDS, {.Left = 3600, .Top = 90, .Width = 735, .Height = 375, .Caption = "",
                               .BackStyle = qby::vbTransparent, .ForeColor = qby::vbBlack, .FontName = kFont,
                               .FontSize = 12});

    // The picture in a double frame, the light one 45 twips inside the blue one.
    d.Add(shpShape1, Frame(1710, 2115, 4650, 3525, kFrameBlue));
    d.Add(shpShape2, Frame(1755, 2160, 4650, 3525, kFrameLight));
    d.Add(picMAINWINDOW, {.Left = 1800, .Top = 2205, .Width = 4500, .Height = 3375, .BorderStyle = 0,
                          .BackColor = qby::vbWhite});

    // The run gauge: a blue box that a white cover hides until the run moves it up.
    d.Add(picSCALE, {.Left = 585, .Top = 3465, .Width = 480, .Height = 1545, .BackColor = 0xF29575});
    d.Add(shpLEVEL, {.Container = picSCALE, .Left = -45, .Top = 0, .Width = 555, .Height = 1530,
                     .BackStyle = qby::vbOpaque, .BackColor = qby::vbWhite, .FillStyle = qby::vbFSSolid,
                     .FillColor = qby::vbWhite});

    // The five word buttons in a double frame.
    d.Add(shpShape3, Frame(1035, 6030, 7725, 1755, kFrameBlue));
    d.Add(shpShape4, Frame(1080, 6075, 7725, 1755, kFrameLight));
    for (int i = 0; i < 5; ++i) {
        d.Add(btnpPICWORD1, i, {.Left = kWordButtons[i].left, .Top = kWordButtons[i].top}, SkinnedButtonDesign());
    }
    d.Add(btnpNEXT, {.Left = 7335, .Top = 4950}, SkinnedButtonDesign());
    d.Add(btnpHELP, {.Left = 6660, .Top = 4950}, SkinnedButtonDesign());
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, SkinnedButtonDesign());

    d.Add(lblSPEAK, {.Visible = false, .Caption = ""});
    d.Add(lstLIST, {.Visible = false, .Sorted = false});
    d.Add(tmrTimer1, {.Enabled = false, .Interval = 200});
}
