#include "platform/com/DispatchObject.h"

#include <gtest/gtest.h>

namespace {

// A small control-like interface: a caption, a maximum that is raised to a minimum and written
// back into the caller's variable, and a method.
struct ITestControl : IDispatch {
    static constexpr IID InterfaceId = GuidLiteral("{6B0B7C1E-3D52-4C55-9F0A-2E1D6C7A8B90}");
    using BaseInterface = IDispatch;
    virtual int Presses() const = 0;

protected:
    ~ITestControl() = default;
};

constexpr DISPID kCaption = 0x68030009;
constexpr DISPID kMaxWidth = 0x68030002;
constexpr DISPID kPress = 0x6003001C;
constexpr DispatchMember kMembers[] = {
    {"CAPTION", kCaption, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT},
    {"MaxWidth", kMaxWidth, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT},
    {"PICPNORMAL", kPress, DISPATCH_METHOD},
};
constexpr DispatchTable kTable{kMembers};

class TestControl final : public DispatchObject<ITestControl> {
public:
    int Presses() const override { return presses_; }

protected:
    const DispatchTable& Members() const override { return kTable; }

    HRESULT InvokeMember(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result) override
    {
        bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
        if (put && arguments.size() != 1) return DISP_E_BADPARAMCOUNT;
        switch (id) {
        case kCaption:
            if (put) return arguments[0].ToString(&caption_);
            if (result) *result = Variant::String(caption_);
            return S_OK;
        case kMaxWidth:
            if (put) {
                std::int32_t value = 0;
                HRESULT status = arguments[0].ToLong(&value);
                if (FAILED(status)) return status;
                maxWidth_ = std::max(value, 200);
                return arguments[0].IsByRef() ? arguments[0].Assign(Variant::Long(maxWidth_)) : S_OK;
            }
            if (result) *result = Variant::Long(maxWidth_);
            return S_OK;
        case kPress: ++presses_; return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    std::string caption_;
    std::int32_t maxWidth_ = 0;
    int presses_ = 0;
};

}  // namespace

TEST(ComObject, AnswersItsInterfaceChainAndNothingElse)
{
    ComPtr<TestControl> control = MakeComObject<TestControl>();
    ComPtr<IUnknown> unknown = control.As<IUnknown>();
    ComPtr<IDispatch> dispatch = control.As<IDispatch>();
    ComPtr<ITestControl> own = unknown.As<ITestControl>();
    EXPECT_TRUE(unknown && dispatch && own);
    EXPECT_EQ(static_cast<void*>(own.Get()), static_cast<void*>(control.Get()));

    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(control->QueryInterface(GuidLiteral("{00000001-0000-0000-C000-000000000046}"), &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(control->QueryInterface(IUnknown::InterfaceId, nullptr), E_POINTER);
}

TEST(Dispatch, NamesAreFoundWithoutRegardToCase)
{
    ComPtr<IDispatch> control = MakeComObject<TestControl>().As<IDispatch>();
    DISPID id = 0;
    ASSERT_EQ(control->GetIDOfName("caption", &id), S_OK);
    EXPECT_EQ(id, kCaption);
    ASSERT_EQ(control->GetIDOfName("maxwidth", &id), S_OK);
    EXPECT_EQ(id, kMaxWidth);
    EXPECT_EQ(control->GetIDOfName("Captions", &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST(Dispatch, PropertiesAndMethodsByIdAndByName)
{
    ComPtr<TestControl> object = MakeComObject<TestControl>();
    ComPtr<IDispatch> control = object.As<IDispatch>();
    Variant value[] = {Variant::String("OK")};
    ASSERT_EQ(control->Invoke(kCaption, DISPATCH_PROPERTYPUT, value, nullptr), S_OK);
    Variant result;
    ASSERT_EQ(InvokeByName(control.Get(), "Caption", DISPATCH_PROPERTYGET, {}, &result), S_OK);
    std::string caption;
    ASSERT_EQ(result.ToString(&caption), S_OK);
    EXPECT_EQ(caption, "OK");

    ASSERT_EQ(InvokeByName(control.Get(), "picpnormal", DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_EQ(object->Presses(), 1);
}

TEST(Dispatch, ByReferenceArgumentsAreWrittenBack)
{
    ComPtr<IDispatch> control = MakeComObject<TestControl>().As<IDispatch>();
    std::int32_t callersWidth = 150;
    Variant argument[] = {Variant::RefLong(&callersWidth)};
    ASSERT_EQ(control->Invoke(kMaxWidth, DISPATCH_PROPERTYPUT, argument, nullptr), S_OK);
    EXPECT_EQ(callersWidth, 200);

    Variant byValue[] = {Variant::Long(150)};
    ASSERT_EQ(control->Invoke(kMaxWidth, DISPATCH_PROPERTYPUT, byValue, nullptr), S_OK);
    EXPECT_EQ(byValue[0].Type(), VT_I4);
}

TEST(Dispatch, WrongKindsOfCallAreRefused)
{
    ComPtr<IDispatch> control = MakeComObject<TestControl>().As<IDispatch>();
    Variant value[] = {Variant::Long(1)};
    EXPECT_EQ(control->Invoke(kPress, DISPATCH_PROPERTYPUT, value, nullptr), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(control->Invoke(kCaption, DISPATCH_METHOD, {}, nullptr), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(control->Invoke(0x12345, DISPATCH_PROPERTYGET, {}, nullptr), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(control->Invoke(kCaption, DISPATCH_PROPERTYPUT, {}, nullptr), DISP_E_BADPARAMCOUNT);
    Variant notANumber[] = {Variant::String("wide")};
    EXPECT_EQ(control->Invoke(kMaxWidth, DISPATCH_PROPERTYPUT, notANumber, nullptr), DISP_E_TYPEMISMATCH);
}
