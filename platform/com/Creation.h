// Creating an object by its class id: the class's library is found in HKEY_CLASSES_ROOT, loaded
// once and kept for the rest of the run, and asked for the class's factory.
//
// Each failure has its own answer: REGDB_E_CLASSNOTREG (no library registered for the id),
// CO_E_DLLNOTFOUND (the library cannot be loaded), CO_E_ERRORINDLL (it has no DllGetClassObject),
// or what the library answers (CLASS_E_CLASSNOTAVAILABLE when it refuses the class,
// E_NOINTERFACE when the object lacks the interface asked for).
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#include <string>

// The registered library path of class `clsid` (CLSID\{clsid}\InprocServer32).
HRESULT ClassLibraryPath(const CLSID& clsid, std::string* path);

// Loads the library of class `clsid` on a worker thread, so that creating the class later finds
// it loaded: a program starts loading the libraries of its first objects while the toolkit
// starts. A library that cannot be found or loaded is left for the creation to report.
void PrefetchClassLibrary(const CLSID& clsid);

HRESULT CoGetClassObject(const CLSID& clsid, const IID& iid, void** object);
HRESULT CoCreateInstance(const CLSID& clsid, const IID& iid, void** object);

template <class Interface>
HRESULT CreateObject(const CLSID& clsid, ComPtr<Interface>* object)
{
    return CoCreateInstance(clsid, Interface::InterfaceId, object->ReceiveVoid());
}
