// What the program and the class libraries rely on from the registry functions.
#include <cstring>
#include <thread>

#include "RegistryFixture.h"

namespace {

class RegistryApi : public RegistryTest {
protected:
    HKEY openSettings(REGSAM access)
    {
        HKEY key = 0;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, access, &key), ERROR_SUCCESS);
        return key;
    }
};

TEST_F(RegistryApi, A254CharacterTextFitsTheProgramsBufferAndA255CharacterTextDoesNot)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "FITS", std::string(254, 'a')), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "LONG", std::string(255, 'b')), ERROR_SUCCESS);
    HKEY key = openSettings(KEY_ALL_ACCESS);

    char buffer[255];
    std::memset(buffer, ' ', sizeof buffer);
    DWORD size = sizeof buffer;
    DWORD type = 0;
    ASSERT_EQ(RegQueryValueExA(key, "FITS", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 255u);
    EXPECT_EQ(std::string(buffer, 254), std::string(254, 'a'));
    EXPECT_EQ(buffer[254], '\0');

    std::memset(buffer, ' ', sizeof buffer);
    size = sizeof buffer;
    type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "LONG", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 256u);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(255, ' ')) << "a refused read leaves the buffer alone";
    RegCloseKey(key);

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "FITS"), std::string(254, 'a'));
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LONG"), std::nullopt);
}

TEST_F(RegistryApi, ValuesOfOtherTypesReportTheirTypeAndComeBackAsStored)
{
    const std::string dword("\x1f\x00\x00\x00", 4);
    const std::string expand("%HOME%\\quillby\0", 15);
    const std::string binary("\x00\x01\xfe\xff", 4);
    const std::string multi("one\0two\0\0", 9);
    ASSERT_EQ(saveValue(HKEY_CURRENT_USER, kSettingsKey, "Count", REG_DWORD, dword), ERROR_SUCCESS);
    ASSERT_EQ(saveValue(HKEY_CURRENT_USER, kSettingsKey, "Path", REG_EXPAND_SZ, expand), ERROR_SUCCESS);
    ASSERT_EQ(saveValue(HKEY_CURRENT_USER, kSettingsKey, "Blob", REG_BINARY, binary), ERROR_SUCCESS);
    ASSERT_EQ(saveValue(HKEY_CURRENT_USER, kSettingsKey, "List", 7, multi), ERROR_SUCCESS);
    ASSERT_EQ(saveValue(HKEY_CURRENT_USER, kSettingsKey, "Empty", REG_SZ, ""), ERROR_SUCCESS);

    HKEY key = openSettings(KEY_READ);
    char buffer[255];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    ASSERT_EQ(RegQueryValueExA(key, "Count", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    ASSERT_EQ(size, 4u);
    std::uint32_t number = 0;
    std::memcpy(&number, buffer, 4);
    EXPECT_EQ(number, 31u);
    RegCloseKey(key);

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "Count"), std::nullopt) << "a DWORD is no text";
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "Path"), "%HOME%\\quillby") << "never expanded";
    auto path = loadValue(HKEY_CURRENT_USER, kSettingsKey, "Path");
    ASSERT_TRUE(path);
    EXPECT_EQ(path->type, REG_EXPAND_SZ);
    EXPECT_EQ(path->bytes, expand);
    auto blob = loadValue(HKEY_CURRENT_USER, kSettingsKey, "Blob");
    ASSERT_TRUE(blob);
    EXPECT_EQ(blob->type, REG_BINARY);
    EXPECT_EQ(blob->bytes, binary);
    auto list = loadValue(HKEY_CURRENT_USER, kSettingsKey, "List");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->type, 7u);
    EXPECT_EQ(list->bytes, multi);
    auto empty = loadValue(HKEY_CURRENT_USER, kSettingsKey, "Empty");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->type, REG_SZ);
    EXPECT_EQ(empty->bytes, "") << "no NUL is added to what was stored";
}

