// The dispatch interface: members found by name and called by number, with variant arguments.
#pragma once

#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"

#include <cstdint>
#include <span>
#include <string_view>

using DISPID = std::int32_t;
using WORD = std::uint16_t;

inline constexpr DISPID DISPID_UNKNOWN = -1;

// Kinds of call; a caller may combine METHOD and PROPERTYGET when either would do.
inline constexpr WORD DISPATCH_METHOD = 1;
inline constexpr WORD DISPATCH_PROPERTYGET = 2;
inline constexpr WORD DISPATCH_PROPERTYPUT = 4;
inline constexpr WORD DISPATCH_PROPERTYPUTREF = 8;

struct IDispatch : IUnknown {
    static constexpr IID InterfaceId = GuidLiteral("{00020400-0000-0000-C000-000000000046}");
    using BaseInterface = IUnknown;

    // The dispatch id of the member `name`, compared without regard to case;
    // DISP_E_UNKNOWNNAME (and DISPID_UNKNOWN in *id) when there is none.
    virtual HRESULT GetIDOfName(std::string_view name, DISPID* id) = 0;

    // Calls member `id`. The arguments stand in the order of the member's parameters, the new value
    // of a property put last; by-reference arguments may be written back. `result` may be null.
    // DISP_E_MEMBERNOTFOUND when no member takes this kind of call, DISP_E_BADPARAMCOUNT when the
    // number of arguments is wrong, DISP_E_TYPEMISMATCH when one cannot be converted.
    virtual HRESULT Invoke(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result) = 0;

protected:
    ~IDispatch() = default;
};

// Looks the member up by name, then calls it.
inline HRESULT InvokeByName(IDispatch* object, std::string_view name, WORD flags,
                            std::span<Variant> arguments, Variant* result)
{
    if (!object) return E_POINTER;
    DISPID id = DISPID_UNKNOWN;
    HRESULT status = object->GetIDOfName(name, &id);
    if (FAILED(status)) return status;
    return object->Invoke(id, flags, arguments, result);
}
