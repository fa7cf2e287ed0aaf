// The standard controls, one file pair each: Label, PictureBox, Image, Timer, ListBox, Shape,
// Line, Frame and WebBrowser. A new kind is a new file pair and one line here.
//
// Each kind has a Props structure: its design properties as a window's layout gives them
// (Design::Add). Only the fields that are set are applied; the others keep the kind's default.
// Designated initialisers must name the fields in the order in which they are declared.
#pragma once

#include "platform/forms/Frame.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Shape.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WebBrowser.h"
