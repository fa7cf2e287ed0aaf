#include "langtext/clsPRGTXT.h"

#include "langtext/LangtextServer.h"

using namespace prjQBYTXT;

namespace {

constexpr DispatchMember kMembers[] = {
    {"strLANG", DISPID_strLANG, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT},
    {"LanguageEnglish", DISPID_LanguageEnglish, DISPATCH_METHOD | DISPATCH_PROPERTYGET},
    {"LanguageKorean", DISPID_LanguageKorean, DISPATCH_METHOD | DISPATCH_PROPERTYGET},
};
constexpr DispatchTable kMemberTable{kMembers};

// Stores a new string in *out; E_OUTOFMEMORY when none can be had.
HRESULT NewString(std::string_view text, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

clsPRGTXT::clsPRGTXT() { LangtextUsage().Up(); }

clsPRGTXT::~clsPRGTXT() { LangtextUsage().Down(); }

HRESULT clsPRGTXT::get_strLANG(BSTR* value) { return NewString(strLANG, value); }

HRESULT clsPRGTXT::put_strLANG(BSTR value)
{
    strLANG.assign(value ? value : "", SysStringLen(value));
    return S_OK;
}

HRESULT clsPRGTXT::LanguageEnglish(BSTR* result) { return BuildList(kEnglishTexts, result); }

HRESULT clsPRGTXT::LanguageKorean(BSTR* result) { return BuildList(kKoreanTexts, result); }

HRESULT clsPRGTXT::BuildList(const InterfaceTextEntries& entries, BSTR* result)
{
    strLANG = entries[0];
    for (int entry = 1; entry < kInterfaceTextCount; ++entry) {
        strLANG += '|';
        strLANG += entries[entry];
    }
    return NewString(strLANG, result);
}

const DispatchTable& clsPRGTXT::Members() const { return kMemberTable; }

HRESULT clsPRGTXT::InvokeMember(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result)
{
    if (id == DISPID_strLANG && (flags & DISPATCH_PROPERTYPUT)) {
        if (arguments.size() != 1) return DISP_E_BADPARAMCOUNT;
        std::string value;
        HRESULT status = arguments[0].ToString(&value);
        if (SUCCEEDED(status)) strLANG = value;
        return status;
    }
    if (!arguments.empty()) return DISP_E_BADPARAMCOUNT;
    OwnedString text;
    HRESULT status = E_UNEXPECTED;
    switch (id) {
    case DISPID_strLANG: status = get_strLANG(text.Out()); break;
    case DISPID_LanguageEnglish: status = LanguageEnglish(text.Out()); break;
    case DISPID_LanguageKorean: status = LanguageKorean(text.Out()); break;
    }
    if (SUCCEEDED(status) && result) *result = Variant::String(text.View());
    return status;
}
