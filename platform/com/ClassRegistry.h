// String values under HKEY_CLASSES_ROOT, as registration writes them and creation reads them.
// An empty value name stands for the key's default value.
#pragma once

#include "platform/registry/Registry.h"

#include <optional>
#include <string>
#include <string_view>

// Creates the key path as needed and stores `value` as a string value (REG_SZ).
LONG WriteClassString(std::string_view subKey, std::string_view valueName, std::string_view value);
// The string value, or nothing when the key or value is missing or not a string.
std::optional<std::string> ReadClassString(std::string_view subKey, std::string_view valueName);
