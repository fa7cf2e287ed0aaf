// Writing the registry file's text form and the checksum of its end line.
#include <array>
#include <cstdio>

#include "platform/registry/RegistryText.h"

namespace qby::registry {

namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
// Byte lists wrap once a line grows past this many characters, as registry exports do.
constexpr std::size_t kWrapColumn = 76;

constexpr std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

void appendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
}

void appendHex(std::string& out, std::uint32_t number, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*x", digits, static_cast<unsigned>(number));
    out += buffer;
}

// A REG_SZ value that is exactly one text of printable bytes and its NUL.
bool isPlainText(const Value& value)
{
    if (value.type != kRegSz || value.data.empty() || value.data.back() != 0) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i) {
        if (!isNameByte(value.data[i])) {
            return false;
        }
    }
    return true;
}

void appendByteList(std::string& out, std::size_t lineStart, const std::vector<std::uint8_t>& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        appendHex(out, bytes[i], 2);
        if (i + 1 == bytes.size()) {
            break;
        }
        out += ',';
        if (out.size() - lineStart > kWrapColumn) {
            out += "\\\n  ";
            lineStart = out.size() - 2;
        }
    }
}

void appendValue(std::string& out, const Value& value)
{
    std::size_t lineStart = out.size();
    if (value.name.empty()) {
        out += '@';
    } else {
        appendQuoted(out, value.name);
    }
    out += '=';
    if (isPlainText(value)) {
        const auto* text = reinterpret_cast<const char*>(value.data.data());
        appendQuoted(out, std::string_view(text, value.data.size() - 1));
    } else if (value.type == kRegDword && value.data.size() == 4) {
        std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                               (static_cast<std::uint32_t>(value.data[3]) << 24);
        out += "dword:";
        appendHex(out, number, 8);
    } else {
        if (value.type == kRegBinary) {
            out += "hex:";
        } else {
            out += "hex(";
            appendHex(out, value.type, 1);
            out += "):";
        }
        appendByteList(out, lineStart, value.data);
    }
    out += '\n';
}

}  // namespace

std::uint32_t crc32(std::string_view bytes)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (char byte : bytes) {
        c = kCrcTable[(c ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

std::string writeRegistryText(const Tree& tree)
{
    std::string out;
    out += kFileHeader;
    out += '\n';
    out += kCheckedMarker;
    out += "\n\n";
    tree.forEach([&](const Key& key) {
        out += '[';
        out += key.path;
        out += "]\n";
        for (const Value& value : key.values) {
            appendValue(out, value);
        }
        out += '\n';
    });
    const std::size_t bodySize = out.size();
    const std::uint32_t checksum = crc32(out);
    out += kEndLinePrefix;
    out += ' ';
    out += std::to_string(bodySize);
    out += ' ';
    appendHex(out, checksum, 8);
    out += '\n';
    return out;
}

}  // namespace qby::registry
