// The type library of Langtext: its identifiers and the interface of the class clsPRGTXT.
// The program includes this header to call the class; it does not link against the library.
#pragma once

#include "platform/com/Dispatch.h"
#include "platform/com/OwnedString.h"

namespace prjQBYTXT {

inline constexpr GUID LIBID_prjQBYTXT = GuidLiteral("{43A89CDA-2B7B-4056-B1A9-EF6407295926}");
inline constexpr const char* kTypeLibraryVersion = "7.0";
inline constexpr IID IID__clsPRGTXT = GuidLiteral("{A299B113-675F-497F-BF5B-AF4F041133E1}");
inline constexpr CLSID CLSID_clsPRGTXT = GuidLiteral("{FFEB70BE-59CA-4DC8-B7E6-0912C15B7AB6}");

inline constexpr DISPID DISPID_strLANG = 0x40030000;
inline constexpr DISPID DISPID_LanguageEnglish = 0x60030000;
inline constexpr DISPID DISPID_LanguageKorean = 0x60030001;

// Dual interface: these functions, and the same members through Invoke.
// Strings returned through a BSTR* are new strings that the caller frees.
struct _clsPRGTXT : IDispatch {
    static constexpr IID InterfaceId = IID__clsPRGTXT;
    using BaseInterface = IDispatch;

    virtual HRESULT get_strLANG(BSTR* value) = 0;
    virtual HRESULT put_strLANG(BSTR value) = 0;
    // All 51 interface texts of the language, joined with "|".
    virtual HRESULT LanguageEnglish(BSTR* result) = 0;
    virtual HRESULT LanguageKorean(BSTR* result) = 0;

protected:
    ~_clsPRGTXT() = default;
};

}  // namespace prjQBYTXT
