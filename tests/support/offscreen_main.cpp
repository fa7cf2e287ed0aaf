// Test entry point: windows run offscreen unless the caller chose a platform, and every test
// process gets its own empty configuration folder so no test reads a real user's settings.
// The application object is created once for the whole process, before any test runs.
#include "platform/forms/BackgroundWork.h"
#include "platform/forms/Runtime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // A folder of this process's own, even where an earlier run left one behind. A test program
    // re-run by a death test makes its folder inside its parent's, which the parent removes.
    const char* parentFolder = std::getenv("QUILLBY_TEST_FOLDER");
    std::string configHome = ((parentFolder != nullptr ? std::filesystem::path(parentFolder)
                                                       : std::filesystem::temp_directory_path()) /
                              "quillby-test-XXXXXX").string();
    if (::mkdtemp(configHome.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("QUILLBY_TEST_FOLDER", configHome.c_str(), 1);
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    const std::filesystem::path runtimeDir = std::filesystem::path(configHome) / "runtime";
    std::filesystem::create_directories(runtimeDir);
    std::filesystem::permissions(runtimeDir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 0);
    ::testing::InitGoogleTest(&argc, argv);
    qby::RuntimeStart(argc, argv);
    // The start's work on the worker threads reads the environment, which tests change: it ends
    // before the first test begins.
    qby::detail::WaitForBackgroundWork();
    int result = RUN_ALL_TESTS();
    qby::RuntimeStop();
    std::error_code ignored;
    std::filesystem::remove_all(configHome, ignored);
    return result;
}
