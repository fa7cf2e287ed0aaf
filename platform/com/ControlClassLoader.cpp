// Controls of class libraries, made by class id for the windows that carry them.
#include "platform/com/Creation.h"
#include "platform/com/HostedControl.h"

namespace qby {

std::unique_ptr<UserControl> CreateControlByClassId(const std::string& classId)
{
    const std::optional<GUID> clsid = ParseGuid(classId);
    if (!clsid) return nullptr;
    ComPtr<IHostedControl> hosted;
    if (FAILED(CreateObject(*clsid, &hosted)) || !hosted) return nullptr;
    return hosted->TakeUserControl();
}

namespace {

// The runtime asks the class-library loader from the moment this library is loaded, before any
// window can be.
[[maybe_unused]] const bool g_resolverInstalled = [] {
    SetUserControlResolver(CreateControlByClassId);
    return true;
}();

}  // namespace

}  // namespace qby
