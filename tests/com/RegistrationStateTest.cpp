// What registrations leave in the registry files: regsvr killed at any moment leaves all of a
// library's keys or none, and a class registered for the whole machine is created whatever
// stands at the user's file.
#include "langtext/prjQBYTXT.h"
#include "platform/com/Creation.h"
#include "platform/com/EntryPoints.h"
#include "platform/registry/RegistryText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kRegsvr = std::string(QBY_BUILD_DIR) + "/regsvr";
const std::string kLangtext = std::string(QBY_BUILD_DIR) + "/langtext/liblangtext.so";

class RegistrationState : public ::testing::Test {
protected:
    void SetUp() override
    {
        base_ = fs::temp_directory_path() / ("quillby-registration-" + std::to_string(::getpid()));
        fs::remove_all(base_);
        fs::create_directories(base_ / "machine");
        const char* configHome = std::getenv("XDG_CONFIG_HOME");
        savedConfigHome_ = configHome ? configHome : "";
        ::setenv("XDG_CONFIG_HOME", (base_ / "config").c_str(), 1);
        ::setenv("QUILLBY_MACHINE_REGISTRY", (base_ / "machine" / "registry.reg").c_str(), 1);
    }
    void TearDown() override
    {
        ::setenv("XDG_CONFIG_HOME", savedConfigHome_.c_str(), 1);
        ::unsetenv("QUILLBY_MACHINE_REGISTRY");
        ::unsetenv("QUILLBY_REGISTER_MACHINE");
        std::error_code ignored;
        fs::permissions(userFile(), fs::perms::owner_all, ignored);
        fs::remove_all(base_, ignored);
    }

    fs::path userFile() const { return base_ / "config" / "quillby" / "registry.reg"; }
    fs::path base() const { return base_; }

    // The number of values registered in the user's file; nothing when the file does not parse.
    std::optional<std::size_t> RegisteredValues() const
    {
        std::ifstream in(userFile(), std::ios::binary);
        if (!in) return 0;
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const qby::registry::ParsedText parsed = qby::registry::parseRegistryText(text);
        if (!parsed.ok) return std::nullopt;
        std::size_t values = 0;
        parsed.tree.forEach([&](const qby::registry::Key& key) {
            if (key.path.rfind("HKEY_CURRENT_USER\\SOFTWARE\\Classes\\", 0) == 0) values += key.values.size();
        });
        return values;
    }

    // regsvr on Langtext, with nothing to show on the terminal.
    static pid_t StartRegsvr(bool unregister)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> arguments{kRegsvr};
        if (unregister) arguments.push_back("-u");
        arguments.push_back(kLangtext);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawn(&pid, kRegsvr.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }
    static int WaitFor(pid_t pid)
    {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }
    static void RunRegsvr(bool unregister)
    {
        const pid_t pid = StartRegsvr(unregister);
        ASSERT_GT(pid, 0);
        ASSERT_EQ(WaitFor(pid), 0);
    }

private:
    fs::path base_;
    std::string savedConfigHome_;
};

TEST_F(RegistrationState, RegsvrKilledAtAnyMomentLeavesAllOfTheKeysOrNone)
{
    const auto started = std::chrono::steady_clock::now();
    RunRegsvr(false);
    // Kills fall anywhere within the time one whole run takes here.
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    const std::optional<std::size_t> all = RegisteredValues();
    ASSERT_TRUE(all && *all > 0);

    constexpr int kKills = 40;
    std::mt19937 random(20240611u);
    int killedWhileRunning = 0;
    for (int round = 0; round < kKills; ++round) {
        // Even rounds remove a whole registration, odd rounds make one from nothing.
        const bool unregister = round % 2 == 0;
        const pid_t regsvr = StartRegsvr(unregister);
        ASSERT_GT(regsvr, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % span.count()));
        ::kill(regsvr, SIGKILL);
        if (WaitFor(regsvr) == -SIGKILL) ++killedWhileRunning;

        const std::optional<std::size_t> values = RegisteredValues();
        ASSERT_TRUE(values) << "round " << round << ": the file does not parse";
        ASSERT_TRUE(*values == 0 || *values == *all)
            << "round " << round << ": " << *values << " of " << *all << " values registered";
        // The next round starts from the state its kind needs.
        if (unregister && *values != 0) RunRegsvr(true);
        if (!unregister && *values == 0) RunRegsvr(false);
    }
    EXPECT_GT(killedWhileRunning, kKills / 4) << "too few kills landed before regsvr ended";
}

struct Unreadable {
    const char* name;
    void (*make)(const fs::path& file, const fs::path& elsewhere);
};

void PrintTo(const Unreadable& unreadable, std::ostream* out)
{
    *out << unreadable.name;
}

class UnreadableUserFile : public RegistrationState, public ::testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadableUserFile, AClassRegisteredMachineWideIsStillCreated)
{
    ::setenv("QUILLBY_REGISTER_MACHINE", "1", 1);
    void* library = dlopen(kLangtext.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    auto registerServer = reinterpret_cast<DllRegisterServerFunction>(dlsym(library, "DllRegisterServer"));
    ASSERT_NE(registerServer, nullptr);
    ASSERT_EQ(registerServer(), S_OK);
    ::unsetenv("QUILLBY_REGISTER_MACHINE");
    ASSERT_FALSE(fs::exists(userFile()));

    fs::create_directories(userFile().parent_path());
    GetParam().make(userFile(), base() / "elsewhere.reg");
    if (std::string(GetParam().name) == "NoPermission" && ::geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not hold back the superuser";
    }

    ComPtr<prjQBYTXT::_clsPRGTXT> text;
    EXPECT_EQ(CoCreateInstance(prjQBYTXT::CLSID_clsPRGTXT, prjQBYTXT::IID__clsPRGTXT, text.ReceiveVoid()), S_OK);
    EXPECT_TRUE(text);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, UnreadableUserFile,
    ::testing::Values(Unreadable{"Link",
                                 [](const fs::path& file, const fs::path& elsewhere) {
                                     std::ofstream(elsewhere) << "Quillby Registry File 1\n";
                                     fs::create_symlink(elsewhere, file);
                                 }},
                      Unreadable{"Fifo", [](const fs::path& file, const fs::path&) { ::mkfifo(file.c_str(), 0600); }},
                      Unreadable{"Folder", [](const fs::path& file, const fs::path&) { fs::create_directory(file); }},
                      Unreadable{"NoPermission",
                                 [](const fs::path& file, const fs::path&) {
                                     std::ofstream(file) << "Quillby Registry File 1\n";
                                     fs::permissions(file, fs::perms::none);
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
