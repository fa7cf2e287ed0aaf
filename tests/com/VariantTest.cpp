#include "platform/com/ComObject.h"
#include "platform/com/Variant.h"

#include <gtest/gtest.h>

namespace {

// An object that tells when it is destroyed.
class Watched final : public ComObject<IUnknown> {
public:
    explicit Watched(bool& destroyed) : destroyed_(destroyed) {}
    ~Watched() override { destroyed_ = true; }

private:
    bool& destroyed_;
};

}  // namespace

TEST(OwnedString, HoldsBytesIncludingNulAndNullIsEmpty)
{
    OwnedString text(std::string_view("a\0b", 3));
    EXPECT_EQ(SysStringLen(text.Get()), 3u);
    EXPECT_EQ(text.View(), std::string_view("a\0b", 3));
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(OwnedString().View(), "");

    BSTR handedOver = OwnedString("moved").Detach();
    OwnedString adopted = OwnedString::Adopt(handedOver);
    EXPECT_EQ(adopted.Str(), "moved");
}

TEST(Variant, IntegersRoundHalfToEvenAndRefuseOverflow)
{
    std::int32_t value = 0;
    ASSERT_EQ(Variant::Double(2.5).ToLong(&value), S_OK);
    EXPECT_EQ(value, 2);
    ASSERT_EQ(Variant::Double(3.5).ToLong(&value), S_OK);
    EXPECT_EQ(value, 4);
    ASSERT_EQ(Variant::String(" -2147483647 ").ToLong(&value), S_OK);
    EXPECT_EQ(value, -2147483647);
    EXPECT_EQ(Variant::Double(2147483648.0).ToLong(&value), DISP_E_OVERFLOW);

    std::int16_t small = 0;
    EXPECT_EQ(Variant::Long(40000).ToInt16(&small), DISP_E_OVERFLOW);
    ASSERT_EQ(Variant::Bool(true).ToInt16(&small), S_OK);
    EXPECT_EQ(small, -1);
}

TEST(Variant, TextAndObjectsConvertOnlyWhereTheyCan)
{
    std::int32_t number = 0;
    EXPECT_EQ(Variant::String("twelve").ToLong(&number), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Variant::Object(nullptr).ToLong(&number), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(Variant().ToLong(&number), S_OK);
    EXPECT_EQ(number, 0);

    bool flag = false;
    ASSERT_EQ(Variant::String("true").ToBool(&flag), S_OK);
    EXPECT_TRUE(flag);
    ASSERT_EQ(Variant::Long(0).ToBool(&flag), S_OK);
    EXPECT_FALSE(flag);

    std::string text;
    ASSERT_EQ(Variant::Bool(false).ToString(&text), S_OK);
    EXPECT_EQ(text, "False");
    ASSERT_EQ(Variant::Double(0.5).ToString(&text), S_OK);
    EXPECT_EQ(text, "0.5");
    EXPECT_EQ(Variant::Object(nullptr).ToString(&text), DISP_E_TYPEMISMATCH);
}

TEST(Variant, ReferencesAreReadThroughAndWrittenBackInTheirOwnKind)
{
    std::int32_t width = 100;
    Variant reference = Variant::RefLong(&width);
    EXPECT_EQ(reference.Type(), VT_BYREF | VT_I4);
    std::int32_t read = 0;
    ASSERT_EQ(reference.ToLong(&read), S_OK);
    EXPECT_EQ(read, 100);
    ASSERT_EQ(reference.Assign(Variant::String("675")), S_OK);
    EXPECT_EQ(width, 675);

    std::int16_t small = 7;
    Variant smallReference = Variant::RefInt16(&small);
    EXPECT_EQ(smallReference.Assign(Variant::Long(70000)), DISP_E_OVERFLOW);
    EXPECT_EQ(small, 7);  // a failed write leaves the variable as it was

    OwnedString caption("old");
    ASSERT_EQ(Variant::RefString(&caption).Assign(Variant::Long(24)), S_OK);
    EXPECT_EQ(caption.Str(), "24");

    Variant holder;
    ASSERT_EQ(Variant::RefVariant(&holder).Assign(Variant::RefLong(&width)), S_OK);
    EXPECT_EQ(holder.Type(), VT_I4);  // the value is stored, not the reference
}

TEST(Variant, ObjectsAreKeptAliveWhileHeld)
{
    bool destroyed = false;
    {
        ComPtr<Watched> object = MakeComObject<Watched>(destroyed);
        Variant first = Variant::Object(object.Get());
        object.Reset();
        Variant copy = first;
        first = Variant();
        EXPECT_FALSE(destroyed);
        ComPtr<IUnknown> back;
        ASSERT_EQ(copy.ToObject(&back), S_OK);
        EXPECT_TRUE(back);
    }
    EXPECT_TRUE(destroyed);
}
