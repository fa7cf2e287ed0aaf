// The four entry points of Langtext and what it registers.
#include "langtext/LangtextServer.h"

#include "langtext/clsPRGTXT.h"
#include "platform/com/InProcessServer.h"

using namespace prjQBYTXT;

namespace {

constexpr InterfaceRegistration kInterfaces[] = {{IID__clsPRGTXT, "_clsPRGTXT"}};
constexpr ClassRegistration kClasses[] = {
    {CLSID_clsPRGTXT, "clsPRGTXT", false, &GetClassFactory<clsPRGTXT, LangtextUsage>}};
constexpr InProcessServer kServer{
    {{LIBID_prjQBYTXT, "prjQBYTXT", kTypeLibraryVersion, "Langtext"}, kInterfaces, kClasses},
    LangtextUsage};

}  // namespace

ServerUsage& LangtextUsage()
{
    static ServerUsage usage;
    return usage;
}

QBY_SERVER_ENTRY_POINTS(kServer)
