// The picture button's design: the picture surface that shows the state pictures and takes all
// input, the caption label inside it, and the four picture stores below the visible area.
#include "controls/picbtn.h"

#include "platform/forms/Design.h"

void picbtn::Layout(qby::Design& d)
{
    // The surface takes its size from picImage1 (2100 x 585 twips here) in UserControl_Resize.
    d.Surface({.ScaleMode = qby::vbTwips, .BorderStyle = 0});
    d.Add(picImage1, {.Left = 0, .Top = 0, .Width = 2100, .Height = 585, .AutoSize = true,
                      .BorderStyle = 0, .BackColor = qby::vbWindowBackground,
                      .ForeColor = qby::vbWindowText, .ScaleMode = qby::vbPixels,
                      .FontName = "MS Sans Serif", .FontSize = 8.25});
    // In picImage1's units, pixels: 45, 135, 2025, 330 twips.
    d.Add(lblWORDS, {.Container = picImage1, .Left = 3, .Top = 9, .Width = 135, .Height = 22,
                     .Enabled = false, .Caption = "   ", .Alignment = qby::vbCenter,
                     .BackStyle = qby::vbTransparent, .ForeColor = 0xC0,
                     .FontName = "Comic Sans MS", .FontSize = 12, .FontBold = false});
    d.Add(imgImage5, {.Left = 0, .Top = 2160});
    d.Add(imgImage2, {.Left = 600, .Top = 2160});
    d.Add(imgImage4, {.Left = 1200, .Top = 2160});
    d.Add(imgImage3, {.Left = 1800, .Top = 2160});
}
