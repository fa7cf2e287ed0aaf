#include "core/clsLIBTEXT.h"

namespace {

// Byte length of the UTF-8 character that starts with `lead`.
std::size_t CharacterLength(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

bool IsOneCharacter(const std::string& text)
{
    return !text.empty() && CharacterLength(static_cast<unsigned char>(text.front())) == text.size();
}

}  // namespace

std::string clsLIBTEXT::StringPiece(const std::string& strText, const std::string& Separator,
                                    std::int32_t Number) const
{
    // Texts are UTF-8: a one-character separator is found as its byte sequence, which in UTF-8
    // can only match at the start of a character.
    const bool separatorCanMatch = IsOneCharacter(Separator);
    std::int64_t pieces = 0;  // separators passed so far
    std::size_t pieceStart = 0;
    std::size_t position = 0;
    while (separatorCanMatch) {
        std::size_t found = strText.find(Separator, position);
        if (found == std::string::npos) break;
        ++pieces;
        if (pieces == std::int64_t{Number} - 1) {
            pieceStart = found + Separator.size();
        } else if (pieces == Number) {
            return strText.substr(pieceStart, found - pieceStart);
        }
        position = found + Separator.size();
    }
    if (pieces == std::int64_t{Number} - 1) return strText.substr(pieceStart);
    return "0";
}
