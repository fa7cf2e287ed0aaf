// The registry file's text form, readable and editable by a person:
//
//   Quillby Registry File 1
//   ; This file is checked: ...
//
//   [HKEY_CURRENT_USER\SOFTWARE\Orvane\Quillby\frmPROGMENUMAINDETAILS]
//   "LANGUAGE"="AMERICAN"
//   "Count"=dword:0000001f
//   "Path"=hex(2):25,00,48,00
//   "Blob"=hex:01,02,03
//   @="the key's default value"
//
//   ; end 312 5d1f0a3c
//
// Quoted texts escape only \ and " (as \\ and \"); their bytes pass through unchanged, so UTF-8
// stays UTF-8. A REG_SZ value is written quoted when it is one NUL-terminated text of printable
// bytes; any other value is written as bytes: dword: for a 4-byte REG_DWORD, hex: for REG_BINARY,
// hex(type): for every other type, long byte lists continued on the next line after ",\".
//
// Damage. The last line, "; end <size> <crc32>", holds the byte count and the CRC-32 of everything
// above it, and the second line marks the file as checked. A checked file must end with a
// matching end line: so a file cut short anywhere past its second line, and a file with any byte
// changed, is damaged. A file without the marker line is taken as written by hand: it needs no
// end line (if it has one, the line must match), but every line must parse and its last line must
// end with a newline. Being cut short at a line boundary within its first two lines (leaving the
// header alone, which reads as an empty registry) is the one truncation that cannot be told.
// Anything else that does not parse is damaged; the parser answers damaged or a tree for any
// input, and never reads past the text it is given.
//
// Salvage. What can still be read of a damaged file: every key and value whose lines parse,
// whatever its end line says. A line that does not parse is passed over, and so are the values
// under a key line that does not parse; a last line without its newline is dropped. A file
// whose every line parses (one edited by hand that kept its now stale end line) salvages whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry/RegistryTree.h"

namespace qby::registry {

inline constexpr std::string_view kFileHeader = "Quillby Registry File 1";
inline constexpr std::string_view kCheckedMarker =
    "; This file is checked against its last line. To edit it by hand, delete this line and the last line.";
inline constexpr std::string_view kEndLinePrefix = "; end";
// Larger files are not read (and not written); a registry of settings is a few kilobytes.
inline constexpr std::size_t kMaxFileBytes = 32u << 20;

struct ParsedText {
    bool ok = false;
    std::string problem;  // why the text is damaged; empty when ok
    Tree tree;            // empty when damaged
};

ParsedText parseRegistryText(std::string_view text);
// Never fails; of a text that parses, the same tree as parseRegistryText.
Tree salvageRegistryText(std::string_view text);
std::string writeRegistryText(const Tree& tree);

// CRC-32 (IEEE 802.3, as in zip and PNG).
std::uint32_t crc32(std::string_view bytes);

}  // namespace qby::registry
