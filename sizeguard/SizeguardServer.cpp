// The four entry points of Sizeguard and what it registers. Only the control class ResizeLck is
// registered; the private control Subclass cannot be created from outside.
#include "platform/com/InProcessServer.h"
#include "sizeguard/ResizeLckObject.h"
#include "sizeguard/SizeguardUsage.h"

using namespace prjRESIZELCK;

namespace {

constexpr InterfaceRegistration kInterfaces[] = {{IID__ResizeLck, "_ResizeLck"}, {DIID___ResizeLck, "__ResizeLck"}};
constexpr ClassRegistration kClasses[] = {
    {CLSID_ResizeLck, "ResizeLck", true, &GetClassFactory<ResizeLckObject, SizeguardUsage>}};
constexpr InProcessServer kServer{
    {{LIBID_prjRESIZELCK, kTypeLibraryName, kTypeLibraryVersion, kTypeLibraryHelp, kTypeLibraryLocale},
     kInterfaces,
     kClasses},
    SizeguardUsage};

}  // namespace

QBY_SERVER_ENTRY_POINTS(kServer)
