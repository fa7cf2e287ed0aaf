// The four functions every class library exports, found by name after the library is loaded.
// A library includes this header and defines all four.
#pragma once

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

// Makes a function visible outside a library built with hidden symbols.
#define QBY_EXPORT __attribute__((visibility("default")))

extern "C" {
// Writes the library's classes, interfaces and type library into HKEY_CLASSES_ROOT.
QBY_EXPORT HRESULT DllRegisterServer();
// Removes what DllRegisterServer wrote.
QBY_EXPORT HRESULT DllUnregisterServer();
// The class factory of class `clsid` through interface `iid`; CLASS_E_CLASSNOTAVAILABLE for a
// class the library does not have.
QBY_EXPORT HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object);
// S_OK when no object or lock of the library is alive, else S_FALSE.
QBY_EXPORT HRESULT DllCanUnloadNow();
}

using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();
using DllGetClassObjectFunction = HRESULT (*)(const CLSID&, const IID&, void**);
using DllCanUnloadNowFunction = HRESULT (*)();
