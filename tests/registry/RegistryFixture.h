// Each registry test gets its own configuration folder and its own machine-wide file location,
// plus the two calls the program makes (a string load and a string save) and file helpers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

namespace fs = std::filesystem;

inline constexpr const char* kSettingsKey = "SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    fs::path userFolder() const { return base_ / "config" / "quillby"; }
    fs::path userFile() const { return userFolder() / "registry.reg"; }
    fs::path machineFile() const { return base_ / "machine" / "registry.reg"; }
    fs::path base() const { return base_; }
    // Names in the user's folder that begin with `prefix`.
    std::vector<std::string> userFolderNames(std::string_view prefix) const;

    static std::string readFile(const fs::path& path);
    static void writeFile(const fs::path& path, std::string_view bytes);

private:
    fs::path base_;
};

// RegCreateKeyExA + RegSetValueExA + RegCloseKey, as the program saves a setting.
LONG saveValue(HKEY root, const std::string& path, const char* name, DWORD type, std::string_view bytes);
LONG saveString(HKEY root, const std::string& path, const char* name, std::string_view text);
// RegOpenKeyExA + RegQueryValueExA into a 255-byte buffer + RegCloseKey, as the program loads a
// setting; nullopt where the program falls back to its default.
std::optional<std::string> loadString(HKEY root, const std::string& path, const char* name);
// The raw bytes and type of a value; nullopt when it cannot be read.
struct RawValue {
    DWORD type = 0;
    std::string bytes;
};
std::optional<RawValue> loadValue(HKEY root, const std::string& path, const char* name);
