// The program-wide variables and the three service objects that live for the whole run.
#pragma once

#include "core/clsLIBTEXT.h"
#include "core/clsREGISTRY.h"
#include "langtext/prjQBYTXT.h"
#include "platform/com/ComPtr.h"

#include <cstdint>
#include <memory>
#include <string>

// "AMERICAN" (default) or "ENGLISH": exactly "ENGLISH" selects the ENG_ word tables.
extern std::string strLanguage;
// "ENGLISH" (default) or "KOREAN": the help language chosen; the text lookup reads the registry.
extern std::string strHelpLanguage;
// All interface texts of the language last built, joined with "|".
extern std::string strProgramText;
// The number of items of the group last read from a word table.
extern std::int32_t lngItemCount;
// "Words - " and the chosen subject's name; the subject's key in upper case.
extern std::string strWordsTitle;
extern std::string strWordsSubject;
// The word being guessed in the pictures-and-words game.
extern std::string strCurrentWord;
// The play-again box's answer.
extern bool blnPlayAgain;

extern std::unique_ptr<clsREGISTRY> objRegistry;
// Empty when Langtext cannot be created.
extern ComPtr<prjQBYTXT::_clsPRGTXT> objPrgText;
extern std::unique_ptr<clsLIBTEXT> objLibText;
