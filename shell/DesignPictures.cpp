#include "shell/DesignPictures.h"

#include "platform/resources/Resources.h"

qby::Picture StoredDesignPicture(const std::string& window, const std::string& control,
                                 const std::string& property)
{
    const auto bytes = qby::LoadResData(control + "." + property, "DESIGN/" + window);
    if (bytes.empty()) return {};
    return qby::Picture::FromEncodedBytes(bytes.data(), bytes.size());
}
