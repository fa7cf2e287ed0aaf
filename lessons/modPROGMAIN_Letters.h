// The letters table: for each letter A to Z its words, each with three example sentences,
// carried as the "DATA" resource "ENG_INF" (British, when strLanguage is exactly "ENGLISH") or
// "US_INF" (American, for any other value). Both readers walk the table from its start on every
// call and leave the letter's number of words in lngItemCount.
#pragma once

#include "platform/forms/Controls.h"

#include <cstdint>
#include <string>

// Fills the alphabet lesson's page with word `index` (from 1) of `letter` ("A" to "Z", exact
// case): the title letter, the rest of the word placed 60 twips right of it, the word's picture
// and its three sentences. An index outside 1 to N changes only the title letter and
// lngItemCount; a letter not in the table changes nothing.
void ShowLetterWord(std::string letter, std::int32_t index);

// Puts the picture of word `index` of `letter` into `img` and sets its Tag to the word with its
// blanks removed ("KnifeandFork"). An index of 0 means 1, an index above N means N; a negative
// index or a letter not in the table loads nothing.
void LoadLetterWordPicture(qby::Image& img, std::string letter, std::int16_t index);
