// The About box's design: a white band with the heading and web-link pictures, the description,
// version and mail link, the credits and the thank-you line, the copyright footer and OK.
#include "shell/frmABOUTQBY.h"

#include "controls/WindowDesign.h"
#include "platform/forms/Design.h"

namespace {

// Where the pictures and sounds come from (the full notices are in the program's credits). The
// box shares the menu's background, whose label bands cross the credit rows: the upper row keeps
// clear of the matching-pairs band in the middle, so it holds two sources and the lower row four.
struct CreditPlace {
    const char* source;
    double left, top;
};
constexpr CreditPlace kCredits[6] = {{"Fluent Emoji", 600, 3105},  {"Festival", 6960, 3105},
                                     {"Twemoji", 600, 3780},       {"CMU Arctic", 2850, 3780},
                                     {"HTS Voices", 4950, 3780},   {"CMU Lexicon", 7050, 3780}};

}  // namespace

void frmABOUTQBY_Form::Layout(qby::Design& d)
{
    qby::Design::WindowProps window = DialogWindow("About", 10020, 6945);
    window.FontName = kDesignFont;  // for the labels without a font of their own
    window.FontSize = 9.75;
    d.Window(window);

    d.Add(shpTOPBORDER, {.Left = 0, .Top = -4545, .Width = 10200, .Height = 5940, .BorderColor = 0x808080,
                         .BackStyle = qby::vbOpaque, .BackColor = qby::vbWhite});
    d.Add(imgImage2, {.Left = 135, .Top = 45, .Width = 4320, .Height = 975,
                      .Picture = StoredDesignPicture("frmABOUTQBY", "imgImage2", "Picture")});
    d.Add(imgImage1, {.Left = 7995, .Top = 210, .Width = 1815, .Height = 945,
                      .Picture = StoredDesignPicture("frmABOUTQBY", "imgImage1", "Picture"),
                      .ToolTipText = "View Website"});

    d.Add(lblDESC,
          AutoSizeLabel(360, 990, 5625, 270, "A simple and fun way to learn English", qby::vbBlack, 9.75));
    d.Add(lblVersion1_0, AutoSizeLabel(4410, 1485, 1560, 390, "Version:", qby::vbBlack, 14.25));
    d.Add(lblEMAIL, {.Left = 3465, .Top = 1935, .Width = 3315, .Height = 345, .Caption = "Email Orvane Support",
                     .AutoSize = true, .Alignment = qby::vbRightJustify, .BackStyle = qby::vbTransparent,
                     .ForeColor = qby::vbBlue, .FontName = kDesignFont, .FontSize = 12, .FontUnderline = true});
    d.Add(lneLine1, {.X1 = 270, .Y1 = 2475, .X2 = 9765, .Y2 = 2475, .BorderColor = kDesignBlue});

    for (int i = 0; i < 6; ++i) {
        d.Add(lblCREDITS, i, {.Left = kCredits[i].left, .Top = kCredits[i].top, .Height = 390,
                              .Caption = kCredits[i].source, .AutoSize = true, .BackStyle = qby::vbTransparent,
                              .ForeColor = 0x80, .FontName = kDesignFont, .FontSize = 14.25});
    }
    d.Add(lblTHANKYOU, {.Left = 210, .Top = 4275, .Width = 9705, .Height = 1170, .AutoSize = false,
                        .Alignment = qby::vbCenter, .BackStyle = qby::vbTransparent,
                        .ForeColor = 0x800000, .FontName = kDesignFont, .FontSize = 14.25});
    d.Add(lneLine2, {.X1 = 180, .Y1 = 5940, .X2 = 9675, .Y2 = 5940, .BorderColor = kDesignBlue});
    d.Add(lblCOPYRIGHT, {.Left = 3150, .Top = 5625, .Width = 4155, .Height = 270,
                         .Caption = "Copyright (c) 2026 Orvane", .AutoSize = true,
                         .Alignment = qby::vbRightJustify, .BackStyle = qby::vbTransparent, .ForeColor = 0x404040,
                         .FontName = kDesignFont, .FontSize = 9.75});

    d.Add(btnpOK, {.Left = 7560, .Top = 6165, .Width = 1110, .Height = 330},
          SkinnedButtonDesign());
}
