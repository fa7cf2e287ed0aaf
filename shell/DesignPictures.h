// Pictures stored with a window's design: the resource "<control>.<Property>" of the type
// "DESIGN/<window>" (resources/DESIGN/frmMAINMENU/btnpALPHABET.PictureNormal.jpg, for one).
#pragma once

#include "platform/forms/Picture.h"

#include <string>

// The decoded picture, or an empty picture when the design has none.
qby::Picture StoredDesignPicture(const std::string& window, const std::string& control,
                                 const std::string& property);
