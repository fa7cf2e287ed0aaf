// The base of every interface: reference counting and asking an object for another interface.
//
// An interface is an abstract class with a static `InterfaceId` and, for every interface but this
// one, a `BaseInterface` alias naming the interface it extends. Objects delete themselves when the
// last reference is released; nobody deletes them through an interface pointer.
#pragma once

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#include <cstdint>

using ULONG = std::uint32_t;

struct IUnknown {
    static constexpr IID InterfaceId = GuidLiteral("{00000000-0000-0000-C000-000000000046}");

    // Stores the interface `iid` of this object in *object with one reference added, or null.
    virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// True when `iid` names Interface or one of the interfaces it extends.
template <class Interface>
constexpr bool InterfaceChainHas(const IID& iid)
{
    if (iid == Interface::InterfaceId) return true;
    if constexpr (requires { typename Interface::BaseInterface; }) {
        return InterfaceChainHas<typename Interface::BaseInterface>(iid);
    } else {
        return false;
    }
}
