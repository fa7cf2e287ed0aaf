// The 26 letter buttons shared by the alphabet lesson, pictures and words, and write-along: each
// carries its own four pictures of its letter, stored with the window's design (the resources
// "<L>.PictureNormal", "<L>.PictureHLight", "<L>.PicturePressed" and "<L>.PictureDisabled" of
// the type "DESIGN/LETTERS"). No skin is put on them.
#pragma once

#include "platform/forms/UserControl.h"

#include <string>

// The capital letter of the button with this index: 0 is "A", 25 is "Z"; "" outside 0 to 25.
std::string LetterOfButton(int index);

// The Left (twips) of the letter button with this index: both rows of 13 (0 to 12 and 13 to 25)
// stand at the same thirteen places.
double LetterButtonLeft(int index);

// The stored properties of the letter button with this index: its four pictures, enabled, no
// border, no tooltip.
qby::PropertyBag LetterButtonDesign(int index);
