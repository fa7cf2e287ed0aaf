// The interface texts of the program in English and in Korean, entry by entry. Entry i is the text
// the program asks for as number i + 1; both languages keep their texts at the same positions.
// No entry holds "|", a carriage return or a line feed.
#pragma once

#include <array>
#include <string_view>

inline constexpr int kInterfaceTextCount = 51;
using InterfaceTextEntries = std::array<std::string_view, kInterfaceTextCount>;

extern const InterfaceTextEntries kEnglishTexts;
extern const InterfaceTextEntries kKoreanTexts;
