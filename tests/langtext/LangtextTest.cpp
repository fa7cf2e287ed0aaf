// Langtext as the program meets it: registered, created by class id, called by dispatch or directly.
#include "langtext/prjQBYTXT.h"
#include "platform/com/ClassFactory.h"
#include "platform/com/Creation.h"
#include "platform/com/EntryPoints.h"
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <vector>

using namespace prjQBYTXT;

namespace {

const std::string kLangtext = std::string(QBY_BUILD_DIR) + "/langtext/liblangtext.so";

std::vector<std::string> Pieces(const std::string& list)
{
    std::vector<std::string> pieces(1);
    for (char c : list) {
        if (c == '|') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

std::string StringResult(IDispatch* object, std::string_view name, WORD flags = DISPATCH_METHOD)
{
    Variant result;
    EXPECT_EQ(InvokeByName(object, name, flags, {}, &result), S_OK) << name;
    std::string text;
    EXPECT_EQ(result.ToString(&text), S_OK);
    return text;
}

class Langtext : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE");
        library_ = dlopen(kLangtext.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        auto registerServer = reinterpret_cast<DllRegisterServerFunction>(dlsym(library_, "DllRegisterServer"));
        ASSERT_NE(registerServer, nullptr);
        ASSERT_EQ(registerServer(), S_OK);
        ASSERT_EQ(CreateObject(CLSID_clsPRGTXT, &texts_), S_OK);
        dispatch_ = texts_.As<IDispatch>();
        ASSERT_TRUE(dispatch_);
    }

    void* library_ = nullptr;
    ComPtr<_clsPRGTXT> texts_;
    ComPtr<IDispatch> dispatch_;
};

}  // namespace

TEST_F(Langtext, BothListsHave51TextsInTheirPlaces)
{
    std::vector<std::string> english = Pieces(StringResult(dispatch_.Get(), "LanguageEnglish"));
    std::vector<std::string> korean = Pieces(StringResult(dispatch_.Get(), "languagekorean"));
    ASSERT_EQ(english.size(), 51u);
    ASSERT_EQ(korean.size(), 51u);
    EXPECT_EQ(english[23], "OK");
    EXPECT_EQ(korean[23], "확인");
    EXPECT_EQ(english[50], "Click to play animation");
    EXPECT_EQ(korean[50], "시작");
    EXPECT_EQ(english[7], "Click a subject from below that you want to see");
    EXPECT_EQ(korean[36], "알파벳");
    // Repeated texts stay at both of their places.
    EXPECT_EQ(english[22], english[30]);
    EXPECT_EQ(korean[25], korean[27]);
    EXPECT_EQ(korean[33], korean[38]);
    for (const auto& list : {english, korean}) {
        for (const std::string& piece : list) EXPECT_EQ(piece.find_first_of("\r\n"), std::string::npos);
    }
}

TEST_F(Langtext, EachCallHandsOutANewStringTheCallerOwns)
{
    OwnedString first, second;
    ASSERT_EQ(texts_->LanguageEnglish(first.Out()), S_OK);
    ASSERT_EQ(texts_->LanguageEnglish(second.Out()), S_OK);
    EXPECT_NE(first.Get(), second.Get());
    EXPECT_EQ(first.View(), second.View());
    EXPECT_EQ(Pieces(first.Str()).size(), 51u);
}

TEST_F(Langtext, StrLangKeepsTheListLastBuilt)
{
    StringResult(dispatch_.Get(), "LanguageKorean");
    std::string english = StringResult(dispatch_.Get(), "LanguageEnglish");
    EXPECT_EQ(StringResult(dispatch_.Get(), "STRLANG", DISPATCH_PROPERTYGET), english);

    Variant value[] = {Variant::String("written")};
    ASSERT_EQ(dispatch_->Invoke(DISPID_strLANG, DISPATCH_PROPERTYPUT, value, nullptr), S_OK);
    OwnedString read;
    ASSERT_EQ(texts_->get_strLANG(read.Out()), S_OK);
    EXPECT_EQ(read.Str(), "written");
}

TEST_F(Langtext, CallsThatDoNotFitAreRefused)
{
    Variant argument[] = {Variant::Long(1)};
    EXPECT_EQ(dispatch_->Invoke(DISPID_LanguageEnglish, DISPATCH_METHOD, argument, nullptr), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(dispatch_->Invoke(DISPID_LanguageKorean, DISPATCH_PROPERTYPUT, argument, nullptr), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(dispatch_->Invoke(DISPID_strLANG, DISPATCH_PROPERTYPUT, {}, nullptr), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(InvokeByName(dispatch_.Get(), "LanguageFrench", DISPATCH_METHOD, {}, nullptr), DISP_E_UNKNOWNNAME);
}

TEST_F(Langtext, LibraryIsInUseWhileAnObjectLives)
{
    auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(library_, "DllCanUnloadNow"));
    ASSERT_NE(canUnloadNow, nullptr);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    texts_.Reset();
    dispatch_.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(Langtext, OnlyItsOwnClassIsHandedOut)
{
    auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(library_, "DllGetClassObject"));
    ASSERT_NE(getClassObject, nullptr);
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(getClassObject(GuidLiteral("{41E2C7AD-A7D5-459E-8EF5-CDB7B92EAAEF}"), IClassFactory::InterfaceId,
                             factory.ReceiveVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_FALSE(factory);
    ASSERT_EQ(getClassObject(CLSID_clsPRGTXT, IClassFactory::InterfaceId, factory.ReceiveVoid()), S_OK);
    ComPtr<IUnknown> aggregated;
    EXPECT_EQ(factory->CreateInstance(texts_.Get(), IUnknown::InterfaceId, aggregated.ReceiveVoid()),
              CLASS_E_NOAGGREGATION);
}

TEST_F(Langtext, OnlyTheFourEntryPointsAreExported)
{
    EXPECT_NE(dlsym(library_, "DllUnregisterServer"), nullptr);
    EXPECT_EQ(dlsym(library_, "_Z13LangtextUsagev"), nullptr);  // LangtextUsage() stays inside
}
