// Where the program's two settings live: under HKEY_CURRENT_USER, the key strRegistryBase
// followed by "frmPROGMENUMAINDETAILS", string values LANGUAGE and HELP.
#pragma once

#include "core/modLIBTEXT.h"
#include "platform/registry/Registry.h"

#include <string>

// The root key as clsREGISTRY takes it: the decimal text of the handle value (-2147483647).
inline std::string SettingsRootKey() { return std::to_string(HKEY_CURRENT_USER); }
inline std::string SettingsSubKey() { return strRegistryBase + "frmPROGMENUMAINDETAILS"; }

inline constexpr const char* strSettingLanguage = "LANGUAGE";
inline constexpr const char* strSettingHelp = "HELP";
