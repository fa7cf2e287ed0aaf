// The four entry points of Sizeguard and what it registers. Only the control class ResizeLck is
// registered; the private control Subclass cannot be created from outside.
#include "platform/com/EntryPoints.h"
#include "platform/com/Registration.h"
#include "sizeguard/ResizeLckObject.h"
#include "sizeguard/SizeguardUsage.h"

using namespace prjRESIZELCK;

namespace {

constexpr InterfaceRegistration kInterfaces[] = {{IID__ResizeLck, "_ResizeLck"}, {DIID___ResizeLck, "__ResizeLck"}};
constexpr ClassRegistration kClasses[] = {{CLSID_ResizeLck, "ResizeLck", true}};
constexpr ServerRegistration kServer{
    {LIBID_prjRESIZELCK, kTypeLibraryName, kTypeLibraryVersion, kTypeLibraryHelp, kTypeLibraryLocale},
    kInterfaces,
    kClasses};

// An address inside this library, to find the library's own file.
void ThisLibrary() {}

}  // namespace

extern "C" {

HRESULT DllRegisterServer()
{
    return RegisterServer(kServer, LibraryPathOf(reinterpret_cast<const void*>(&ThisLibrary)));
}

HRESULT DllUnregisterServer() { return UnregisterServer(kServer); }

HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_ResizeLck) return CLASS_E_CLASSNOTAVAILABLE;
    ComPtr<ClassFactory<ResizeLckObject>> factory = MakeComObject<ClassFactory<ResizeLckObject>>(SizeguardUsage());
    if (!factory) return E_OUTOFMEMORY;
    return factory->QueryInterface(iid, object);
}

HRESULT DllCanUnloadNow() { return SizeguardUsage().InUse() ? S_FALSE : S_OK; }

}  // extern "C"
