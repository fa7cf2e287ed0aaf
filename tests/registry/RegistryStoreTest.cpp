// The per-user file on disk: permissions, damaged files, links, and other writers' changes.
#include <sys/stat.h>
#include <unistd.h>

#include "RegistryFixture.h"
#include "platform/registry/RegistryFiles.h"
#include "platform/registry/RegistryText.h"

using namespace qby::registry;

namespace {

class RegistryStore : public RegistryTest {
protected:
    static mode_t modeOf(const fs::path& path)
    {
        struct stat info {};
        EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
        return info.st_mode & 07777;
    }
    static ino_t inodeOf(const fs::path& path)
    {
        struct stat info {};
        EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
        return info.st_ino;
    }
    void saveBothSettings()
    {
        ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE", "ENGLISH"), ERROR_SUCCESS);
        ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "KOREAN"), ERROR_SUCCESS);
    }
};

TEST_F(RegistryStore, TheFileIsPrivateCheckedAndLeavesNothingBehind)
{
    saveBothSettings();
    EXPECT_EQ(modeOf(userFolder()), 0700u);
    EXPECT_EQ(modeOf(userFile()), 0600u);
    EXPECT_EQ(modeOf(userFolder() / "registry.reg.lock"), 0600u);
    EXPECT_TRUE(userFolderNames("registry.reg.tmp").empty());
    const std::string text = readFile(userFile());
    EXPECT_EQ(text.rfind("Quillby Registry File 1\n", 0), 0u);
    const ParsedText parsed = parseRegistryText(text);
    ASSERT_TRUE(parsed.ok) << parsed.problem;
    EXPECT_NE(parsed.tree.find(std::string("HKEY_CURRENT_USER\\") + kSettingsKey), nullptr);
}

TEST_F(RegistryStore, AWriteThatChangesNothingLeavesTheFileAlone)
{
    saveBothSettings();
    const ino_t before = inodeOf(userFile());
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "help", "KOREAN"), ERROR_SUCCESS);
    EXPECT_EQ(inodeOf(userFile()), before);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_SUCCESS);
    EXPECT_NE(inodeOf(userFile()), before) << "a change replaces the file";
}

struct Damage {
    const char* name;
    std::string (*apply)(std::string);
};

class RegistryDamage : public RegistryStore, public ::testing::WithParamInterface<Damage> {};

TEST_P(RegistryDamage, ADamagedFileIsKeptAsideAndReadsAsMissing)
{
    saveBothSettings();
    const std::string damaged = GetParam().apply(readFile(userFile()));
    writeFile(userFile(), damaged);

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), std::nullopt);
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(fs::exists(userFile()));
    const auto kept = userFolderNames("registry.reg.corrupt-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(readFile(userFolder() / kept[0]), damaged);

    // The next write starts a new file; the damaged one stays as it was.
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), "ENGLISH");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), std::nullopt);
    EXPECT_EQ(readFile(userFolder() / kept[0]), damaged);
}

TEST_P(RegistryDamage, AWriterFindingADamagedFileKeepsItAsideBeforeWriting)
{
    saveBothSettings();
    const std::string damaged = GetParam().apply(readFile(userFile()));
    writeFile(userFile(), damaged);

    ASSERT_EQ(saveString(HKEY_CURRENT_USER, "SOFTWARE\\Other", "X", "1"), ERROR_SUCCESS);
    const auto kept = userFolderNames("registry.reg.corrupt-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(readFile(userFolder() / kept[0]), damaged);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, "SOFTWARE\\Other", "X"), "1");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), std::nullopt);

    // A second damaged file is kept beside the first, not over it.
    writeFile(userFile(), "garbage");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, "SOFTWARE\\Other", "X"), std::nullopt);
    EXPECT_EQ(userFolderNames("registry.reg.corrupt-").size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, RegistryDamage,
    ::testing::Values(Damage{"CutShort", [](std::string text) { return text.substr(0, text.size() * 2 / 3); }},
                      Damage{"CutAtALine",
                             [](std::string text) { return text.substr(0, text.find("\"HELP\"")); }},
                      Damage{"BitFlipped",
                             [](std::string text) {
                                 text[text.find("KOREAN")] ^= 0x20;
                                 return text;
                             }},
                      Damage{"Emptied", [](std::string) { return std::string(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryStore, ALinkAtTheFileIsRefusedAndNothingIsWritten)
{
    saveBothSettings();
    const fs::path target = base() / "elsewhere.txt";
    writeFile(target, "precious");
    fs::remove(userFile());
    fs::create_symlink(target, userFile());

    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_ACCESS_DENIED);
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(readFile(target), "precious");
    EXPECT_TRUE(fs::is_symlink(userFile()));
    EXPECT_TRUE(userFolderNames("registry.reg.tmp").empty());
}

TEST_F(RegistryStore, ALinkAtTheLockIsRefusedAndNothingIsWritten)
{
    fs::create_directories(userFolder());
    const fs::path target = base() / "elsewhere.txt";
    writeFile(target, "precious");
    fs::create_symlink(target, userFolder() / "registry.reg.lock");

    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(fs::exists(userFile()));
    EXPECT_EQ(readFile(target), "precious");
}

TEST_F(RegistryStore, ALinkAtTheTemporaryIsRefusedAndNothingIsWritten)
{
    saveBothSettings();
    const std::string before = readFile(userFile());
    const fs::path target = base() / "elsewhere.txt";
    writeFile(target, "precious");
    fs::create_symlink(target, temporaryPathFor(userFile().string()));

    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(readFile(target), "precious");
    EXPECT_EQ(readFile(userFile()), before);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), "KOREAN");
}

TEST_F(RegistryStore, AFifoAtTheFileIsRefusedWithoutWaiting)
{
    fs::create_directories(userFolder());
    ASSERT_EQ(::mkfifo(userFile().c_str(), 0600), 0);
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(fs::is_fifo(userFile()));
}

TEST_F(RegistryStore, AConfigurationFolderThatIsAFileFailsCleanly)
{
    writeFile(base() / "config", "not a folder");
    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_CANTWRITE);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), std::nullopt);
}

TEST_F(RegistryStore, AnotherWritersValuesAreReadAndKept)
{
    saveBothSettings();
    // Another process adds a value and changes one of ours.
    ParsedText current = parseRegistryText(readFile(userFile()));
    ASSERT_TRUE(current.ok);
    Key* key = current.tree.find(std::string("HKEY_CURRENT_USER\\") + kSettingsKey);
    ASSERT_NE(key, nullptr);
    setValue(*key, {"LANGUAGE", REG_SZ, {'A', 'M', 'E', 'R', 'I', 'C', 'A', 'N', 0}});
    setValue(*key, {"THEIRS", REG_SZ, {'1', 0}});
    const std::string theirs = writeRegistryText(current.tree);
    const fs::path replacement = userFolder() / "other-writer";
    writeFile(replacement, theirs);
    fs::rename(replacement, userFile());

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), "AMERICAN");
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "THEIRS"), "1");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), "AMERICAN");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), "ENGLISH");
}

TEST_F(RegistryStore, TemporariesLeftByDeadWritersAreRemovedByTheNextWrite)
{
    saveBothSettings();
    writeFile(userFolder() / "registry.reg.tmp-999999", "half a file");
    writeFile(userFolder() / "registry.reg.tmpfile-of-someone", "not ours");
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_SUCCESS);
    EXPECT_FALSE(fs::exists(userFolder() / "registry.reg.tmp-999999"));
    EXPECT_TRUE(fs::exists(userFolder() / "registry.reg.tmpfile-of-someone"));
}

}  // namespace
