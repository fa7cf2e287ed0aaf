// The per-user file on disk: permissions, damaged files and their salvage, links, and other
// writers' changes.
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include "RegistryFixture.h"
#include "platform/registry/RegistryBatch.h"
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

constexpr const char* kRegistration = "CLSID\\{3F2A0C11-5B7E-4C1D-9A60-2B7E4D1C0F01}\\InprocServer32";

// What a damage leaves readable: the settings that survive it (nullopt: lost).
struct Damage {
    const char* name;
    std::string (*apply)(std::string);
    std::optional<std::string> language;
    std::optional<std::string> help;
    bool registrationSurvives;
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

class RegistryDamage : public RegistryStore, public ::testing::WithParamInterface<Damage> {
protected:
    // The two settings and a class registration, as a set-up and a first run leave the file.
    void fillTheFile()
    {
        saveBothSettings();
        RegistryBatch registration(HKEY_CLASSES_ROOT);
        registration.SetString(kRegistration, "", "/usr/lib/liblangtext.so");
        registration.SetString(kRegistration, "ThreadingModel", "Apartment");
        ASSERT_EQ(registration.Commit(), ERROR_SUCCESS);
    }
    void expectWhatSurvives(const Damage& damage)
    {
        EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), damage.language);
        EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), damage.help);
        EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kRegistration, ""),
                  damage.registrationSurvives ? std::optional<std::string>("/usr/lib/liblangtext.so") : std::nullopt);
    }
};

TEST_P(RegistryDamage, WhatCanBeReadIsKeptAndWrittenBackAndTheOriginalIsKeptAside)
{
    fillTheFile();
    const std::string damaged = GetParam().apply(readFile(userFile()));
    writeFile(userFile(), damaged);

    expectWhatSurvives(GetParam());
    // Written back with a fresh end line; the damaged original is kept beside it, once.
    const ParsedText repaired = parseRegistryText(readFile(userFile()));
    ASSERT_TRUE(repaired.ok) << repaired.problem;
    const auto kept = userFolderNames("registry.reg.corrupt-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(readFile(userFolder() / kept[0]), damaged);
    expectWhatSurvives(GetParam());
    EXPECT_EQ(userFolderNames("registry.reg.corrupt-").size(), 1u);

    // Later writes build on what was saved.
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), GetParam().language);
    EXPECT_EQ(readFile(userFolder() / kept[0]), damaged);
}

std::string replaced(std::string text, std::string_view what, std::string_view with)
{
    return text.replace(text.find(what), what.size(), with);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, RegistryDamage,
    ::testing::Values(
        // Cut in the middle of the last value's line: the half line is not read.
        Damage{"CutInALine", [](std::string text) { return text.substr(0, text.find("\"HELP\"") + 10); },
               "ENGLISH", std::nullopt, true},
        // A bit flipped in a value's closing quote: that line no longer parses.
        Damage{"BitFlippedInAValue",
               [](std::string text) {
                   text[text.find("KOREAN") + 6] ^= 0x20;
                   return text;
               },
               "ENGLISH", std::nullopt, true},
        // A bit flipped in a key's line: the values under it belong to no key known.
        Damage{"BitFlippedInAKeyLine",
               [](std::string text) {
                   text[text.find("\\frmPROGMENUMAINDETAILS]") + 23] ^= 0x01;
                   return text;
               },
               std::nullopt, std::nullopt, true},
        // Edited by hand, keeping the end line: every line parses, so it is read as it stands.
        Damage{"HandEditWithAStaleEndLine",
               [](std::string text) { return replaced(text, "\"KOREAN\"", "\"ENGLISH\"\n\"LANGUAGE\"=\"AMERICAN\""); },
               "AMERICAN", "ENGLISH", true},
        Damage{"Garbage", [](std::string) { return std::string("\x7f" "ELF\x02\x01\x01\0\0garbage\n\xff\xfe", 19); },
               std::nullopt, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryStore, OnlyTheThreeNewestDamagedCopiesAreKept)
{
    saveBothSettings();
    std::vector<std::string> damaged;
    for (int copy = 0; copy < 5; ++copy) {
        damaged.push_back("Quillby Registry File 1\ndamaged copy " + std::to_string(copy) + "\n");
        writeFile(userFile(), damaged.back());
        EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), std::nullopt);
    }
    writeFile(userFolder() / "registry.reg.corrupt-notes.txt", "not a copy");
    std::vector<std::string> kept;
    for (const std::string& name : userFolderNames("registry.reg.corrupt-")) {
        kept.push_back(readFile(userFolder() / name));
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{damaged[2], damaged[3], damaged[4], "not a copy"}));
}

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
