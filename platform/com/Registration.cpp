#include "platform/com/Registration.h"

#include "platform/com/ClassRegistry.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>

namespace {

bool WriteAll(std::initializer_list<LONG> results)
{
    for (LONG result : results) {
        if (result != ERROR_SUCCESS) return false;
    }
    return true;
}

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

    for (const ClassRegistration& entry : server.classes) {
        const std::string progId = ProgIdOf(server, entry);
        const std::string key = "CLSID\\" + GuidToString(entry.clsid);
        bool written = WriteAll({
            WriteClassString(key, "", progId),
            WriteClassString(key + "\\InprocServer32", "", libraryPath),
            WriteClassString(key + "\\InprocServer32", "ThreadingModel", "Apartment"),
            WriteClassString(key + "\\ProgID", "", progId),
            WriteClassString(key + "\\TypeLib", "", libid),
            WriteClassString(key + "\\Version", "", lib.version),
            WriteClassString(progId, "", progId),
            WriteClassString(progId + "\\CLSID", "", GuidToString(entry.clsid)),
        });
        if (!written) return SELFREG_E_CLASS;
    }

    for (const InterfaceRegistration& entry : server.interfaces) {
        const std::string key = "Interface\\" + GuidToString(entry.iid);
        bool written = WriteAll({
            WriteClassString(key, "", entry.name),
            WriteClassString(key + "\\TypeLib", "", libid),
            WriteClassString(key + "\\TypeLib", "Version", lib.version),
        });
        if (!written) return SELFREG_E_TYPELIB;
    }

    const std::string libKey = "TypeLib\\" + libid + "\\" + std::string(lib.version);
    bool written = WriteAll({
        WriteClassString(libKey, "", lib.helpString),
        WriteClassString(libKey + "\\" + std::string(lib.locale) + "\\linux", "", libraryPath),
        WriteClassString(libKey + "\\FLAGS", "", "0"),
        WriteClassString(libKey + "\\HELPDIR", "", FolderOf(libraryPath)),
    });
    return written ? S_OK : SELFREG_E_TYPELIB;
}

HRESULT UnregisterServer(const ServerRegistration& server)
{
    bool removed = true;
    for (const ClassRegistration& entry : server.classes) {
        removed &= DeleteClassKey("CLSID\\" + GuidToString(entry.clsid)) == ERROR_SUCCESS;
        removed &= DeleteClassKey(ProgIdOf(server, entry)) == ERROR_SUCCESS;
    }
    for (const InterfaceRegistration& entry : server.interfaces) {
        removed &= DeleteClassKey("Interface\\" + GuidToString(entry.iid)) == ERROR_SUCCESS;
    }
    removed &= DeleteClassKey("TypeLib\\" + GuidToString(server.typeLibrary.libid)) == ERROR_SUCCESS;
    return removed ? S_OK : SELFREG_E_CLASS;
}
