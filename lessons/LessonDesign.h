// What the designs of the lesson windows share: a child of the main window that fills its client
// area, the title written twice (a black shadow under a light blue layer), and the text buttons
// that take the "BTN" skin at load.
#pragma once

#include "platform/forms/Design.h"
#include "platform/forms/Types.h"

#include <string>

inline constexpr qby::OLE_COLOR kLessonBlue = 0xDB7028;   // frames, the face-down cards
inline constexpr qby::OLE_COLOR kLessonLight = 0xFCD8C2;  // the title, the inner frames

// A child window of the main window, opened maximized, without title bar buttons.
void LessonWindow(qby::Design& d, double clientWidth, double clientHeight);

// One layer of a lesson's title: transparent, "Comic Sans MS" 36 pt, 1005 twips high.
qby::Label::Props LessonTitle(double left, double top, double width, const std::string& caption,
                              qby::OLE_COLOR color);

// The stored properties of a text button: enabled, no border, no tooltip; its pictures come from
// the "BTN" skin at load.
qby::PropertyBag TextButtonDesign();