TEST_F(RegistryApi, ANullBufferAnswersTheSizeAndMissingValuesLeaveTheOutFieldsAlone)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "KOREAN"), ERROR_SUCCESS);
    HKEY key = openSettings(KEY_READ);
    DWORD size = 0;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "HELP", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(RegQueryValueExA(key, "help", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);

    size = 99;
    type = 99;
    char buffer[8];
    EXPECT_EQ(RegQueryValueExA(key, "LANGUAGE", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(size, 99u);
    EXPECT_EQ(type, 99u);
    RegCloseKey(key);

    HKEY missing = 42;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Nobody", 0, KEY_READ, &missing),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Nobody", "HELP"), std::nullopt);
}

TEST_F(RegistryApi, CreatingADeepPathMakesEveryLevelOnceAndThenOpensIt)
{
    HKEY key = 0;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_GT(key, 0);
    RegCloseKey(key);
    for (const char* level : {"SOFTWARE", "SOFTWARE\\Orvane", "SOFTWARE\\Orvane\\Quillby", kSettingsKey}) {
        HKEY opened = 0;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, level, 0, KEY_READ, &opened), ERROR_SUCCESS) << level;
        RegCloseKey(opened);
    }
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);

    // Below an open handle, and with a trailing separator.
    HKEY below = 0;
    ASSERT_EQ(RegCreateKeyExA(key, "Sub\\Deeper\\", 0, nullptr, 0, KEY_WRITE, nullptr, &below, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(below);
    RegCloseKey(key);
    EXPECT_NE(readFile(userFile()).find("[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS\\Sub]"),
              std::string::npos);
}

TEST_F(RegistryApi, KeyAndValueNamesIgnoreCaseAndKeepTheirFirstSpelling)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, "Software\\Orvane", "Help", "ENGLISH"), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, "SOFTWARE\\ORVANE\\Sub", "HELP", "KOREAN"), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, "software\\orvane", "HELP", "KOREAN"), ERROR_SUCCESS);

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, "SOFTWARE\\oRvAnE", "help"), "KOREAN");
    const std::string file = readFile(userFile());
    EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\Orvane]\n\"Help\"=\"KOREAN\"\n"), std::string::npos) << file;
    EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\Orvane\\Sub]"), std::string::npos) << file;
    EXPECT_EQ(file.find("ORVANE"), std::string::npos) << file;
}

TEST_F(RegistryApi, UnknownAndClosedHandlesAreRefused)
{
    EXPECT_EQ(RegCloseKey(12345), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(0), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(static_cast<HKEY>(0x80000003u)), ERROR_INVALID_HANDLE);
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(static_cast<HKEY>(0x80000003u), "SOFTWARE", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);

    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "HELP", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExA(key, "HELP", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2), ERROR_INVALID_HANDLE);

    // The predefined roots may be closed and stay usable.
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "KOREAN"), ERROR_SUCCESS);
}

TEST_F(RegistryApi, AHandleCanDoOnlyWhatItWasOpenedFor)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_SUCCESS);
    HKEY reader = openSettings(KEY_READ);
    EXPECT_EQ(RegSetValueExA(reader, "HELP", 0, REG_SZ, reinterpret_cast<const BYTE*>("KOREAN"), 7),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(reader, "HELP"), ERROR_ACCESS_DENIED);
    HKEY child = 0;
    EXPECT_EQ(RegCreateKeyExA(reader, "New", 0, nullptr, 0, KEY_READ, nullptr, &child, nullptr), ERROR_ACCESS_DENIED);
    RegCloseKey(reader);

    HKEY writer = openSettings(KEY_WRITE);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(writer, "HELP", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    RegCloseKey(writer);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), "ENGLISH");
}

TEST_F(RegistryApi, MalformedArgumentsAreRefused)
{
    HKEY key = 0;
    for (const char* bad : {"\\SOFTWARE", "SOFTWARE\\\\Orvane", "SOFTWARE\\Or\nvane"}) {
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, bad, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_INVALID_PARAMETER)
            << bad;
    }
    const std::string tooLong(256, 'k');
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, tooLong.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);

    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "two\nlines", "x"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(saveValue(HKEY_CURRENT_USER, kSettingsKey, "huge", REG_BINARY, std::string((1u << 20) + 1, 'x')),
              ERROR_INVALID_PARAMETER);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "x", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
    DWORD reserved = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "x", &reserved, nullptr, nullptr, &size), ERROR_INVALID_PARAMETER);
    BYTE data[4];
    EXPECT_EQ(RegQueryValueExA(key, "x", nullptr, nullptr, data, nullptr), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST_F(RegistryApi, TheDefaultValueIsWrittenAsAnAtSign)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, nullptr, "default text"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, ""), "default text");
    EXPECT_NE(readFile(userFile()).find("\n@=\"default text\"\n"), std::string::npos);
}

