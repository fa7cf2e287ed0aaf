#include "platform/com/Registration.h"

#include "platform/registry/RegistryBatch.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>

namespace {

std::string FolderOf(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash));
}

}  // namespace

std::string LibraryPathOf(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) return {};
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved)) return resolved;
    return info.dli_fname[0] == '/' ? std::string(info.dli_fname) : std::string();
}

std::string ProgIdOf(const ServerRegistration& server, const ClassRegistration& entry)
{
    return std::string(server.typeLibrary.name) + "." + std::string(entry.name);
}

HRESULT RegisterServer(const ServerRegistration& server, std::string_view libraryPath)
{
    if (libraryPath.empty()) return SELFREG_E_CLASS;
    const TypeLibraryRegistration& lib = server.typeLibrary;
    const std::string libid = GuidToString(lib.libid);
    RegistryBatch keys(HKEY_CLASSES_ROOT);

    for (const ClassRegistration& entry : server.classes) {
        const std::string progId = ProgIdOf(server, entry);
        const std::string key = "CLSID\\" + GuidToString(entry.clsid);
        keys.SetString(key, "", progId);
        keys.SetString(key + "\\InprocServer32", "", libraryPath);
        keys.SetString(key + "\\InprocServer32", "ThreadingModel", "Apartment");
        keys.SetString(key + "\\ProgID", "", progId);
        keys.SetString(key + "\\TypeLib", "", libid);
        keys.SetString(key + "\\Version", "", lib.version);
        if (entry.control) keys.SetString(key + "\\Control", "", "");
        keys.SetString(progId, "", progId);
        keys.SetString(progId + "\\CLSID", "", GuidToString(entry.clsid));
    }

    for (const InterfaceRegistration& entry : server.interfaces) {
        const std::string key = "Interface\\" + GuidToString(entry.iid);
        keys.SetString(key, "", entry.name);
        keys.SetString(key + "\\TypeLib", "", libid);
        keys.SetString(key + "\\TypeLib", "Version", lib.version);
    }

    const std::string libKey = "TypeLib\\" + libid + "\\" + std::string(lib.version);
    keys.SetString(libKey, "", lib.helpString);
    keys.SetString(libKey + "\\" + std::string(lib.locale) + "\\linux", "", libraryPath);
    keys.SetString(libKey + "\\FLAGS", "", "0");
    keys.SetString(libKey + "\\HELPDIR", "", FolderOf(libraryPath));
    return keys.Commit() == ERROR_SUCCESS ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterServer(const ServerRegistration& server)
{
    RegistryBatch keys(HKEY_CLASSES_ROOT);
    for (const ClassRegistration& entry : server.classes) {
        keys.DeleteTree("CLSID\\" + GuidToString(entry.clsid));
        keys.DeleteTree(ProgIdOf(server, entry));
    }
    for (const InterfaceRegistration& entry : server.interfaces) {
        keys.DeleteTree("Interface\\" + GuidToString(entry.iid));
    }
    keys.DeleteTree("TypeLib\\" + GuidToString(server.typeLibrary.libid));
    return keys.Commit() == ERROR_SUCCESS ? S_OK : SELFREG_E_CLASS;
}
