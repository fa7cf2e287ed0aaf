#include "core/modLIBTEXT.h"

#include "platform/app/App.h"

std::string strProgramTitle;
std::string strRegistryBase;
std::string strLinkFile;
std::string strLinkHttp;
std::string strShellOpen;

void LibTextLoad()
{
    strProgramTitle = "Quillby";
    strRegistryBase = "SOFTWARE\\" + App.CompanyName() + "\\" + strProgramTitle + "\\";
    strLinkFile = "file://";
    strLinkHttp = "http://";
    strShellOpen = "OPEN";
}
