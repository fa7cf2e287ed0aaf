// What the four feedback boxes share beyond the dialog window they all are (titled "Quillby"):
// the blue rectangle drawn inside the box, the look of their labels and the flashing heading
// of the two boxes of praise.
#pragma once

#include "platform/forms/Design.h"
#include "platform/forms/Types.h"

#include <string>

// The frame rectangle: the design blue, transparent inside, 135 twips in from the top left
// corner.
void FeedbackBoxFrame(qby::Design& d, qby::Shape& shape, double width, double height);

// A centred, transparent label in the design font, of normal weight.
qby::Label::Props FeedbackLabel(double left, double top, double width, double height,
                                const std::string& caption, qby::OLE_COLOR color, double points);

// One tick of the heading flash: blue (&HFF0000) turns white (&HFFFFFF); any other colour
// turns blue.
void FlashHeading(qby::Label& heading);
