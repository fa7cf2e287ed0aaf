// The words menu's design: the title drawn twice, the instruction line and a rule, the large
// subject-name label, and the ten subject buttons, each in a double frame.
#include "lessons/frmLESSWRDM.h"

#include "controls/WindowDesign.h"
#include "platform/forms/Design.h"

#include <string>

namespace {

struct Subject {
    const char* tag;
    double left, top;
};
// By index: the subject's name (its Tag) and where its button stands.
constexpr Subject kSubjects[10] = {
    {"Animals", 4860, 6300},   {"Colors", 6660, 4905},    {"Fruit", 720, 4815},   {"General", 945, 6435},
    {"Musical", 2970, 5355},   {"Vegetables", 5805, 3060}, {"Transport", 7785, 3375}, {"Sports", 7515, 6390},
    {"Natural", 3690, 3645},   {"Pets", 1305, 3285}};

// A subject button's stored properties: its own normal, highlight and pressed pictures.
qby::PropertyBag SubjectButtonDesign(int index)
{
    return PictureButtonDesign("frmLESSWRDM", "btnpPICWORD1(" + std::to_string(index) + ")");
}

}  // namespace

void frmLESSWRDM_Form::Layout(qby::Design& d)
{
    d.Window(ChildWindow(10020, 8340));

    // The double frame behind each subject button: the light one 45 twips right of and below
    // the blue one, the button in the middle of both.
    for (int i = 0; i < 10; ++i) {
        const double left = kSubjects[i].left - 135;
        const double top = kSubjects[i].top - 135;
        d.Add(shpShape2, i, {.Left = left, .Top = top, .Width = 1725, .Height = 1365,
                             .BorderColor = kDesignBlue});
        d.Add(shpShape3, i, {.Left = left + 45, .Top = top + 45, .Width = 1725, .Height = 1365,
                             .BorderColor = kDesignLight});
    }
    d.Add(lneLine1, {.X1 = 450, .Y1 = 2835, .X2 = 9405, .Y2 = 2835, .BorderColor = kDesignBlue});

    d.Add(lblWordsMenu, 1, LessonTitle(315, 135, 4215, "Words Menu", qby::vbBlack));
    d.Add(lblWordsMenu, 0, LessonTitle(360, 180, 4215, "Words Menu", kDesignLight));
    d.Add(lblSELECT, AutoSizeLabel(540, 2385, 3810, 390, "Select a subject from below.", qby::vbBlack, 14.25));
    d.Add(lblSUBJECT, {.Left = 45, .Top = 1440, .Width = 9930, .Height = 1005, .Caption = "",
                       .Alignment = qby::vbCenter, .BackStyle = qby::vbTransparent, .ForeColor = qby::vbYellow,
                       .FontName = kDesignFont, .FontSize = 36});

    for (int i = 0; i < 10; ++i) {
        d.Add(btnpPICWORD1, i,
              {.Left = kSubjects[i].left, .Top = kSubjects[i].top, .Width = 1500, .Height = 1125,
               .Tag = kSubjects[i].tag},
              SubjectButtonDesign(i));
    }
    d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, SkinnedButtonDesign());
}
