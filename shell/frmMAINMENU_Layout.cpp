// The menu's design: a child filling the main frame, five lesson buttons with their pictures
// in two framed rows, a rule and three text buttons below it.
#include "shell/frmMAINMENU.h"

#include "controls/WindowDesign.h"
#include "platform/forms/Design.h"

void frmMAINMENU_Form::Layout(qby::Design& d)
{
    d.Window(ChildWindow(10005, 8265));

    // Frames around each lesson button and its label: alphabet, pictures and words, matching
    // pairs, words, write-along; the light frame lies 45 twips right of and below the blue one.
    struct FramePlace {
        double left, top;
    };
    constexpr FramePlace frames[] = {{315, 1980}, {360, 4725}, {3600, 1395}, {6795, 2025}, {6840, 4725}};
    for (int i = 0; i < 5; ++i) {
        d.Add(shpShape2, i, {.Left = frames[i].left, .Top = frames[i].top, .Width = 2985, .Height = 1950,
                             .BorderColor = kDesignBlue});
        d.Add(shpShape3, i, {.Left = frames[i].left + 45, .Top = frames[i].top + 45, .Width = 2985,
                             .Height = 1950, .BorderColor = kDesignLight});
    }
    d.Add(lneLine1, {.X1 = 135, .Y1 = 7290, .X2 = 9870, .Y2 = 7290, .BorderColor = kDesignBlue});

    d.Add(lblALPHABET, ChoiceLabel(855, 3465, 2085, "Learn the alphabet"));
    d.Add(lblLEARNWORDS, ChoiceLabel(7305, 3465, 2025, "Learn great words"));
    d.Add(lblMATCHINGPAIR, ChoiceLabel(3975, 2880, 2235, "Find a matching pair"));
    d.Add(lblPICTSWORDS, ChoiceLabel(840, 6210, 2070, "Pictures and words"));
    d.Add(lblWRITELETTER, ChoiceLabel(7125, 6210, 2385, "Help to write Letters"));

    d.Add(btnpALPHABET, {.Left = 1125, .Top = 2205, .Width = 1500, .Height = 1125},
          PictureButtonDesign("frmMAINMENU", "btnpALPHABET"));
    d.Add(btnpWORDS, {.Left = 7560, .Top = 2250, .Width = 1500, .Height = 1125}, PictureButtonDesign("frmMAINMENU", "btnpWORDS"));
    d.Add(btnpPAIRS, {.Left = 4275, .Top = 1575, .Width = 1500, .Height = 1110}, PictureButtonDesign("frmMAINMENU", "btnpPAIRS"));
    d.Add(btnpPICANDWORDS, {.Left = 1080, .Top = 4950, .Width = 1500, .Height = 1125},
          PictureButtonDesign("frmMAINMENU", "btnpPICANDWORDS"));
    d.Add(btnpWRITEALONG, {.Left = 7605, .Top = 4995, .Width = 1500, .Height = 1125},
          PictureButtonDesign("frmMAINMENU", "btnpWRITEALONG"));

    d.Add(btnpABOUT, {.Left = 3285, .Top = 7530, .Width = 1110, .Height = 330}, SkinnedButtonDesign());
    d.Add(btnpLANGUAGE, {.Left = 5505, .Top = 7530, .Width = 1110, .Height = 330}, SkinnedButtonDesign());
    d.Add(btnpCLOSEPROGRAM, {.Left = 7695, .Top = 7530, .Width = 1110, .Height = 330}, SkinnedButtonDesign());
}
