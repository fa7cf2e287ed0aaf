// The design pieces every window of the program shares: its colours and font, the window
// settings of the activities and of the dialog boxes, its transparent labels, and the stored
// properties of its picture buttons.
#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Design.h"
#include "platform/forms/Picture.h"
#include "platform/forms/UserControl.h"

#include <string>

// The design's colours (blue-green-red).
inline constexpr qby::OLE_COLOR kDesignBlue = 0xDB7028;   // rules, outer frames, face-down cards
inline constexpr qby::OLE_COLOR kDesignLight = 0xFCD8C2;  // titles, inner frames
// The band under the letter buttons: its edge and its inside.
inline constexpr qby::OLE_COLOR kBandEdge = 0x18BBD8;
inline constexpr qby::OLE_COLOR kBandFill = 0xBFEEFE;

// The font of every text of the design.
inline constexpr const char* kDesignFont = "Comic Sans MS";

// A child window of the main window that fills its client area (opened maximized), without a
// caption or title bar buttons; the client area in twips.
qby::Design::WindowProps ChildWindow(double clientWidth, double clientHeight);

// A dialog box: fixed-dialog border that keeps its close box but has no minimize or maximize
// button, not shown in the taskbar, centred on the screen; the client area in twips.
qby::Design::WindowProps DialogWindow(const char* caption, double clientWidth, double clientHeight);

// A transparent label in the design font, of the given colour and size (points).
qby::Label::Props DesignLabel(double left, double top, double width, double height,
                              const std::string& caption, qby::OLE_COLOR color, double points);
// The same, sized to its text.
qby::Label::Props AutoSizeLabel(double left, double top, double width, double height,
                                const std::string& caption, qby::OLE_COLOR color, double points);
// A label naming a choice under its button: sized to its text, 12 pt, black.
qby::Label::Props ChoiceLabel(double left, double top, double width, const std::string& caption);
// One layer of a lesson's title: 36 pt, 1005 twips high.
qby::Label::Props LessonTitle(double left, double top, double width, const std::string& caption,
                              qby::OLE_COLOR color);

// A picture stored with a window's design: the resource "<control>.<Property>" of the type
// "DESIGN/<window>" (resources/DESIGN/frmMAINMENU/btnpALPHABET.PictureNormal.jpg, for one).
// The decoded picture, or an empty picture when the design has none.
qby::Picture StoredDesignPicture(const std::string& window, const std::string& control,
                                 const std::string& property);

// The stored properties of a text button: enabled, no border, no tooltip; its pictures come
// from a skin at load.
qby::PropertyBag SkinnedButtonDesign();
// The same for a button with pictures of its own stored with the design of `window` under the
// name `button`: normal, highlight and pressed, and the disabled one when asked for.
qby::PropertyBag PictureButtonDesign(const std::string& window, const std::string& button,
                                     bool withDisabledPicture = false);
