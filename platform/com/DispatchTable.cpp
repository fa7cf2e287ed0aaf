#include "platform/com/DispatchTable.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

HRESULT DispatchTable::IdOfName(std::string_view name, DISPID* id) const
{
    if (!id) return E_POINTER;
    for (const DispatchMember& member : members_) {
        if (SameNameIgnoringCase(member.name, name)) {
            *id = member.id;
            return S_OK;
        }
    }
    *id = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchTable::CheckCall(DISPID id, WORD flags) const
{
    for (const DispatchMember& member : members_) {
        if (member.id == id && (member.kinds & flags) != 0) return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}
