#include "platform/com/Guid.h"

#include <gtest/gtest.h>

TEST(Guid, FormatsInUpperCaseAndParsesBack)
{
    constexpr GUID id = GuidLiteral("{ffeb70be-59ca-4dc8-b7e6-0912c15b7ab6}");
    EXPECT_EQ(id.Data1, 0xFFEB70BEu);
    EXPECT_EQ(id.Data2, 0x59CA);
    EXPECT_EQ(id.Data3, 0x4DC8);
    EXPECT_EQ(id.Data4[0], 0xB7);
    EXPECT_EQ(id.Data4[7], 0xB6);
    EXPECT_EQ(GuidToString(id), "{FFEB70BE-59CA-4DC8-B7E6-0912C15B7AB6}");
    EXPECT_EQ(ParseGuid(GuidToString(id)), id);
}

TEST(Guid, KeepsLeadingZeros)
{
    constexpr GUID id = GuidLiteral("{00000001-0000-0000-C000-000000000046}");
    EXPECT_EQ(GuidToString(id), "{00000001-0000-0000-C000-000000000046}");
}

TEST(Guid, RefusesMalformedText)
{
    EXPECT_FALSE(ParseGuid("FFEB70BE-59CA-4DC8-B7E6-0912C15B7AB6"));      // no braces
    EXPECT_FALSE(ParseGuid("{FFEB70BE-59CA-4DC8-B7E6-0912C15B7AB}"));     // one digit short
    EXPECT_FALSE(ParseGuid("{FFEB70BE-59CA-4DC8-B7E6-0912C15B7AB6}x"));   // text after it
    EXPECT_FALSE(ParseGuid("{FFEB70BE-59CA-4DC8-B7E60-912C15B7AB6}"));    // dash misplaced
    EXPECT_FALSE(ParseGuid("{FFEB70BG-59CA-4DC8-B7E6-0912C15B7AB6}"));    // not a hex digit
    EXPECT_FALSE(ParseGuid("{FFEB70BE-59CA-4DC8-B7E6-0912C15B7A 6}"));
    EXPECT_FALSE(ParseGuid(""));
}
