// Main and the interface-text lookup, with Langtext registered for this user or not at all.
#include "core/modGLOBALS.h"
#include "core/modLIBTEXT.h"
#include "core/modQBYLANG.h"
#include "core/modSETTINGS.h"
#include "platform/com/EntryPoints.h"
#include "platform/registry/Registry.h"
#include "shell/modPROGMAIN.h"
#include "support/ProgramSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class ProgramStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE");
        programtest::ResetToBeforeMain();
    }

    static void RegisterLangtext() { ASSERT_EQ(programtest::CallLangtextEntry("DllRegisterServer"), S_OK); }

    static void StoreSetting(const std::string& name, const std::string& value)
    {
        ASSERT_TRUE(clsREGISTRY().StringSave("-2147483647", "SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS",
                                             name, value));
    }

    // What the language dialog's OK does with the help language.
    static void StoreHelp(const std::string& value) { StoreSetting("HELP", value); }
};

}  // namespace

TEST_F(ProgramStart, FirstRunHasAmericanWordsAndEnglishTexts)
{
    RegisterLangtext();
    Main();
    EXPECT_EQ(strRegistryBase, "SOFTWARE\\Orvane\\Quillby\\");
    EXPECT_EQ(SettingsSubKey(), "SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS");
    EXPECT_EQ(strLanguage, "AMERICAN");
    EXPECT_EQ(strHelpLanguage, "ENGLISH");
    EXPECT_TRUE(objRegistry && objPrgText && objLibText);
    EXPECT_EQ(GetHelpText(24), "OK");
    EXPECT_EQ(GetHelpText(51), "Click to play animation");
}

TEST_F(ProgramStart, StoredSettingsAreTakenAsTheyStand)
{
    RegisterLangtext();
    StoreSetting("LANGUAGE", "english");
    StoreHelp("KOREAN");
    Main();
    EXPECT_EQ(strLanguage, "english");
    EXPECT_EQ(strHelpLanguage, "KOREAN");
    EXPECT_EQ(objLibText->StringPiece(strProgramText, "|", 24), "확인");
}

TEST_F(ProgramStart, NumbersOutsideTheListAnswerZero)
{
    RegisterLangtext();
    Main();
    for (std::int32_t number : {0, -1, 52, INT32_MIN, INT32_MAX}) EXPECT_EQ(GetHelpText(number), "0") << number;
}

TEST_F(ProgramStart, EveryLookupFollowsTheHelpValueInTheRegistry)
{
    RegisterLangtext();
    Main();
    StoreHelp("KOREAN");
    EXPECT_EQ(GetHelpText(24), "확인");
    EXPECT_EQ(GetHelpText(51), "시작");
    StoreHelp("ENGLISH");
    EXPECT_EQ(GetHelpText(24), "OK");
}

TEST_F(ProgramStart, HelpLanguageChosenButNotStoredChangesNoText)
{
    RegisterLangtext();
    Main();
    strHelpLanguage = "KOREAN";
    SetHelpLanguage("KOREAN");
    EXPECT_EQ(GetHelpText(24), "OK");
}

TEST_F(ProgramStart, UnknownHelpValueKeepsTheListLastBuilt)
{
    RegisterLangtext();
    Main();
    StoreHelp("KOREAN");
    EXPECT_EQ(GetHelpText(23), "닫기");
    StoreHelp("english");
    EXPECT_EQ(GetHelpText(23), "닫기");
}

TEST_F(ProgramStart, UnknownHelpValueFromTheStartLeavesEveryTextZero)
{
    RegisterLangtext();
    StoreHelp("english");
    Main();
    EXPECT_EQ(strHelpLanguage, "english");
    EXPECT_EQ(GetHelpText(24), "0");
    EXPECT_EQ(GetHelpText(1), "");
}

TEST_F(ProgramStart, WithoutLangtextEveryTextIsZero)
{
    StoreHelp("KOREAN");
    Main();
    EXPECT_FALSE(objPrgText);
    EXPECT_TRUE(objRegistry && objLibText);
    EXPECT_EQ(strHelpLanguage, "KOREAN");
    EXPECT_EQ(GetHelpText(24), "0");
    EXPECT_EQ(GetHelpText(51), "0");
    EXPECT_EQ(GetHelpText(1), "");
}
