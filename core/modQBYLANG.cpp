#include "core/modQBYLANG.h"

#include "core/modGLOBALS.h"
#include "core/modSETTINGS.h"
#include "platform/com/OwnedString.h"

void SetHelpLanguage(const std::string& language)
{
    if (!objPrgText) return;
    OwnedString list;
    HRESULT result = E_FAIL;
    if (language == "ENGLISH") {
        result = objPrgText->LanguageEnglish(list.Out());
    } else if (language == "KOREAN") {
        result = objPrgText->LanguageKorean(list.Out());
    } else {
        return;
    }
    if (SUCCEEDED(result)) strProgramText = list.Str();
}

std::string GetHelpText(std::int32_t number)
{
    if (objRegistry) {
        SetHelpLanguage(objRegistry->StringLoad(SettingsRootKey(), SettingsSubKey(), strSettingHelp, "ENGLISH"));
    }
    if (!objLibText) return "0";
    return objLibText->StringPiece(strProgramText, "|", number);
}
