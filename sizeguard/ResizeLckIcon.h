// The design-time look of ResizeLck: a 32 x 32, 16-colour bitmap of a window with a padlock.
#pragma once

#include "platform/forms/Picture.h"

#include <vector>

// The icon as a 4-bit bitmap file image (the standard 16-colour palette).
std::vector<unsigned char> ResizeLckIconBitmap();
qby::Picture ResizeLckIcon();
