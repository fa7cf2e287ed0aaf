// The type library of Sizeguard: its identifiers and the interface of the control ResizeLck.
// A program includes this header to call the control through its interface; it does not link
// against the library. The private control Subclass is not part of the type library.
#pragma once

#include "platform/com/Dispatch.h"

#include <cstdint>

namespace prjRESIZELCK {

inline constexpr GUID LIBID_prjRESIZELCK = GuidLiteral("{D28CC5D1-F4F7-4B2B-81C5-D734FD0B6A45}");
inline constexpr const char* kTypeLibraryName = "prjRESIZELCK";
inline constexpr const char* kTypeLibraryVersion = "23.0";
inline constexpr const char* kTypeLibraryHelp = "Sizeguard";
inline constexpr const char* kTypeLibraryLocale = "409";  // 1033, US English

// Dual interface _ResizeLck (hidden, non-extensible).
inline constexpr IID IID__ResizeLck = GuidLiteral("{1F965F3D-D47C-4F25-BAAF-F32E9BD44EE7}");
// Event interface __ResizeLck (hidden): the control raises no events, so it has no members.
inline constexpr IID DIID___ResizeLck = GuidLiteral("{7E8FC5AA-7006-4617-8D39-6F3EF7D3C6EF}");
// Control class ResizeLck: default interface _ResizeLck, default source interface __ResizeLck.
inline constexpr CLSID CLSID_ResizeLck = GuidLiteral("{41E2C7AD-A7D5-459E-8EF5-CDB7B92EAAEF}");

inline constexpr DISPID DISPID_HasMaxSize = 0x68030004;
inline constexpr DISPID DISPID_MaxHeight = 0x68030003;
inline constexpr DISPID DISPID_MaxWidth = 0x68030002;
inline constexpr DISPID DISPID_MinHeight = 0x68030001;
inline constexpr DISPID DISPID_MinWidth = 0x68030000;

// Window sizes in pixels. MaxHeight and MaxWidth take their new value by reference: a value the
// control raises to the minimum is written back into the caller's variable.
struct _ResizeLck : IDispatch {
    static constexpr IID InterfaceId = IID__ResizeLck;
    using BaseInterface = IDispatch;

    virtual HRESULT get_HasMaxSize(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_HasMaxSize(VARIANT_BOOL bNewValue) = 0;
    virtual HRESULT get_MaxHeight(std::int32_t* value) = 0;
    virtual HRESULT put_MaxHeight(std::int32_t* lNewValue) = 0;
    virtual HRESULT get_MaxWidth(std::int32_t* value) = 0;
    virtual HRESULT put_MaxWidth(std::int32_t* lNewValue) = 0;
    virtual HRESULT get_MinHeight(std::int32_t* value) = 0;
    virtual HRESULT put_MinHeight(std::int32_t lNewValue) = 0;
    virtual HRESULT get_MinWidth(std::int32_t* value) = 0;
    virtual HRESULT put_MinWidth(std::int32_t lNewValue) = 0;

protected:
    ~_ResizeLck() = default;
};

}  // namespace prjRESIZELCK
