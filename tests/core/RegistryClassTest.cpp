#include "core/clsREGISTRY.h"
#include "core/modLIBTEXT.h"
#include "core/modVERSIONINFO.h"
#include "platform/app/App.h"
#include "platform/registry/Registry.h"
#include "platform/shell/Shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kCurrentUser = "-2147483647";
const std::string kKey = "SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS";

class RegistryClass : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE"); }

    // Stores a value of any type straight through the registry functions.
    static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::string Load(const std::string& item, const std::string& fallback = "DEFAULT") const
    {
        return registry.StringLoad(kCurrentUser, kKey, item, fallback);
    }

    clsREGISTRY registry;
};

}  // namespace

TEST_F(RegistryClass, SavedTextReadsBackAndCreatesTheWholeKeyPath)
{
    EXPECT_TRUE(registry.StringSave(kCurrentUser, kKey, "HELP", "KOREAN"));
    EXPECT_EQ(Load("HELP"), "KOREAN");
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryClass, MissingKeyOrValueGivesTheDefault)
{
    EXPECT_EQ(Load("HELP"), "DEFAULT");
    EXPECT_EQ(registry.StringLoad(kCurrentUser, kKey, "HELP"), "");
    registry.StringSave(kCurrentUser, kKey, "LANGUAGE", "ENGLISH");
    EXPECT_EQ(Load("HELP"), "DEFAULT");
}

TEST_F(RegistryClass, ValuesThatAreNotPlainTextGiveTheDefault)
{
    std::uint32_t number = 1;
    StoreRaw("HELP", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(Load("HELP"), "DEFAULT");

    StoreRaw("EMPTY", REG_SZ, "", 0);  // no bytes at all, not even the NUL
    EXPECT_EQ(Load("EMPTY"), "DEFAULT");
    StoreRaw("BLANK", REG_SZ, "", 1);  // the empty text with its NUL
    EXPECT_EQ(Load("BLANK"), "");
}

TEST_F(RegistryClass, ExpandableTextIsAnsweredAsStored)
{
    const char text[] = "%HOME%\\Quillby";
    StoreRaw("PATH", REG_EXPAND_SZ, text, sizeof text);
    EXPECT_EQ(Load("PATH"), text);
}

TEST_F(RegistryClass, TextWithoutItsNulKeepsItsLastCharacter)
{
    StoreRaw("HELP", REG_SZ, "KOREAN", 6);
    EXPECT_EQ(Load("HELP"), "KOREAN");
}

TEST_F(RegistryClass, AtMost254CharactersFitTheReadBuffer)
{
    std::string longest(254, 'x');
    ASSERT_TRUE(registry.StringSave(kCurrentUser, kKey, "LONGEST", longest));
    EXPECT_EQ(Load("LONGEST"), longest);
    ASSERT_TRUE(registry.StringSave(kCurrentUser, kKey, "TOOLONG", longest + "x"));
    EXPECT_EQ(Load("TOOLONG"), "DEFAULT");
    StoreRaw("NONUL", REG_SZ, (longest + "x").c_str(), 255);
    EXPECT_EQ(Load("NONUL"), "DEFAULT");
}

TEST_F(RegistryClass, RootKeyThatIsNotANumberSkipsTheCall)
{
    EXPECT_FALSE(registry.StringSave("HKEY_CURRENT_USER", kKey, "HELP", "KOREAN"));
    EXPECT_FALSE(registry.StringSave("2147483649", kKey, "HELP", "KOREAN"));  // beyond 32 bits
    EXPECT_EQ(Load("HELP"), "DEFAULT");  // nothing was written
    registry.StringSave(kCurrentUser, kKey, "HELP", "KOREAN");
    EXPECT_EQ(registry.StringLoad("", kKey, "HELP", "DEFAULT"), "DEFAULT");
    EXPECT_EQ(registry.StringLoad("-2147483647x", kKey, "HELP", "DEFAULT"), "DEFAULT");
    EXPECT_EQ(registry.StringLoad(" -2147483647 ", kKey, "HELP", "DEFAULT"), "KOREAN");
}

// Links are handed to a recording launcher instead of the desktop.
class Links : public ::testing::Test {
protected:
    void SetUp() override
    {
        VersionInformationLoad();
        LibTextLoad();
        SetShellLauncher([this](const ShellRequest& request) {
            requests.push_back(request);
            return SHELL_REQUEST_HANDED_OVER;
        });
    }
    void TearDown() override { SetShellLauncher({}); }

    clsREGISTRY registry;
    std::vector<ShellRequest> requests;
};

TEST_F(Links, WebPageGoesWithoutItsPrefixAndTheVerbOpen)
{
    registry.InternetLinkRun("1234", "http://", "www.orvane.example/quillby");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].hwnd, 1234);
    EXPECT_EQ(requests[0].verb, "OPEN");
    EXPECT_EQ(requests[0].file, "www.orvane.example/quillby");
    EXPECT_EQ(requests[0].directory, App.Path());
    EXPECT_EQ(requests[0].show, SW_SHOWNORMAL);
}

TEST_F(Links, OtherLinkTypesGoJoinedWithTheDefaultAction)
{
    registry.InternetLinkRun("7", "mailto:", "help@orvane.example");
    registry.InternetLinkRun("7", "", "/tmp/readme.txt");
    registry.InternetLinkRun("7", "HTTP://", "www.orvane.example");  // only the exact "http://" takes the verb
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].verb, "");
    EXPECT_EQ(requests[0].file, "mailto:help@orvane.example");
    EXPECT_EQ(requests[1].file, "file:///tmp/readme.txt");
    EXPECT_EQ(requests[2].verb, "");
    EXPECT_EQ(requests[2].file, "HTTP://www.orvane.example");
}

TEST_F(Links, NothingOpensWithoutAnAddressOrWithABadWindowHandle)
{
    registry.InternetLinkRun("7", "http://", "");
    registry.InternetLinkRun("window", "mailto:", "help@orvane.example");
    EXPECT_TRUE(requests.empty());
}
