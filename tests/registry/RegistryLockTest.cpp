// Another process holding the registry file's lock for as long as it likes: reads answer at
// once, writes give up within their bound, and a damaged file is read without waiting and
// repaired once the lock is free.
#include "RegistryFixture.h"
#include "platform/registry/RegistryBatch.h"
#include "platform/registry/RegistryText.h"
#include "support/LockHolder.h"

using namespace qby::registry;

namespace {

class RegistryLock : public RegistryTest {
protected:
    std::string lockPath() const { return userFile().string() + ".lock"; }
};

TEST_F(RegistryLock, ReadsAnswerAtOnceAndWritesFailWithinTheirBound)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "KOREAN"), ERROR_SUCCESS);
    const std::string before = readFile(userFile());
    registrytest::LockHolder holder(lockPath());
    ASSERT_TRUE(holder.Holding());

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), "KOREAN");
    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_LOCK_VIOLATION);
    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE", "ENGLISH"), ERROR_LOCK_VIOLATION);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), "KOREAN");
    EXPECT_EQ(readFile(userFile()), before);
    EXPECT_FALSE(holder.LetGoByItself()) << "a call waited for the lock without a bound";

    holder.Release();
    EXPECT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "ENGLISH"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), "ENGLISH");
}

TEST_F(RegistryLock, ADamagedFileIsReadWithoutWaitingAndRepairedByTheNextWrite)
{
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE", "ENGLISH"), ERROR_SUCCESS);
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kSettingsKey, "HELP", "KOREAN"), ERROR_SUCCESS);
    const std::string text = readFile(userFile());
    const std::string damaged = text.substr(0, text.find("\"HELP\"") + 10);
    writeFile(userFile(), damaged);
    registrytest::LockHolder holder(lockPath());
    ASSERT_TRUE(holder.Holding());

    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE"), "ENGLISH");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kSettingsKey, "HELP"), std::nullopt);
    EXPECT_EQ(readFile(userFile()), damaged) << "repaired under another process's lock";
    EXPECT_TRUE(userFolderNames("registry.reg.corrupt-").empty());
    EXPECT_FALSE(holder.LetGoByItself()) << "a read waited for the lock";
    holder.Release();

    // A registration, written without reading first, finds the damage itself.
    RegistryBatch registration(HKEY_CLASSES_ROOT);
    registration.SetString("CLSID\\{3F2A0C11-5B7E-4C1D-9A60-2B7E4D1C0F01}", "", "prjFIXTURE.clsFIXTURE");
    ASSERT_EQ(registration.Commit(), ERROR_SUCCESS);
    const auto kept = userFolderNames("registry.reg.corrupt-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(readFile(userFolder() / kept[0]), damaged);
    const ParsedText repaired = parseRegistryText(readFile(userFile()));
    ASSERT_TRUE(repaired.ok) << repaired.problem;
    const Key* settings = repaired.tree.find(std::string("HKEY_CURRENT_USER\\") + kSettingsKey);
    ASSERT_NE(settings, nullptr);
    EXPECT_NE(findValue(*settings, "LANGUAGE"), nullptr);
    EXPECT_EQ(findValue(*settings, "HELP"), nullptr);
    EXPECT_NE(repaired.tree.find("HKEY_CURRENT_USER\\SOFTWARE\\Classes\\CLSID\\{3F2A0C11-5B7E-4C1D-9A60-2B7E4D1C0F01}"),
              nullptr);
}

}  // namespace
