#include "platform/com/Creation.h"

#include "platform/com/ClassFactory.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/EntryPoints.h"

#include "platform/forms/BackgroundWork.h"

#include <dlfcn.h>
#include <map>
#include <mutex>

namespace {

// Libraries stay loaded for the whole run: objects and factories they made may live that long.
struct LoadedLibraries {
    std::mutex lock;
    std::map<std::string, void*> byPath;
};

LoadedLibraries& Libraries()
{
    static auto* libraries = new LoadedLibraries;  // never destroyed: objects may outlive exit order
    return *libraries;
}

void* LoadLibraryOnce(const std::string& path)
{
    LoadedLibraries& libraries = Libraries();
    std::lock_guard guard(libraries.lock);
    auto found = libraries.byPath.find(path);
    if (found != libraries.byPath.end()) return found->second;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) libraries.byPath.emplace(path, handle);
    return handle;
}

}  // namespace

void PrefetchClassLibrary(const CLSID& clsid)
{
    // In a forked child (no workers) the library is simply loaded when the class is created.
    qby::detail::RunInBackground([clsid] {
        std::string path;
        if (SUCCEEDED(ClassLibraryPath(clsid, &path)) && !path.empty() && path.front() == '/')
            LoadLibraryOnce(path);
    });
}

HRESULT ClassLibraryPath(const CLSID& clsid, std::string* path)
{
    std::optional<std::string> found =
        ReadClassString("CLSID\\" + GuidToString(clsid) + "\\InprocServer32", "");
    if (!found || found->empty()) return REGDB_E_CLASSNOTREG;
    *path = *found;
    return S_OK;
}

HRESULT CoGetClassObject(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    std::string path;
    HRESULT status = ClassLibraryPath(clsid, &path);
    if (FAILED(status)) return status;
    // Only absolute paths: a bare name would be searched for along the library path.
    if (path.front() != '/') return CO_E_DLLNOTFOUND;
    void* library = LoadLibraryOnce(path);
    if (!library) return CO_E_DLLNOTFOUND;
    auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(library, "DllGetClassObject"));
    if (!getClassObject) return CO_E_ERRORINDLL;
    return getClassObject(clsid, iid, object);
}

HRESULT CoCreateInstance(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    ComPtr<IClassFactory> factory;
    HRESULT status = CoGetClassObject(clsid, IClassFactory::InterfaceId, factory.ReceiveVoid());
    if (FAILED(status)) return status;
    if (!factory) return E_UNEXPECTED;
    return factory->CreateInstance(nullptr, iid, object);
}
