// 128-bit identifiers of classes, interfaces and type libraries, written as
// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};

using IID = GUID;
using CLSID = GUID;

inline constexpr GUID GUID_NULL{};

namespace guid_detail {

constexpr int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits at `at`; false when one of them is not a hex digit.
constexpr bool ReadHex(std::string_view text, std::size_t at, std::size_t digits, std::uint32_t& value)
{
    value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        int digit = HexValue(text[at + i]);
        if (digit < 0) return false;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
}

}  // namespace guid_detail

// Parses the braced form, hex digits in either case; nothing before or after it.
constexpr std::optional<GUID> ParseGuid(std::string_view text)
{
    using guid_detail::ReadHex;
    if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-') {
        return std::nullopt;
    }
    GUID guid;
    std::uint32_t value = 0;
    if (!ReadHex(text, 1, 8, value)) return std::nullopt;
    guid.Data1 = value;
    if (!ReadHex(text, 10, 4, value)) return std::nullopt;
    guid.Data2 = static_cast<std::uint16_t>(value);
    if (!ReadHex(text, 15, 4, value)) return std::nullopt;
    guid.Data3 = static_cast<std::uint16_t>(value);
    // Data4: two bytes before the last dash, six after it.
    constexpr std::size_t positions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, positions[i], 2, value)) return std::nullopt;
        guid.Data4[i] = static_cast<std::uint8_t>(value);
    }
    return guid;
}

// An identifier written in the source in its braced form; a malformed one does not compile.
consteval GUID GuidLiteral(std::string_view text)
{
    std::optional<GUID> guid = ParseGuid(text);
    if (!guid) throw "malformed GUID literal";
    return *guid;
}

// The braced form with upper-case hex digits.
std::string GuidToString(const GUID& guid);
