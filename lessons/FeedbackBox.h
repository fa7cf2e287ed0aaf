// What the four feedback boxes share: their frame (a fixed dialog titled "Quillby", centred on
// the screen, kept out of the task bar), the blue rectangle drawn inside it, the look of their
// labels and the flashing heading of the two boxes of praise.
#pragma once

#include "platform/forms/Design.h"
#include "platform/forms/Types.h"

#include <string>

// The box's window properties for a client area of this size (twips).
void FeedbackBoxWindow(qby::Design& d, double clientWidth, double clientHeight);

// The frame rectangle: &HDB7028, transparent inside, 135 twips in from the top left corner.
void FeedbackBoxFrame(qby::Design& d, qby::Shape& shape, double width, double height);

// A centred, transparent label in Comic Sans MS of normal weight.
qby::Label::Props FeedbackLabel(double left, double top, double width, double height,
                                const std::string& caption, qby::OLE_COLOR color, double points);

// The stored properties of a box's text button: enabled, no border, no tooltip; its pictures
// come from the "BTN" skin at load.
qby::PropertyBag FeedbackButtonDesign();

// One tick of the heading flash: blue (&HFF0000) turns white (&HFFFFFF); any other colour
// turns blue.
void FlashHeading(qby::Label& heading);
