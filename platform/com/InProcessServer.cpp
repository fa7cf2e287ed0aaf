#include "platform/com/InProcessServer.h"

HRESULT ServeRegisterServer(const InProcessServer& server, const void* addressInLibrary)
{
    return RegisterServer(server.registration, LibraryPathOf(addressInLibrary));
}

HRESULT ServeUnregisterServer(const InProcessServer& server) { return UnregisterServer(server.registration); }

HRESULT ServeGetClassObject(const InProcessServer& server, const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const ClassRegistration& entry : server.registration.classes) {
        if (entry.clsid == clsid && entry.getFactory != nullptr) return entry.getFactory(iid, object);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT ServeCanUnloadNow(const InProcessServer& server) { return server.usage().InUse() ? S_FALSE : S_OK; }
