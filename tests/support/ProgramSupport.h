// What the tests that start the program share: Langtext's registration entry points called
// straight from the built library, and the state of a program that has not started yet.
// Header-only: the test executables that include it link the program's code.
#pragma once

#include "core/modGLOBALS.h"
#include "core/modLIBTEXT.h"
#include "core/modVERSIONINFO.h"
#include "platform/com/EntryPoints.h"
#include "platform/forms/Testing.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace programtest {

// Calls DllRegisterServer or DllUnregisterServer of the built Langtext; E_FAIL when the library
// or the entry point cannot be had.
inline HRESULT CallLangtextEntry(const char* entry)
{
    const std::string path = std::string(QBY_BUILD_DIR) + "/langtext/liblangtext.so";
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return E_FAIL;
    auto function = reinterpret_cast<DllRegisterServerFunction>(dlsym(library, entry));
    return function ? function() : E_FAIL;
}

// The program-wide settings and service objects as before Main, with the version information
// (the company name in the settings key) as the executable sets it at start.
inline void ResetToBeforeMain()
{
    strRegistryBase.clear();
    strLanguage.clear();
    strHelpLanguage.clear();
    strProgramText.clear();
    objRegistry.reset();
    objPrgText.Reset();
    objLibText.reset();
    VersionInformationLoad();
}

// From now on a modal window that no test step waits for fails the test at once, naming the
// window, and is closed, instead of leaving the test waiting for input that never comes.
inline void FailOnUnexpectedModal()
{
    qby::test::OnUnexpectedModal([](qby::Form& box) {
        ADD_FAILURE() << "unexpected modal window " << box.Name();
        box.Unload();
    });
}

}  // namespace programtest
