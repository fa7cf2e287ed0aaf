// What a class library writes into HKEY_CLASSES_ROOT so that its classes can be created by id:
//   CLSID\{clsid}                   default: the ProgID (type library name "." class name)
//     InprocServer32                default: the library's absolute path; ThreadingModel
//     ProgID, TypeLib, Version      defaults: the ProgID, {libid}, the type library's version
//     Control                       (a control class only) hosts may place it on their windows
//   <ProgID>                        default: the ProgID;  <ProgID>\CLSID default: {clsid}
//   Interface\{iid}                 default: the interface name
//     TypeLib                       default: {libid};  Version: the type library's version
//   TypeLib\{libid}\<version>       default: the help string
//     <locale>\linux                default: the library's path;  FLAGS, HELPDIR
#pragma once

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#include <span>
#include <string>
#include <string_view>

struct TypeLibraryRegistration {
    GUID libid;
    std::string_view name;        // "prjQBYTXT"
    std::string_view version;     // "7.0"
    std::string_view helpString;  // shown as the type library's description
    std::string_view locale = "0";  // hexadecimal locale id: "0" neutral, "409" US English
};

struct InterfaceRegistration {
    IID iid;
    std::string_view name;  // "_clsPRGTXT"
};

struct ClassRegistration {
    CLSID clsid;
    std::string_view name;  // "clsPRGTXT"; the ProgID is the type library's name, ".", this name
    bool control = false;   // a control, to be placed on windows
    // The class's factory through an interface (GetClassFactory); null for a class the library
    // registers but does not hand out.
    HRESULT (*getFactory)(const IID& iid, void** object) = nullptr;
};

struct ServerRegistration {
    TypeLibraryRegistration typeLibrary;
    std::span<const InterfaceRegistration> interfaces;
    std::span<const ClassRegistration> classes;
};

// The absolute path of the loaded shared library that holds `address` (any function or object
// of that library); empty when it cannot be told.
std::string LibraryPathOf(const void* address);

// Writes every key above in one write of the registry file, so that the registration is there
// whole or not at all; SELFREG_E_CLASS when the write fails or the path is empty. Registering
// again overwrites.
HRESULT RegisterServer(const ServerRegistration& server, std::string_view libraryPath);
// Removes the keys of the classes, interfaces and type library, likewise in one write; keys
// already gone are fine.
HRESULT UnregisterServer(const ServerRegistration& server);

// "prjQBYTXT.clsPRGTXT"
std::string ProgIdOf(const ServerRegistration& server, const ClassRegistration& entry);
