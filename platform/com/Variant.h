// A value of one of the kinds a dispatch call passes: empty, Boolean, 16- and 32-bit integers,
// double, string, object (pictures travel as objects), or a reference to a caller's variable of
// one of those kinds, through which a called member can write back.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/OwnedString.h"
#include "platform/com/Unknown.h"

#include <cstdint>
#include <string>
#include <string_view>

using VARTYPE = std::uint16_t;
inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_I2 = 2;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_R8 = 5;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_BOOL = 11;
inline constexpr VARTYPE VT_VARIANT = 12;
inline constexpr VARTYPE VT_UNKNOWN = 13;
inline constexpr VARTYPE VT_BYREF = 0x4000;

// Booleans are 16-bit: True is -1.
using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

class Variant {
public:
    Variant() = default;

    static Variant Bool(bool value);
    static Variant Int16(std::int16_t value);
    static Variant Long(std::int32_t value);
    static Variant Double(double value);
    static Variant String(std::string_view value);
    // Adds a reference of its own; a null object is the object "Nothing".
    static Variant Object(IUnknown* value);

    // References to the caller's variables; the variable must outlive the variant.
    static Variant RefBool(VARIANT_BOOL* target);
    static Variant RefInt16(std::int16_t* target);
    static Variant RefLong(std::int32_t* target);
    static Variant RefDouble(double* target);
    static Variant RefString(OwnedString* target);
    static Variant RefObject(ComPtr<IUnknown>* target);
    static Variant RefVariant(Variant* target);

    // The kind, with VT_BYREF set for a reference.
    VARTYPE Type() const { return type_; }
    bool IsByRef() const { return (type_ & VT_BYREF) != 0; }
    bool IsEmpty() const { return type_ == VT_EMPTY; }

    // The value itself: for a reference, a plain copy of what the referenced variable holds.
    Variant Dereferenced() const;

    // Conversions of the value (a reference is followed). Numbers round half to even when they
    // become integers; DISP_E_OVERFLOW when out of range, DISP_E_TYPEMISMATCH when the value
    // cannot be read as the wanted kind (text that is not a number, an object as a number).
    HRESULT ToBool(bool* result) const;
    HRESULT ToInt16(std::int16_t* result) const;
    HRESULT ToLong(std::int32_t* result) const;
    HRESULT ToDouble(double* result) const;
    HRESULT ToString(std::string* result) const;
    HRESULT ToObject(ComPtr<IUnknown>* result) const;

    // For a reference: converts `value` to the referenced variable's kind and stores it there.
    // For a plain variant: becomes a copy of `value`'s value.
    HRESULT Assign(const Variant& value);

private:
    // A Boolean or integer variant of kind `kind`.
    static Variant Integer(VARTYPE kind, std::int32_t value);
    // A reference of kind `kind` to `target`; empty when target is null.
    static Variant Reference(VARTYPE kind, void* target);

    VARTYPE type_ = VT_EMPTY;
    std::int32_t integer_ = 0;  // VT_BOOL, VT_I2, VT_I4
    double real_ = 0;
    OwnedString text_;
    ComPtr<IUnknown> object_;
    void* target_ = nullptr;    // VT_BYREF
};
