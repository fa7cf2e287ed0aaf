// The design-time look of ResizeLck: a 32 x 32, 16-colour bitmap of a window with a padlock.
#pragma once

#include "platform/forms/Picture.h"

// Drawn in code and kept as a 4-bit bitmap (the standard 16-colour palette).
qby::Picture ResizeLckIcon();
