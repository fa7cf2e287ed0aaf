#include "core/clsREGISTRY.h"

#include "core/modLIBTEXT.h"
#include "platform/app/App.h"
#include "platform/registry/Registry.h"
#include "platform/shell/Shell.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// The read buffer: 254 characters and the NUL.
constexpr DWORD kValueBufferSize = 255;

// A decimal text (blanks around it allowed) as a signed 32-bit number.
std::optional<std::int32_t> NumberFromText(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

void clsREGISTRY::InternetLinkRun(const std::string& strHwnd, const std::string& LinkType,
                                  const std::string& Address) const
{
    if (Address.empty()) return;
    const std::string& linkType = LinkType.empty() ? strLinkFile : LinkType;
    std::optional<std::int32_t> owner = NumberFromText(strHwnd);
    if (!owner) return;
    const std::string& folder = App.Path();
    if (linkType != strLinkHttp) {
        std::string link = linkType + Address;
        ShellExecuteA(*owner, nullptr, link.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    } else {
        ShellExecuteA(*owner, strShellOpen.c_str(), Address.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    }
}

std::string clsREGISTRY::StringLoad(const std::string& Key, const std::string& SubKey, const std::string& Item,
                                    const std::string& Default) const
{
    std::optional<std::int32_t> root = NumberFromText(Key);
    if (!root) return Default;
    HKEY key = 0;
    if (RegOpenKeyExA(*root, SubKey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return Default;

    std::array<BYTE, kValueBufferSize> buffer;
    buffer.fill(' ');
    DWORD size = kValueBufferSize;
    DWORD type = REG_NONE;
    LONG result = RegQueryValueExA(key, Item.c_str(), nullptr, &type, buffer.data(), &size);
    std::string answer = Default;
    // A value stored with no bytes at all reads as Default, never as the blank buffer.
    if (result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 &&
        size <= kValueBufferSize) {
        std::string text(reinterpret_cast<const char*>(buffer.data()), size);
        if (text.back() == '\0') text.pop_back();
        if (text.size() < kValueBufferSize) answer = std::move(text);
    }
    RegCloseKey(key);
    return answer;
}

bool clsREGISTRY::StringSave(const std::string& Key, const std::string& SubKey, const std::string& Item,
                             const std::string& data) const
{
    std::optional<std::int32_t> root = NumberFromText(Key);
    if (!root) return false;
    SECURITY_ATTRIBUTES security;
    security.bInheritHandle = 1;
    HKEY key = 0;
    DWORD disposition = 0;
    if (RegCreateKeyExA(*root, SubKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, &security, &key,
                        &disposition) != ERROR_SUCCESS) {
        return false;
    }
    LONG result = RegSetValueExA(key, Item.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
