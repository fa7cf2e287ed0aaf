// The string functions the program's procedures share. The word tables and resource names are
// ASCII, so case changes touch only the letters a to z and A to Z.
#pragma once

#include <string>

std::string UCase(std::string text);
char UCase(char c);
std::string LCase(std::string text);
// The text with every blank removed: "Ice cream" gives "Icecream" (with UCase, a word's key).
std::string WithoutBlanks(std::string text);
