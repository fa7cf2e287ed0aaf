// The write-along window's design: the title, the instruction, two white frames clipping the
// browser panes of the capital and the small letter with their replay buttons, and two rows of
// letter buttons on a band.
#include "lessons/frmLESSWRIT.h"

#include "lessons/LetterButtons.h"
#include "platform/forms/Design.h"

namespace {

constexpr qby::OLE_COLOR kFrameBlue = 0xDB7028;
constexpr qby::OLE_COLOR kFrameLight = 0xFCD8C2;

qby::Label::Props TitleLabel(double left, double top, qby::OLE_COLOR color)
{
    return {.Left = left, .Top = top, .Width = 5475, .Height = 1005, .Caption = "Write - A - Long",
            .BackStyle = qby::vbTransparent, .ForeColor = color, .FontName = "Comic Sans MS",
            .FontSize = 36};
}

// The stored properties of a text button: its pictures come from the "BTN" skin at load.
qby::PropertyBag TextButtonDesign()
{
    return {{"ENABLED", true}, {"BorderStyle", 0}, {"ToolTip", ""}};
}

}  // namespace

void frmLESSWRIT_Form::Layout(qby::Design& d)
{
    d.Window({.Caption = "",
              .ControlBox = false,
              .MinButton = false,
              .MaxButton = false,
              .WindowState = qby::vbMaximized,
              .MDIChild = true,
              .ClientWidth = 10020,
              .ClientHeight = 8370});

    d.Add(shpShape1, {.Left = -45, .Top = 6615, .Width = 10320, .Height = 2085,
                      .BorderColor = 0x18BBD8, .BackStyle = qby::vbOpaque, .BackColor = 0xBFEEFE});
    // Element 0 frames the capital letter, element 1 the small one.
    constexpr double frameLefts[] = {720, 5670};
    for (int i = 0; i < 2; ++i) {
        d.Add(shpShape2, i, {.Left = frameLefts[i], .Top = 2250, .Width = 3615, .Height = 3840,
                             .BorderColor = kFrameBlue});
        d.Add(shpShape3, i, {.Left = frameLefts[i] + 45, .Top = 2295, .Width = 3615, .Height = 3840,
                             .BorderColor = kFrameLight});
    }

    d.Add(lblWriteALong, TitleLabel(225, 180, qby::vbBlack));
    d.Add(lblCHRS, TitleLabel(270, 225, kFrameLight));
    d.Add(lblThisIsHowTheyAre, {.Left = 855, .Top = 1665, .Width = 8475, .Height = 420,
                                .BackStyle = qby::vbTransparent, .ForeColor = qby::vbBlack,
                                .FontName = "Comic Sans MS", .FontSize = 14.25});

    // Each pane is larger than its frame, so the frame clips its edges on all four sides.
    d.Add(picBDRCAPS, {.Left = 1335, .Top = 2565, .Width = 2535, .Height = 2535, .BorderStyle = 0,
                       .BackColor = qby::vbWhite});
    d.Add(wbbWebBrowser1, {.Container = picBDRCAPS, .Left = -30, .Top = -30, .Width = 2865,
                           .Height = 2865});
    d.Add(picBDRLOW, {.Left = 6180, .Top = 2565, .Width = 2535, .Height = 2535, .BorderStyle = 0,
                      .BackColor = qby::vbWhite});
    d.Add(wbbWebBrowser2, {.Container = picBDRLOW, .Left = -45, .Top = -30, .Width = 2865,
                           .Height = 2865});

    d.Add(btnpPicbtn5, {.Left = 1575, .Top = 5355}, TextButtonDesign());
    d.Add(btnpPicbtn6, {.Left = 6480, .Top = 5355}, TextButtonDesign());
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, TextButtonDesign());

    for (int i = 0; i < 26; ++i) {
        d.Add(btnpLETTERS, i,
              {.Left = LetterButtonLeft(i), .Top = i < 13 ? 6840.0 : 7515.0, .Width = 615,
               .Height = 615, .Tag = LetterOfButton(i)},
              LetterButtonDesign(i));
        d.Add(picBtnpLETTER, i, {.Left = 0, .Top = 0, .Width = 615, .Height = 615,
                                 .Visible = false, .Tag = LetterOfButton(i)});
    }
}
