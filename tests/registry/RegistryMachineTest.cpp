// The machine-wide file and the merged classes view that class registrations are read through.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "RegistryFixture.h"
#include "platform/registry/RegistryLocations.h"

using namespace qby::registry;

namespace {

constexpr const char* kServer = "CLSID\\{3F2A0C11-5B7E-4C1D-9A60-2B7E4D1C0F01}\\InprocServer32";

class RegistryMachine : public RegistryTest {
protected:
    // Runs `body` as an ordinary user: as it is for anyone else, or, for the superuser, in a
    // child process that has given the test's folder to the user "nobody" and become that user.
    void asUnprivilegedUser(const std::function<void()>& body)
    {
        if (::geteuid() != 0) {
            body();
            return;
        }
        constexpr uid_t kNobody = 65534;
        for (const auto& entry : fs::recursive_directory_iterator(base())) {
            ASSERT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0) << entry.path();
        }
        ASSERT_EQ(::chown(base().c_str(), kNobody, kNobody), 0);
        std::fflush(nullptr);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
            body();
            std::fflush(nullptr);
            ::_exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the checks as an ordinary user failed (status " << status << ")";
    }


    // A registration made machine-wide, as an installer running with write access does it.
    void registerMachineWide(const char* library, const char* threading)
    {
        const std::string key = std::string("SOFTWARE\\Classes\\") + kServer;
        ASSERT_EQ(saveString(HKEY_LOCAL_MACHINE, key, nullptr, library), ERROR_SUCCESS);
        ASSERT_EQ(saveString(HKEY_LOCAL_MACHINE, key, "ThreadingModel", threading), ERROR_SUCCESS);
    }
};

TEST_F(RegistryMachine, ClassesAreReadFromTheUserFirstAndThenTheMachine)
{
    registerMachineWide("/usr/lib/quillby/machine.so", "Apartment");
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, ""), "/usr/lib/quillby/machine.so");
    EXPECT_FALSE(fs::exists(userFile()));
    EXPECT_EQ(fs::status(machineFile()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read)
        << "every user reads the machine's registrations";

    ASSERT_EQ(saveString(HKEY_CURRENT_USER, std::string("SOFTWARE\\Classes\\") + kServer, nullptr,
                         "/home/user/lib/user.so"),
              ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, ""), "/home/user/lib/user.so");
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, "ThreadingModel"), "Apartment")
        << "a value the user's key lacks comes from the machine";
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, "Missing"), std::nullopt);

    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{00000000-0000-0000-0000-000000000000}", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryMachine, ClassesAreWrittenForTheUserUnlessRegisteringMachineWide)
{
    ASSERT_EQ(saveString(HKEY_CLASSES_ROOT, kServer, nullptr, "/home/user/lib/user.so"), ERROR_SUCCESS);
    EXPECT_FALSE(fs::exists(machineFile()));
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, std::string("SOFTWARE\\Classes\\") + kServer, ""),
              "/home/user/lib/user.so");

    ::setenv("QUILLBY_REGISTER_MACHINE", "1", 1);
    ASSERT_EQ(saveString(HKEY_CLASSES_ROOT, kServer, "ThreadingModel", "Apartment"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_LOCAL_MACHINE, std::string("SOFTWARE\\Classes\\") + kServer, "ThreadingModel"),
              "Apartment");
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, std::string("SOFTWARE\\Classes\\") + kServer, "ThreadingModel"),
              std::nullopt);

    // Unregistering machine-wide leaves the user's registration.
    EXPECT_EQ(RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID\\{3F2A0C11-5B7E-4C1D-9A60-2B7E4D1C0F01}"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, "ThreadingModel"), std::nullopt);
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, ""), "/home/user/lib/user.so");
    ::unsetenv("QUILLBY_REGISTER_MACHINE");
    EXPECT_EQ(RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID\\{3F2A0C11-5B7E-4C1D-9A60-2B7E4D1C0F01}"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, ""), std::nullopt);
}

TEST_F(RegistryMachine, AValueWrittenThroughAMachineOnlyClassKeyGoesToTheUser)
{
    registerMachineWide("/usr/lib/quillby/machine.so", "Apartment");
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, kServer, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>("Both"), 5),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, "ThreadingModel"), "Both");
    EXPECT_EQ(loadString(HKEY_LOCAL_MACHINE, std::string("SOFTWARE\\Classes\\") + kServer, "ThreadingModel"),
              "Apartment");
}

TEST_F(RegistryMachine, TheMachineFileIsReadOnlyWhereItsFolderCannotBeWritten)
{
    registerMachineWide("/usr/lib/quillby/machine.so", "Apartment");
    const std::string installed = readFile(machineFile());

    const fs::path elsewhere = base() / "no-such-folder" / "registry.reg";
    ::setenv("QUILLBY_MACHINE_REGISTRY", elsewhere.c_str(), 1);
    EXPECT_EQ(saveString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orvane", "X", "1"), ERROR_ACCESS_DENIED);
    ::setenv("QUILLBY_REGISTER_MACHINE", "1", 1);
    EXPECT_EQ(saveString(HKEY_CLASSES_ROOT, kServer, "X", "1"), ERROR_ACCESS_DENIED);
    ::unsetenv("QUILLBY_REGISTER_MACHINE");
    EXPECT_FALSE(fs::exists(elsewhere.parent_path()));

    ::setenv("QUILLBY_MACHINE_REGISTRY", machineFile().c_str(), 1);
    // Permission bits do not hold back the superuser: the rest runs as an ordinary user.
    asUnprivilegedUser([&] {
        fs::permissions(machineFile().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(saveString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orvane", "X", "1"), ERROR_ACCESS_DENIED);
        EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, ""), "/usr/lib/quillby/machine.so");
        // A damaged machine file that cannot be kept aside stays as it is, and what parses of it
        // is read.
        fs::permissions(machineFile().parent_path(), fs::perms::owner_all);
        writeFile(machineFile(), installed.substr(0, installed.size() - 3));
        fs::permissions(machineFile().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(loadString(HKEY_CLASSES_ROOT, kServer, ""), "/usr/lib/quillby/machine.so");
        EXPECT_EQ(readFile(machineFile()), installed.substr(0, installed.size() - 3));
    });
}

TEST_F(RegistryMachine, TheFilesAreWhereTheEnvironmentAndTheInstallationSay)
{
    EXPECT_EQ(userRegistryPath(), (base() / "config" / "quillby" / "registry.reg").string());
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::setenv("HOME", base().c_str(), 1);
    EXPECT_EQ(userRegistryPath(), (base() / ".config" / "quillby" / "registry.reg").string())
        << "a relative XDG_CONFIG_HOME is ignored";
    ::setenv("HOME", home.c_str(), 1);

    EXPECT_EQ(machineRegistryPath(), machineFile().string());
    ::unsetenv("QUILLBY_MACHINE_REGISTRY");
    const fs::path executable = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(machineRegistryPath(),
              (executable.parent_path().parent_path() / "share" / "quillby" / "registry.reg").string());
}

}  // namespace
