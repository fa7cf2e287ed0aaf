#include "platform/com/Variant.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <strings.h>

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// A whole text read as a number; false when anything but a number stands in it.
bool NumberFromText(std::string_view text, double* result)
{
    std::string trimmed(TrimBlanks(text));
    if (trimmed.empty()) return false;
    char* end = nullptr;
    double value = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) return false;
    *result = value;
    return true;
}

HRESULT RoundToRange(double value, double low, double high, std::int32_t* result)
{
    if (!std::isfinite(value)) return DISP_E_OVERFLOW;
    double rounded = std::nearbyint(value);  // the default rounding mode: half to even
    if (rounded < low || rounded > high) return DISP_E_OVERFLOW;
    *result = static_cast<std::int32_t>(rounded);
    return S_OK;
}

}  // namespace

Variant Variant::Integer(VARTYPE kind, std::int32_t value)
{
    Variant result;
    result.type_ = kind;
    result.integer_ = value;
    return result;
}

Variant Variant::Bool(bool value) { return Integer(VT_BOOL, value ? VARIANT_TRUE : VARIANT_FALSE); }
Variant Variant::Int16(std::int16_t value) { return Integer(VT_I2, value); }
Variant Variant::Long(std::int32_t value) { return Integer(VT_I4, value); }

Variant Variant::Double(double value)
{
    Variant result;
    result.type_ = VT_R8;
    result.real_ = value;
    return result;
}

Variant Variant::String(std::string_view value)
{
    Variant result;
    result.type_ = VT_BSTR;
    result.text_ = OwnedString(value);
    return result;
}

Variant Variant::Object(IUnknown* value)
{
    Variant result;
    result.type_ = VT_UNKNOWN;
    result.object_ = ComPtr<IUnknown>(value);
    return result;
}

Variant Variant::Reference(VARTYPE kind, void* target)
{
    Variant result;
    if (!target) return result;
    result.type_ = VT_BYREF | kind;
    result.target_ = target;
    return result;
}

Variant Variant::RefBool(VARIANT_BOOL* target) { return Reference(VT_BOOL, target); }
Variant Variant::RefInt16(std::int16_t* target) { return Reference(VT_I2, target); }
Variant Variant::RefLong(std::int32_t* target) { return Reference(VT_I4, target); }
Variant Variant::RefDouble(double* target) { return Reference(VT_R8, target); }
Variant Variant::RefString(OwnedString* target) { return Reference(VT_BSTR, target); }
Variant Variant::RefObject(ComPtr<IUnknown>* target) { return Reference(VT_UNKNOWN, target); }
Variant Variant::RefVariant(Variant* target) { return Reference(VT_VARIANT, target); }

Variant Variant::Dereferenced() const
{
    switch (type_) {
    case VT_BYREF | VT_BOOL: return Bool(*static_cast<VARIANT_BOOL*>(target_) != 0);
    case VT_BYREF | VT_I2: return Int16(*static_cast<std::int16_t*>(target_));
    case VT_BYREF | VT_I4: return Long(*static_cast<std::int32_t*>(target_));
    case VT_BYREF | VT_R8: return Double(*static_cast<double*>(target_));
    case VT_BYREF | VT_BSTR: return String(static_cast<OwnedString*>(target_)->View());
    case VT_BYREF | VT_UNKNOWN: return Object(static_cast<ComPtr<IUnknown>*>(target_)->Get());
    case VT_BYREF | VT_VARIANT: {
        const auto* inner = static_cast<const Variant*>(target_);
        // A referenced variant is read one level deep; a reference held in it is not followed.
        return inner->IsByRef() ? Variant() : *inner;
    }
    default: return *this;
    }
}

HRESULT Variant::ToDouble(double* result) const
{
    if (IsByRef()) return Dereferenced().ToDouble(result);
    switch (type_) {
    case VT_EMPTY: *result = 0; return S_OK;
    case VT_BOOL:
    case VT_I2:
    case VT_I4: *result = integer_; return S_OK;
    case VT_R8: *result = real_; return S_OK;
    case VT_BSTR: return NumberFromText(text_.View(), result) ? S_OK : DISP_E_TYPEMISMATCH;
    default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT Variant::ToLong(std::int32_t* result) const
{
    double value = 0;
    HRESULT status = ToDouble(&value);
    if (FAILED(status)) return status;
    return RoundToRange(value, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max(), result);
}

HRESULT Variant::ToInt16(std::int16_t* result) const
{
    double value = 0;
    HRESULT status = ToDouble(&value);
    if (FAILED(status)) return status;
    std::int32_t rounded = 0;
    status = RoundToRange(value, std::numeric_limits<std::int16_t>::min(),
                          std::numeric_limits<std::int16_t>::max(), &rounded);
    if (SUCCEEDED(status)) *result = static_cast<std::int16_t>(rounded);
    return status;
}

HRESULT Variant::ToBool(bool* result) const
{
    if (IsByRef()) return Dereferenced().ToBool(result);
    if (type_ == VT_BSTR) {
        std::string text(TrimBlanks(text_.View()));
        if (strcasecmp(text.c_str(), "True") == 0) {
            *result = true;
            return S_OK;
        }
        if (strcasecmp(text.c_str(), "False") == 0) {
            *result = false;
            return S_OK;
        }
    }
    double value = 0;
    HRESULT status = ToDouble(&value);
    if (SUCCEEDED(status)) *result = value != 0;
    return status;
}

HRESULT Variant::ToString(std::string* result) const
{
    if (IsByRef()) return Dereferenced().ToString(result);
    switch (type_) {
    case VT_EMPTY: result->clear(); return S_OK;
    case VT_BOOL: *result = integer_ != 0 ? "True" : "False"; return S_OK;
    case VT_I2:
    case VT_I4: *result = std::to_string(integer_); return S_OK;
    case VT_R8: {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", real_);
        *result = text;
        return S_OK;
    }
    case VT_BSTR: *result = text_.Str(); return S_OK;
    default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT Variant::ToObject(ComPtr<IUnknown>* result) const
{
    if (IsByRef()) return Dereferenced().ToObject(result);
    if (type_ != VT_UNKNOWN) return DISP_E_TYPEMISMATCH;
    *result = object_;
    return S_OK;
}

HRESULT Variant::Assign(const Variant& value)
{
    Variant plain = value.Dereferenced();
    HRESULT status = S_OK;
    switch (type_) {
    case VT_BYREF | VT_BOOL: {
        bool converted = false;
        status = plain.ToBool(&converted);
        if (SUCCEEDED(status)) *static_cast<VARIANT_BOOL*>(target_) = converted ? VARIANT_TRUE : VARIANT_FALSE;
        return status;
    }
    case VT_BYREF | VT_I2: return plain.ToInt16(static_cast<std::int16_t*>(target_));
    case VT_BYREF | VT_I4: return plain.ToLong(static_cast<std::int32_t*>(target_));
    case VT_BYREF | VT_R8: return plain.ToDouble(static_cast<double*>(target_));
    case VT_BYREF | VT_BSTR: {
        std::string converted;
        status = plain.ToString(&converted);
        if (SUCCEEDED(status)) *static_cast<OwnedString*>(target_) = OwnedString(converted);
        return status;
    }
    case VT_BYREF | VT_UNKNOWN: return plain.ToObject(static_cast<ComPtr<IUnknown>*>(target_));
    case VT_BYREF | VT_VARIANT: *static_cast<Variant*>(target_) = plain; return S_OK;
    default: *this = plain; return S_OK;
    }
}
