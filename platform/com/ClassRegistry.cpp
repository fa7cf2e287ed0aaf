#include "platform/com/ClassRegistry.h"

#include <vector>

LONG WriteClassString(std::string_view subKey, std::string_view valueName, std::string_view value)
{
    std::string keyPath(subKey), name(valueName), data(value);
    HKEY key = 0;
    LONG status = RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
    return status;
}

std::optional<std::string> ReadClassString(std::string_view subKey, std::string_view valueName)
{
    std::string keyPath(subKey), name(valueName);
    HKEY key = 0;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<BYTE> buffer(1024);
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, buffer.data(), &size);
    if (status == ERROR_MORE_DATA && size > buffer.size()) {
        buffer.resize(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, buffer.data(), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || size > buffer.size()) {
        return std::nullopt;
    }
    std::string text(reinterpret_cast<const char*>(buffer.data()), size);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}
