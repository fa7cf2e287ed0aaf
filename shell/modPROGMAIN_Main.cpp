#include "core/modGLOBALS.h"
#include "core/modLIBTEXT.h"
#include "shell/modPROGMAIN.h"
#include "core/modQBYLANG.h"
#include "core/modSETTINGS.h"
#include "platform/com/Creation.h"
#include "shell/mdiPROGMAIN.h"

void PrefetchStartLibraries()
{
    PrefetchClassLibrary(prjQBYTXT::CLSID_clsPRGTXT);
    PrefetchClassLibrary(GuidLiteral(kResizeLckClassId));
}

void Main()
{
    // 1. The program constants.
    LibTextLoad();

    // 2. The defaults of the two settings.
    strLanguage = "AMERICAN";
    strHelpLanguage = "ENGLISH";

    // 3. The service objects. Langtext is created by its class id; when it cannot be, objPrgText
    //    stays empty and every interface text reads "0".
    objRegistry = std::make_unique<clsREGISTRY>();
    CreateObject(prjQBYTXT::CLSID_clsPRGTXT, &objPrgText);
    objLibText = std::make_unique<clsLIBTEXT>();

    // 4. and 5. The stored settings, as they stand; the defaults where nothing is stored.
    strLanguage = objRegistry->StringLoad(SettingsRootKey(), SettingsSubKey(), strSettingLanguage, strLanguage);
    strHelpLanguage = objRegistry->StringLoad(SettingsRootKey(), SettingsSubKey(), strSettingHelp, strHelpLanguage);

    // 6. The interface texts of the help language.
    SetHelpLanguage(strHelpLanguage);

    // 7. to 9. The main window.
    MainShowMainWindow();
}
