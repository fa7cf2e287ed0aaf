#include "platform/shell/Shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Records every request instead of opening anything, and puts xdg-open back at the end.
class RecordingLauncher {
public:
    RecordingLauncher()
    {
        SetShellLauncher([this](const ShellRequest& request) {
            requests.push_back(request);
            return SHELL_REQUEST_HANDED_OVER;
        });
    }
    ~RecordingLauncher() { SetShellLauncher({}); }

    std::vector<ShellRequest> requests;
};

}  // namespace

TEST(Shell, RequestsReachTheLauncherAsGiven)
{
    RecordingLauncher launcher;
    EXPECT_GT(ShellExecuteA(12, "OPEN", "www.orvane.example/quillby", nullptr, "/opt/quillby", SW_SHOWNORMAL), 32);
    EXPECT_GT(ShellExecuteA(12, nullptr, "mailto:help@orvane.example", nullptr, nullptr, SW_SHOWNORMAL), 32);
    ASSERT_EQ(launcher.requests.size(), 2u);
    EXPECT_EQ(launcher.requests[0].hwnd, 12);
    EXPECT_EQ(launcher.requests[0].verb, "OPEN");
    EXPECT_EQ(launcher.requests[0].file, "www.orvane.example/quillby");
    EXPECT_EQ(launcher.requests[0].directory, "/opt/quillby");
    EXPECT_EQ(launcher.requests[1].verb, "");
    EXPECT_EQ(launcher.requests[1].file, "mailto:help@orvane.example");
}

TEST(Shell, UnsafeOrEmptyTargetsAreRefusedBeforeAnythingStarts)
{
    RecordingLauncher launcher;
    for (const char* target : {"-e", "--help", "http://a\nb", "file://x\ty", "mailto:a\x1b[0m", "a\x7f", ""}) {
        EXPECT_LE(ShellExecuteA(0, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL), 32) << target;
    }
    EXPECT_LE(ShellExecuteA(0, nullptr, nullptr, nullptr, nullptr, SW_SHOWNORMAL), 32);
    EXPECT_TRUE(launcher.requests.empty());
}

// xdg-open itself, replaced by a script that reports its folder and arguments through the pipe
// whose descriptor the test names in QUILLBY_TEST_REPORT_FD (whatever number it got).
class XdgOpen : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("quillby-xdg-" + std::to_string(getpid()));
        fs::create_directories(folder_ / "bin");
        fs::create_directories(folder_ / "work");
        fs::path script = folder_ / "bin" / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n"
                                 "{ pwd; printf '%s\\n' \"$@\"; echo \"count=$#\"; } > \"/dev/fd/$QUILLBY_TEST_REPORT_FD\"\n";
        fs::permissions(script, fs::perms::owner_all);
        savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (folder_ / "bin").c_str(), 1);
    }

    void TearDown() override
    {
        setenv("PATH", savedPath_.c_str(), 1);
        unsetenv("QUILLBY_TEST_REPORT_FD");
        fs::remove_all(folder_);
    }

    // Opens `target` with the real launcher and answers what the script reported.
    std::string Open(const std::string& target)
    {
        int pipe[2];
        EXPECT_EQ(pipe2(pipe, O_CLOEXEC), 0);
        fcntl(pipe[1], F_SETFD, 0);  // the write end alone is inherited by the child
        setenv("QUILLBY_TEST_REPORT_FD", std::to_string(pipe[1]).c_str(), 1);
        result_ = ShellExecuteA(0, "OPEN", target.c_str(), nullptr, workFolder().c_str(), SW_SHOWNORMAL);
        close(pipe[1]);
        std::string report;
        char buffer[256];
        ssize_t got = 0;
        while ((got = read(pipe[0], buffer, sizeof buffer)) > 0) report.append(buffer, static_cast<size_t>(got));
        close(pipe[0]);
        return report;
    }

    std::string workFolder() const { return (folder_ / "work").string(); }

    std::int32_t result_ = 0;

private:
    fs::path folder_;
    std::string savedPath_;
};

TEST_F(XdgOpen, TargetIsOneArgumentNeverReadByAShell)
{
    std::string target = "mailto:a b;$(touch pwned)'\"|&*";
    std::string report = Open(target);
    EXPECT_GT(result_, 32);
    EXPECT_EQ(report, workFolder() + "\n" + target + "\ncount=1\n");
    EXPECT_FALSE(fs::exists(fs::path(workFolder()) / "pwned"));
}

TEST_F(XdgOpen, WebAddressWithoutSchemeOpensAsWebPage)
{
    EXPECT_EQ(Open("www.orvane.example/quillby"), workFolder() + "\nhttp://www.orvane.example/quillby\ncount=1\n");
    std::ofstream(fs::path(workFolder()) / "www.notes.txt") << "a file, not a web page\n";
    EXPECT_EQ(Open("www.notes.txt"), workFolder() + "\nwww.notes.txt\ncount=1\n");
}

TEST_F(XdgOpen, MissingOpenerIsReportedAsFailure)
{
    setenv("PATH", "/nonexistent-folder", 1);
    EXPECT_EQ(Open("mailto:help@orvane.example"), "");
    EXPECT_LE(result_, 32);
}
