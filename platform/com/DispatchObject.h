// An object with a dual interface: the interface's own functions plus the dispatch calls, which
// are checked against the object's member table before the object runs them.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/DispatchTable.h"

template <class Interface>
class DispatchObject : public ComObject<Interface> {
public:
    HRESULT GetIDOfName(std::string_view name, DISPID* id) override { return Members().IdOfName(name, id); }

    HRESULT Invoke(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result) override
    {
        HRESULT status = Members().CheckCall(id, flags);
        if (FAILED(status)) return status;
        return InvokeMember(id, flags, arguments, result);
    }

protected:
    virtual const DispatchTable& Members() const = 0;
    // Runs a member that the table accepts for this kind of call.
    virtual HRESULT InvokeMember(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result) = 0;
};
