// Several processes writing one registry file, and writers killed in the middle of a write.
// The writers are forked copies of this test process.
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "RegistryFixture.h"
#include "platform/registry/RegistryFiles.h"
#include "platform/registry/RegistryText.h"

using namespace qby::registry;

namespace {

constexpr const char* kStressKey = "SOFTWARE\\Orvane\\Quillby\\Stress";

pid_t forkChild(const std::function<int()>& body)
{
    pid_t pid = ::fork();
    if (pid == 0) {
        int code = 100;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    return pid;
}

int exitCodeOf(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

const Key* stressKey(const Tree& tree)
{
    return tree.find(std::string("HKEY_CURRENT_USER\\") + kStressKey);
}

std::string textOf(const Value& value)
{
    return std::string(value.data.begin(), value.data.end() - (value.data.empty() ? 0 : 1));
}

// "<first><a><separator><b>", built by appending (GCC 12 warns falsely on chains of operator+).
std::string numbered(const char* first, int a, char separator, int b)
{
    std::string text = first;
    text += std::to_string(a);
    text += separator;
    text += std::to_string(b);
    return text;
}

class RegistryProcesses : public RegistryTest {};

TEST_F(RegistryProcesses, EightWritersLoseNoValue)
{
    constexpr int kWriters = 8;
    constexpr int kRounds = 100;  // two commits a round: 200 commits a writer
    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.push_back(forkChild([writer] {
            for (int round = 0; round < kRounds; ++round) {
                const std::string own = numbered("W", writer, '_', round);
                const std::string shared = numbered("", writer, ':', round);
                if (saveString(HKEY_CURRENT_USER, kStressKey, own.c_str(), std::to_string(round)) != ERROR_SUCCESS ||
                    saveString(HKEY_CURRENT_USER, kStressKey, "Shared", shared) != ERROR_SUCCESS) {
                    return 1;
                }
            }
            return 0;
        }));
    }
    for (pid_t writer : writers) {
        EXPECT_EQ(exitCodeOf(writer), 0);
    }

    const ParsedText parsed = parseRegistryText(readFile(userFile()));
    ASSERT_TRUE(parsed.ok) << parsed.problem;
    const Key* key = stressKey(parsed.tree);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->values.size(), static_cast<std::size_t>(kWriters * kRounds + 1));
    for (int writer = 0; writer < kWriters; ++writer) {
        for (int round = 0; round < kRounds; ++round) {
            const std::string own = numbered("W", writer, '_', round);
            const Value* value = findValue(*key, own);
            ASSERT_NE(value, nullptr) << own << " was lost";
            EXPECT_EQ(textOf(*value), std::to_string(round));
        }
    }
    // The last commit of all is some writer's last one.
    const Value* shared = findValue(*key, "Shared");
    ASSERT_NE(shared, nullptr);
    const std::string last = textOf(*shared);
    EXPECT_EQ(last.substr(last.find(':') + 1), std::to_string(kRounds - 1)) << last;
    EXPECT_TRUE(userFolderNames("registry.reg.tmp").empty());
}

// The writer saves "Counter" over and over (texts of changing length) and reports each value on
// the pipe once its save has returned.
int writeCountersUntilKilled(int base, int reportPipe)
{
    for (int counter = base;; ++counter) {
        const std::string text = std::to_string(counter) + std::string(static_cast<std::size_t>(counter % 17), '.');
        if (saveString(HKEY_CURRENT_USER, kStressKey, "Counter", text) != ERROR_SUCCESS) {
            return 1;
        }
        if (::write(reportPipe, &counter, sizeof counter) != sizeof counter) {
            return 2;
        }
    }
}

TEST_F(RegistryProcesses, WritersKilledAtAnyMomentNeverLeaveATornFile)
{
    constexpr int kKills = 200;
    std::mt19937 random(20240611u);
    std::optional<int> onDisk;  // the counter in the file after the previous kill
    int killedWhileWriting = 0;
    for (int round = 0; round < kKills; ++round) {
        int reports[2];
        ASSERT_EQ(::pipe(reports), 0);
        const int base = round * 100000;
        pid_t writer = forkChild([&] {
            ::close(reports[0]);
            return writeCountersUntilKilled(base, reports[1]);
        });
        ::close(reports[1]);
        // Let it finish 0 to 2 saves, then kill it a random few microseconds into the next.
        std::optional<int> lastReported;
        const int wanted = static_cast<int>(random() % 3);
        for (int got = 0; got < wanted; ++got) {
            int counter = 0;
            if (::read(reports[0], &counter, sizeof counter) == sizeof counter) {
                lastReported = counter;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 1500));
        ::kill(writer, SIGKILL);
        EXPECT_EQ(exitCodeOf(writer), -SIGKILL);
        int counter = 0;
        while (::read(reports[0], &counter, sizeof counter) == sizeof counter) {
            lastReported = counter;
        }
        ::close(reports[0]);

        // A writer's temporary file is "<file>.tmp-<pid>"; left behind, it shows where the kill fell.
        if (fs::exists(userFile().string() + ".tmp-" + std::to_string(writer))) {
            ++killedWhileWriting;
        }
        if (!fs::exists(userFile())) {
            ASSERT_FALSE(onDisk.has_value()) << "the file vanished";
            ASSERT_FALSE(lastReported.has_value()) << "a reported save is not on disk";
            continue;
        }
        const ParsedText parsed = parseRegistryText(readFile(userFile()));
        ASSERT_TRUE(parsed.ok) << "round " << round << ": " << parsed.problem;
        ASSERT_NE(stressKey(parsed.tree), nullptr);
        const Value* value = findValue(*stressKey(parsed.tree), "Counter");
        ASSERT_NE(value, nullptr);
        const int stored = std::stoi(textOf(*value));
        // The last reported save, or the one after it that was renamed in before the report.
        if (lastReported) {
            EXPECT_TRUE(stored == *lastReported || stored == *lastReported + 1) << stored << " " << *lastReported;
        } else {
            EXPECT_TRUE(stored == base || stored == onDisk) << stored;
        }
        onDisk = stored;
    }
    EXPECT_TRUE(userFolderNames("registry.reg.corrupt").empty());
    EXPECT_GT(killedWhileWriting, 0) << "no kill landed between creating the temporary file and renaming it";

    // The next writer clears what the killed ones left and carries on.
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kStressKey, "Counter", "done"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kStressKey, "Counter"), "done");
    EXPECT_TRUE(userFolderNames("registry.reg.tmp").empty());
}

}  // namespace
