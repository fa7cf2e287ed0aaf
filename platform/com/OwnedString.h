// Strings handed across library boundaries: allocated and freed by the platform library only, so
// a string made in one library can be freed by another.
//
// A BSTR points at UTF-8 text followed by a NUL; its length in bytes is stored in front of it, so
// it may hold NUL bytes itself. A null BSTR is the empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

using BSTR = char*;

// A new string with a copy of `text`; null when memory runs out.
BSTR SysAllocStringLen(const char* text, std::uint32_t length);
BSTR SysAllocString(std::string_view text);
void SysFreeString(BSTR text);
// Length in bytes (0 for null).
std::uint32_t SysStringLen(BSTR text);

// Owns one BSTR and frees it when it goes.
class OwnedString {
public:
    OwnedString() = default;
    explicit OwnedString(std::string_view text) : text_(SysAllocString(text)) {}
    OwnedString(const OwnedString& other) : OwnedString(other.View()) {}
    OwnedString(OwnedString&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
    ~OwnedString() { SysFreeString(text_); }

    OwnedString& operator=(OwnedString other) noexcept
    {
        std::swap(text_, other.text_);
        return *this;
    }

    // Takes over a string the caller owns.
    static OwnedString Adopt(BSTR text)
    {
        OwnedString result;
        result.text_ = text;
        return result;
    }

    // Frees what is held and gives the address an out argument fills.
    BSTR* Out()
    {
        SysFreeString(std::exchange(text_, nullptr));
        return &text_;
    }

    // Hands the string over; the caller frees it.
    BSTR Detach() { return std::exchange(text_, nullptr); }

    BSTR Get() const { return text_; }
    std::string_view View() const { return {text_ ? text_ : "", SysStringLen(text_)}; }
    std::string Str() const { return std::string(View()); }

private:
    BSTR text_ = nullptr;
};