TEST_F(RegistryApi, DeletingValuesAndTrees)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "KOREAN"), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE", "ENGLISH"), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Quillby\\Other", "X", "1"), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Quillby\\Other\\Deeper", "Y", "2"), ERROR_SUCCESS);
    HKEY settings = openSettings(KEY_ALL_ACCESS);

    EXPECT_EQ(RegDeleteValueA(settings, "help"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(settings, "HELP"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), std::nullopt);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), "ENGLISH");

    EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Quillby\\other"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Quillby\\Other"), ERROR_FILE_NOT_FOUND);
    HKEY gone = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Quillby\\Other\\Deeper", 0, KEY_READ, &gone),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), "ENGLISH") << "a sibling stays";

    // Without a subkey: the key's values and subkeys go, the key stays.
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Child", "Z", "3"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTreeA(settings, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), std::nullopt);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Child", "Z"), std::nullopt);
    HKEY still = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &still), ERROR_SUCCESS);
    RegCloseKey(still);

    // A handle whose key was deleted under it.
    EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Orvane"), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(settings, "LANGUAGE", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(RegSetValueExA(settings, "LANGUAGE", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
              ERROR_KEY_DELETED);
    HKEY child = 0;
    EXPECT_EQ(RegCreateKeyExA(settings, "Again", 0, nullptr, 0, KEY_WRITE, nullptr, &child, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Orvane", 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
    RegCloseKey(settings);
}

TEST_F(RegistryApi, TextsAreStoredAsBytesAndEscapedReadably)
{
    const std::string korean = "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4";  // UTF-8
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "Korean", korean), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "Quote \"q\"", "C:\\path \"x\""), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "Lines", "one\ntwo"), ERROR_SUCCESS);

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "Korean"), korean);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "quote \"Q\""), "C:\\path \"x\"");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "Lines"), "one\ntwo");
    const std::string file = readFile(userFile());
    EXPECT_NE(file.find("\"Korean\"=\"" + korean + "\"\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\"Quote \\\"q\\\"\"=\"C:\\\\path \\\"x\\\"\"\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\"Lines\"=hex(1):6f,6e,65,0a,74,77,6f,00\n"), std::string::npos) << file;
}

TEST_F(RegistryApi, ThreadsShareHandlesAndKeysSafely)
{
    HKEY shared = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &shared,
                              nullptr),
              ERROR_SUCCESS);
    constexpr int kThreads = 8;
    constexpr int kRounds = 25;
    std::vector<int> failures(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const std::string name = "Thread" + std::to_string(t);
            for (int round = 0; round < kRounds; ++round) {
                const std::string text = std::to_string(round);
                HKEY own = 0;
                if (RegCreateKeyExA(shared, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &own, nullptr) !=
                        ERROR_SUCCESS ||
                    RegSetValueExA(own, "Round", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                   static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS ||
                    RegSetValueExA(shared, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                   static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS) {
                    ++failures[t];
                }
                char buffer[16];
                DWORD size = sizeof buffer;
                if (RegQueryValueExA(own, "Round", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
                        ERROR_SUCCESS ||
                    std::string(buffer) != text || RegCloseKey(own) != ERROR_SUCCESS) {
                    ++failures[t];
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    RegCloseKey(shared);
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(failures[t], 0) << "thread " << t;
        const std::string name = "Thread" + std::to_string(t);
        EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, name.c_str()), std::to_string(kRounds - 1));
        EXPECT_EQ(loadString(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\" + name, "Round"),
                  std::to_string(kRounds - 1));
    }
}

}  // namespace
