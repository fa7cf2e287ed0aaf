#include "RegistryFixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

void RegistryTest::SetUp()
{
    static int counter = 0;
    base_ = fs::temp_directory_path() /
            ("quillby-registry-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    fs::remove_all(base_);
    fs::create_directories(base_ / "machine");
    ::setenv("XDG_CONFIG_HOME", (base_ / "config").c_str(), 1);
    ::setenv("QUILLBY_MACHINE_REGISTRY", machineFile().c_str(), 1);
    ::unsetenv("QUILLBY_REGISTER_MACHINE");
}

void RegistryTest::TearDown()
{
    std::error_code ignored;
    fs::permissions(base_ / "machine", fs::perms::owner_all, ignored);
    fs::remove_all(base_, ignored);
}

std::vector<std::string> RegistryTest::userFolderNames(std::string_view prefix) const
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(userFolder(), error)) {
        std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0) {
            names.push_back(name);
        }
    }
    return names;
}

std::string RegistryTest::readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void RegistryTest::writeFile(const fs::path& path, std::string_view bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

LONG saveValue(HKEY root, const std::string& path, const char* name, DWORD type, std::string_view bytes)
{
    SECURITY_ATTRIBUTES security;
    security.bInheritHandle = 1;
    HKEY key = 0;
    DWORD disposition = 0;
    LONG result = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, &security,
                                  &key, &disposition);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    result = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                            static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result;
}

LONG saveString(HKEY root, const std::string& path, const char* name, std::string_view text)
{
    std::string withNul(text);
    withNul.push_back('\0');
    return saveValue(root, path, name, REG_SZ, withNul);
}

std::optional<std::string> loadString(HKEY root, const std::string& path, const char* name)
{
    HKEY key = 0;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string buffer(255, ' ');
    DWORD size = 255;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) {
        return std::nullopt;
    }
    return buffer.substr(0, size - 1);
}

std::optional<RawValue> loadValue(HKEY root, const std::string& path, const char* name)
{
    HKEY key = 0;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.bytes.resize(size);
        result = RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()), &size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}
