// The member list of a dispatch interface: names, dispatch ids and the kinds of call each takes.
// Objects answer GetIDOfName from it and check each Invoke against it before running the member.
#pragma once

#include "platform/com/Dispatch.h"

#include <span>
#include <string_view>

struct DispatchMember {
    std::string_view name;
    DISPID id;
    WORD kinds;  // DISPATCH_ flags the member accepts: a read-write property takes GET | PUT
};

class DispatchTable {
public:
    constexpr explicit DispatchTable(std::span<const DispatchMember> members) : members_(members) {}

    HRESULT IdOfName(std::string_view name, DISPID* id) const;
    // S_OK when `id` names a member that takes a call of kind `flags`, else DISP_E_MEMBERNOTFOUND.
    HRESULT CheckCall(DISPID id, WORD flags) const;

private:
    std::span<const DispatchMember> members_;
};
