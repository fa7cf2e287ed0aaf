// The program's text constants, assigned once by LibTextLoad as the first step of Main.
#pragma once

#include <string>

extern std::string strProgramTitle;  // "Quillby"
extern std::string strRegistryBase;  // "SOFTWARE\<company>\Quillby\"
extern std::string strLinkFile;      // "file://": the link type used when none is given
extern std::string strLinkHttp;      // "http://": the link type opened with a verb
extern std::string strShellOpen;     // "OPEN": the shell verb for "http://" links

void LibTextLoad();
