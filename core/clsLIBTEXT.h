// The text service: cuts one piece out of a separated text.
#pragma once

#include <cstdint>
#include <string>

class clsLIBTEXT {
public:
    // Piece `Number` (counting from 1) of `strText` split at `Separator`, or "0" when there is no
    // such piece. The separator must be exactly one character; any other never matches, so piece
    // 1 is then the whole text.
    std::string StringPiece(const std::string& strText, const std::string& Separator, std::int32_t Number) const;
};
