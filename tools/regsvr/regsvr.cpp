// regsvr: registers a class library for the current user, or removes its registration.
//
//     regsvr LIBRARY       calls the library's DllRegisterServer
//     regsvr -u LIBRARY    calls its DllUnregisterServer
//
// Exit status 0 on success; otherwise 1 with the reason on standard error.
#include "platform/com/EntryPoints.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: regsvr [-u] LIBRARY\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    bool unregister = false;
    std::string library;
    if (argc == 2) {
        library = argv[1];
    } else if (argc == 3 && std::strcmp(argv[1], "-u") == 0) {
        unregister = true;
        library = argv[2];
    } else {
        return Usage();
    }
    if (library.empty() || library.front() == '-') return Usage();
    // A name without a folder means the file here, not one found along the library path.
    if (library.find('/') == std::string::npos) library = "./" + library;

    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        std::fprintf(stderr, "regsvr: cannot load %s: %s\n", library.c_str(), reason ? reason : "unknown error");
        return 1;
    }
    const char* entryName = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto entry = reinterpret_cast<DllRegisterServerFunction>(dlsym(handle, entryName));
    if (!entry) {
        std::fprintf(stderr, "regsvr: %s has no entry point %s\n", library.c_str(), entryName);
        return 1;
    }
    HRESULT result = entry();
    if (FAILED(result)) {
        std::fprintf(stderr, "regsvr: %s of %s failed (0x%08X)\n", entryName, library.c_str(),
                     static_cast<unsigned>(result));
        return 1;
    }
    std::printf("regsvr: %s of %s succeeded\n", entryName, library.c_str());
    return 0;
}
