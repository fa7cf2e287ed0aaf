// Picture: a shared, immutable image value (bitmap, JPEG, GIF, PNG, icon or cursor), or empty.
//
// Copies share the same image and the same handle; an empty picture has handle 0. Pictures are
// what forms, picture boxes, images and user controls show, and what the resource loaders return.
#pragma once

#include "platform/forms/Types.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qby {

class Picture {
public:
    // Picture types, as the Type property reports them.
    static constexpr int vbPicTypeNone = 0;
    static constexpr int vbPicTypeBitmap = 1;
    static constexpr int vbPicTypeIcon = 3;

    Picture();  // empty

    // Decodes JPEG, GIF (first frame), BMP (with or without its file header), PNG, ICO or CUR
    // bytes held in memory. Bytes that do not decode give an empty picture.
    static Picture FromEncodedBytes(const std::vector<unsigned char>& bytes);
    static Picture FromEncodedBytes(const unsigned char* data, std::size_t size);
    // The same for a cursor: a .cur keeps its hot spot; any other image gets the hot spot (0, 0).
    static Picture CursorFromEncodedBytes(const std::vector<unsigned char>& bytes);
    // Reads and decodes a file (an unreadable or undecodable file gives an empty picture).
    static Picture FromFile(const std::string& path);
    // A picture of the given size filled with one colour (for tests and placeholders).
    static Picture Filled(int widthPx, int heightPx, OLE_COLOR color);

    bool IsEmpty() const;
    explicit operator bool() const { return !IsEmpty(); }

    // A number that identifies this image for the whole run: equal for copies of the same
    // picture, different for separately created pictures, 0 for an empty picture.
    std::int32_t Handle() const;
    int Type() const;

    int WidthPx() const;   // 0 when empty
    int HeightPx() const;
    // Size in HiMetric units (0.01 mm) at 96 pixels per inch.
    std::int32_t Width() const;
    std::int32_t Height() const;

    // Hot spot of a cursor picture, in pixels.
    int HotSpotX() const;
    int HotSpotY() const;
    bool IsCursor() const;

    // Colour of one pixel in blue-green-red order; -1 outside the picture or when empty.
    std::int64_t Point(int xPx, int yPx) const;

    bool operator==(const Picture& other) const { return Handle() == other.Handle(); }

    struct Data;
    const Data* data() const { return data_.get(); }  // for the platform layer
    explicit Picture(std::shared_ptr<const Data> data);

private:
    std::shared_ptr<const Data> data_;
};

using StdPicture = Picture;  // the type's name where a member called Picture hides it

// Pictures named in window layouts ("stored with the window's design") are found by name
// through a loader that the resource store installs. Without a loader, or for an unknown
// name, DesignPicture gives an empty picture.
using DesignPictureLoader = std::function<Picture(const std::string& name)>;
void SetDesignPictureLoader(DesignPictureLoader loader);
Picture DesignPicture(const std::string& name);

}  // namespace qby
