#include "core/modGLOBALS.h"

std::string strLanguage;
std::string strHelpLanguage;
std::string strProgramText;
std::int32_t lngItemCount = 0;
std::string strWordsTitle;
std::string strWordsSubject;
std::string strCurrentWord;
bool blnPlayAgain = false;

std::unique_ptr<clsREGISTRY> objRegistry;
ComPtr<prjQBYTXT::_clsPRGTXT> objPrgText;
std::unique_ptr<clsLIBTEXT> objLibText;
