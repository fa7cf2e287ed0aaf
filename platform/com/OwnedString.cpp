#include "platform/com/OwnedString.h"

#include <cstdlib>
#include <cstring>

// Layout: [uint32 length][text bytes][NUL]; the BSTR points at the text.
namespace {
constexpr std::size_t kPrefix = sizeof(std::uint32_t);
}

BSTR SysAllocStringLen(const char* text, std::uint32_t length)
{
    auto* block = static_cast<char*>(std::malloc(kPrefix + std::size_t{length} + 1));
    if (!block) return nullptr;
    std::memcpy(block, &length, kPrefix);
    char* result = block + kPrefix;
    if (text && length > 0) std::memcpy(result, text, length);
    result[length] = '\0';
    return result;
}

BSTR SysAllocString(std::string_view text)
{
    if (text.size() > UINT32_MAX - kPrefix - 1) return nullptr;
    return SysAllocStringLen(text.data(), static_cast<std::uint32_t>(text.size()));
}

void SysFreeString(BSTR text)
{
    if (text) std::free(text - kPrefix);
}

std::uint32_t SysStringLen(BSTR text)
{
    if (!text) return 0;
    std::uint32_t length;
    std::memcpy(&length, text - kPrefix, kPrefix);
    return length;
}
