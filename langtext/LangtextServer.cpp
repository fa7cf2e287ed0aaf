// The four entry points of Langtext and what it registers.
#include "langtext/LangtextServer.h"

#include "langtext/clsPRGTXT.h"
#include "platform/com/EntryPoints.h"
#include "platform/com/Registration.h"

using namespace prjQBYTXT;

namespace {

constexpr InterfaceRegistration kInterfaces[] = {{IID__clsPRGTXT, "_clsPRGTXT"}};
constexpr ClassRegistration kClasses[] = {{CLSID_clsPRGTXT, "clsPRGTXT"}};
constexpr ServerRegistration kServer{
    {LIBID_prjQBYTXT, "prjQBYTXT", kTypeLibraryVersion, "Langtext"}, kInterfaces, kClasses};

// An address inside this library, to find the library's own file.
void ThisLibrary() {}

}  // namespace

ServerUsage& LangtextUsage()
{
    static ServerUsage usage;
    return usage;
}

extern "C" {

HRESULT DllRegisterServer() { return RegisterServer(kServer, LibraryPathOf(reinterpret_cast<const void*>(&ThisLibrary))); }

HRESULT DllUnregisterServer() { return UnregisterServer(kServer); }

HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_clsPRGTXT) return CLASS_E_CLASSNOTAVAILABLE;
    ComPtr<ClassFactory<clsPRGTXT>> factory = MakeComObject<ClassFactory<clsPRGTXT>>(LangtextUsage());
    if (!factory) return E_OUTOFMEMORY;
    return factory->QueryInterface(iid, object);
}

HRESULT DllCanUnloadNow() { return LangtextUsage().InUse() ? S_FALSE : S_OK; }

}  // extern "C"
