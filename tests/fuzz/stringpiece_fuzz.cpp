// Fuzzes StringPiece, which cuts the interface texts out of their "|"-separated list: for any text,
// separator and number it answers the piece that splitting the text at every occurrence of a
// one-character separator gives, or "0" when there is no such piece.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/clsLIBTEXT.h"

namespace {

void fail(const char* what)
{
    std::fprintf(stderr, "stringpiece_fuzz: %s\n", what);
    std::abort();
}

// One UTF-8 character: a lead byte and exactly the continuation bytes it announces.
bool OneCharacter(const std::string& text)
{
    if (text.empty()) return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return text.size() == length;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(separator, start)) != std::string::npos;) {
        pieces.push_back(text.substr(start, found - start));
        start = found + separator.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Four bytes of piece number, one byte of separator length (0 to 4), the separator, the text.
    if (size < 5) return 0;
    std::int32_t number = 0;
    std::memcpy(&number, data, sizeof number);
    const std::size_t separatorLength = std::min<std::size_t>(data[4] % 5, size - 5);
    const std::string separator(reinterpret_cast<const char*>(data + 5), separatorLength);
    const std::string text(reinterpret_cast<const char*>(data + 5 + separatorLength), size - 5 - separatorLength);

    const std::string piece = clsLIBTEXT().StringPiece(text, separator, number);
    std::string expected = "0";
    if (OneCharacter(separator)) {
        const std::vector<std::string> pieces = Split(text, separator);
        if (number >= 1 && static_cast<std::size_t>(number) <= pieces.size())
            expected = pieces[static_cast<std::size_t>(number) - 1];
    } else if (number == 1) {
        expected = text;  // a separator that never matches leaves one piece
    }
    if (piece != expected) fail("not the piece the split gives");
    return 0;
}
