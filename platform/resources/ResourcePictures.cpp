// Pictures from the resource store, from bytes and from files.
#include "platform/resources/ResourcePictures.h"

#include "platform/resources/Resources.h"

#include <string>

namespace qby {

Picture LoadResPicture(std::string_view name, int kind)
{
    switch (kind) {
    case vbResBitmap:
        return Picture::FromEncodedBytes(LoadResData(name, "BITMAP"));
    case vbResIcon:
        return Picture::FromEncodedBytes(LoadResData(name, "ICON"));
    case vbResCursor: {
        std::vector<std::uint8_t> bytes = LoadResData(name, "CURSOR");
        return bytes.empty() ? Picture() : Picture::CursorFromEncodedBytes(bytes);
    }
    default:
        return {};
    }
}

Picture LoadResPicture(int id, int kind)
{
    return LoadResPicture(std::to_string(id), kind);
}

Picture LoadPicture(std::span<const std::uint8_t> bytes)
{
    return bytes.empty() ? Picture() : Picture::FromEncodedBytes(bytes.data(), bytes.size());
}

Picture LoadPicture(const std::string& fileName)
{
    return fileName.empty() ? Picture() : Picture::FromFile(fileName);
}

}  // namespace qby
