// What a class library serves through its four entry points: the keys it registers, the classes
// it hands out factories for, and the count of its live objects. A library describes itself in
// one InProcessServer and exports the entry points with QBY_SERVER_ENTRY_POINTS.
#pragma once

#include "platform/com/ClassFactory.h"
#include "platform/com/ComPtr.h"
#include "platform/com/EntryPoints.h"
#include "platform/com/Registration.h"

struct InProcessServer {
    ServerRegistration registration;
    ServerUsage& (*usage)();
};

// The factory of class T through interface `iid`, counted in the library's usage; the
// ClassRegistration's `getFactory` of a creatable class.
template <class T, ServerUsage& (*usage)()>
HRESULT GetClassFactory(const IID& iid, void** object)
{
    ComPtr<ClassFactory<T>> factory = MakeComObject<ClassFactory<T>>(usage());
    if (!factory) return E_OUTOFMEMORY;
    return factory->QueryInterface(iid, object);
}

// The entry points' work; `addressInLibrary` is any function or object of the library.
HRESULT ServeRegisterServer(const InProcessServer& server, const void* addressInLibrary);
HRESULT ServeUnregisterServer(const InProcessServer& server);
HRESULT ServeGetClassObject(const InProcessServer& server, const CLSID& clsid, const IID& iid, void** object);
HRESULT ServeCanUnloadNow(const InProcessServer& server);

// Defines the library's four exported entry points, each handing its call to `server`.
#define QBY_SERVER_ENTRY_POINTS(server)                                                         \
    extern "C" {                                                                                \
    HRESULT DllRegisterServer()                                                                 \
    {                                                                                           \
        return ServeRegisterServer(server, reinterpret_cast<const void*>(&DllRegisterServer));  \
    }                                                                                           \
    HRESULT DllUnregisterServer() { return ServeUnregisterServer(server); }                     \
    HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object)                \
    {                                                                                           \
        return ServeGetClassObject(server, clsid, iid, object);                                 \
    }                                                                                           \
    HRESULT DllCanUnloadNow() { return ServeCanUnloadNow(server); }                             \
    }
