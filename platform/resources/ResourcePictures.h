// Pictures from the resource store, from bytes and from files.
#pragma once

#include "platform/forms/Picture.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qby {

// Kinds of LoadResPicture.
inline constexpr int vbResBitmap = 0;  // type "BITMAP"
inline constexpr int vbResIcon = 1;    // type "ICON"
inline constexpr int vbResCursor = 2;  // type "CURSOR", keeping the cursor's hot spot

// The bitmap, icon or cursor resource as a picture; empty when missing or undecodable. Names
// follow the store's rules ("btnNormal", "101", "#101").
Picture LoadResPicture(std::string_view name, int kind);
Picture LoadResPicture(int id, int kind);

// A picture decoded from bytes in memory (JPEG, GIF, BMP, PNG, ICO, CUR) or read from a file.
// Bytes or a file that do not decode, and an empty file name, give an empty picture.
Picture LoadPicture(std::span<const std::uint8_t> bytes);
Picture LoadPicture(const std::string& fileName);

}  // namespace qby
