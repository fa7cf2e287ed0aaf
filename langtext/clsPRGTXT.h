// The class clsPRGTXT: answers the interface texts of one language as one string, the entries
// joined with "|". Its one field strLANG is the working string the lists are built in.
#pragma once

#include "langtext/InterfaceTexts.h"
#include "langtext/prjQBYTXT.h"
#include "platform/com/DispatchObject.h"

#include <string>

class clsPRGTXT final : public DispatchObject<prjQBYTXT::_clsPRGTXT> {
public:
    clsPRGTXT();
    ~clsPRGTXT() override;

    HRESULT get_strLANG(BSTR* value) override;
    HRESULT put_strLANG(BSTR value) override;
    HRESULT LanguageEnglish(BSTR* result) override;
    HRESULT LanguageKorean(BSTR* result) override;

protected:
    const DispatchTable& Members() const override;
    HRESULT InvokeMember(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result) override;

private:
    // Builds the list of `entries` in strLANG from scratch and hands back a copy.
    HRESULT BuildList(const InterfaceTextEntries& entries, BSTR* result);

    std::string strLANG;
};
