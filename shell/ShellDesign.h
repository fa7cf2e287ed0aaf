// Pieces the designs of the menu, the language dialog and the About box share.
#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Design.h"
#include "platform/forms/UserControl.h"
#include "shell/DesignPictures.h"

#include <string>

// The blue of the rules and frames (blue-green-red &HDB7028).
inline constexpr qby::OLE_COLOR kDesignBlue = 0xDB7028;

// The stored properties of a picture button that shows its own design pictures (normal,
// highlight and pressed), enabled, without a border and without a tooltip.
qby::PropertyBag PictureButtonDesign(const std::string& window, const std::string& button);
// The same for a button that gets its pictures from a skin at load.
qby::PropertyBag SkinnedButtonDesign();

// A label naming a choice: transparent, sized to its text, Comic Sans MS 12 pt, black.
qby::Label::Props ChoiceLabel(double left, double top, double width, const char* caption);

// A dialog box: fixed-dialog border that keeps its close box but has no minimize or maximize
// button, not shown in the taskbar, centred on the screen; the client area in twips.
qby::Design::WindowProps DialogWindow(const char* caption, double clientWidth, double clientHeight);
