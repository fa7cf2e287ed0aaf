// The registration tool run as a separate process, as a user runs it.
#include "langtext/prjQBYTXT.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const std::string kBuild = QBY_BUILD_DIR;
const std::string kLangtext = kBuild + "/langtext/liblangtext.so";
const std::string kClassKey = "CLSID\\" + GuidToString(prjQBYTXT::CLSID_clsPRGTXT);
const std::string kInterfaceKey = "Interface\\" + GuidToString(prjQBYTXT::IID__clsPRGTXT);
const std::string kTypeLibKey = "TypeLib\\" + GuidToString(prjQBYTXT::LIBID_prjQBYTXT);

struct Outcome {
    int exitStatus = -1;
    std::string errors;
};

// Runs regsvr with `arguments` and collects its exit status and standard error.
Outcome RunRegsvr(std::vector<std::string> arguments)
{
    std::string program = kBuild + "/regsvr";
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDERR_FILENO);
    pid_t child = 0;
    int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe[1]);
    Outcome outcome;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipe[0], buffer, sizeof buffer)) > 0) outcome.errors.append(buffer, static_cast<size_t>(got));
    close(pipe[0]);
    int status = 0;
    if (failed == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        outcome.exitStatus = WEXITSTATUS(status);
    }
    return outcome;
}

std::string ClassValue(const std::string& key, const std::string& name = "")
{
    return ReadClassString(key, name).value_or("<missing>");
}

class Regsvr : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE"); }
};

}  // namespace

TEST_F(Regsvr, RegistersLangtextAndRemovesItAgain)
{
    Outcome registered = RunRegsvr({kLangtext});
    ASSERT_EQ(registered.exitStatus, 0) << registered.errors;

    char resolved[PATH_MAX];
    ASSERT_NE(realpath(kLangtext.c_str(), resolved), nullptr);
    EXPECT_EQ(ClassValue(kClassKey + "\\InprocServer32"), resolved);
    EXPECT_EQ(ClassValue(kClassKey), "prjQBYTXT.clsPRGTXT");
    EXPECT_EQ(ClassValue(kClassKey + "\\ProgID"), "prjQBYTXT.clsPRGTXT");
    EXPECT_EQ(ClassValue(kClassKey + "\\TypeLib"), "{43A89CDA-2B7B-4056-B1A9-EF6407295926}");
    EXPECT_EQ(ClassValue(kClassKey + "\\Version"), "7.0");
    EXPECT_EQ(ClassValue("prjQBYTXT.clsPRGTXT\\CLSID"), "{FFEB70BE-59CA-4DC8-B7E6-0912C15B7AB6}");
    EXPECT_EQ(ClassValue(kInterfaceKey), "_clsPRGTXT");
    EXPECT_EQ(ClassValue(kInterfaceKey + "\\TypeLib", "Version"), "7.0");
    EXPECT_EQ(ClassValue(kTypeLibKey + "\\7.0"), "Langtext");

    ComPtr<prjQBYTXT::_clsPRGTXT> texts;
    EXPECT_EQ(CreateObject(prjQBYTXT::CLSID_clsPRGTXT, &texts), S_OK);

    Outcome unregistered = RunRegsvr({"-u", kLangtext});
    ASSERT_EQ(unregistered.exitStatus, 0) << unregistered.errors;
    for (const std::string& key : {kClassKey, std::string("prjQBYTXT.clsPRGTXT"), kInterfaceKey, kTypeLibKey}) {
        EXPECT_FALSE(ReadClassString(key, "")) << key;
    }
    ComPtr<prjQBYTXT::_clsPRGTXT> again;
    EXPECT_EQ(CreateObject(prjQBYTXT::CLSID_clsPRGTXT, &again), REGDB_E_CLASSNOTREG);
}

TEST_F(Regsvr, UnregisteringWhatIsNotRegisteredSucceeds)
{
    EXPECT_EQ(RunRegsvr({"-u", kLangtext}).exitStatus, 0);
}

TEST_F(Regsvr, FailuresExitNonZeroWithAReason)
{
    const std::string fixtures = QBY_FIXTURE_DIR;
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {kBuild + "/langtext/libmissing.so"},                      // no such library
             {fixtures + "/libqbyfixture_NoEntryPoints.so"},            // no DllRegisterServer
             {"-u", fixtures + "/libqbyfixture_NoEntryPoints.so"},      // no DllUnregisterServer
             {fixtures + "/libqbyfixture_RefusingLibrary.so"},          // the call fails
             {},                                                         // nothing to register
             {"-x", kLangtext},                                          // unknown option
         }) {
        Outcome outcome = RunRegsvr(arguments);
        EXPECT_NE(outcome.exitStatus, 0) << ::testing::PrintToString(arguments);
        EXPECT_NE(outcome.exitStatus, -1) << "regsvr did not run";
        EXPECT_FALSE(outcome.errors.empty()) << ::testing::PrintToString(arguments);
    }
}
