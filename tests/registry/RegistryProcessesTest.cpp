// Several processes writing one registry file, and writers killed in the middle of a write.
// The writers are forked copies of this test process.
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/wait.h>
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
            // A save that found the file locked past its wait (seven others keep it busy, longer
            // on a loaded machine) failed as a whole: the writer saves it again.
            auto save = [](const char* name, const std::string& text) {
                LONG status;
                while ((status = saveString(HKEY_CURRENT_USER, kStressKey, name, text)) == ERROR_LOCK_VIOLATION)
                    usleep(1000);
                return status;
            };
            for (int round = 0; round < kRounds; ++round) {
                const std::string own = numbered("W", writer, '_', round);
                const std::string shared = numbered("", writer, ':', round);
                if (save(own.c_str(), std::to_string(round)) != ERROR_SUCCESS || save("Shared", shared) != ERROR_SUCCESS) {
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

// What a writer reports on its pipe: a save that has returned, or the step it has stopped at.
struct Report {
    enum Kind : int { Saved, Stopped } kind;
    int value;  // the counter saved, or the step
};

// The writer of one round stops for good at step `stopStep` of its save number `stopAtSave`
// (counting from 0), after telling the test so.
struct StopPoint {
    int reportPipe = -1;
    ReplaceStep stopStep = ReplaceStep::TemporaryCreated;
    int stopAtSave = 0;
    int savesDone = 0;
};
StopPoint g_stop;

void stopAtChosenStep(ReplaceStep step)
{
    if (step != g_stop.stopStep || g_stop.savesDone != g_stop.stopAtSave) return;
    const Report report{Report::Stopped, static_cast<int>(step)};
    if (::write(g_stop.reportPipe, &report, sizeof report) != sizeof report) ::_exit(3);
    for (;;) ::pause();  // until killed
}

// The writer saves "Counter" (texts of changing length) once per save, reporting each after it
// has returned, until it stops at its chosen step.
int writeCountersUntilStopped(int base, const StopPoint& stop)
{
    g_stop = stop;
    setReplaceStepHook(stopAtChosenStep);
    for (int counter = base;; ++counter) {
        const std::string text = std::to_string(counter) + std::string(static_cast<std::size_t>(counter % 17), '.');
        if (saveString(HKEY_CURRENT_USER, kStressKey, "Counter", text) != ERROR_SUCCESS) {
            return 1;
        }
        const Report report{Report::Saved, counter};
        if (::write(g_stop.reportPipe, &report, sizeof report) != sizeof report) {
            return 2;
        }
        ++g_stop.savesDone;
    }
}

TEST_F(RegistryProcesses, WritersKilledAtAnyStepOfASaveNeverLeaveATornFile)
{
    const ReplaceStep steps[] = {ReplaceStep::TemporaryCreated, ReplaceStep::HalfWritten, ReplaceStep::Flushed,
                                 ReplaceStep::Renamed};
    std::optional<int> onDisk;  // the counter in the file after the previous kill
    int round = 0;
    for (ReplaceStep step : steps) {
        for (int savesBefore = 0; savesBefore < 3; ++savesBefore, ++round) {
            SCOPED_TRACE("step " + std::to_string(static_cast<int>(step)) + " after " + std::to_string(savesBefore) +
                         " saves");
            int reports[2];
            ASSERT_EQ(::pipe(reports), 0);
            const int base = round * 100000;
            pid_t writer = forkChild([&] {
                ::close(reports[0]);
                return writeCountersUntilStopped(base, StopPoint{reports[1], step, savesBefore, 0});
            });
            ::close(reports[1]);
            // Every save it reports, up to the step it stops at; then it is killed there.
            std::optional<int> lastSaved;
            bool stopped = false;
            Report report{};
            while (!stopped && ::read(reports[0], &report, sizeof report) == sizeof report) {
                if (report.kind == Report::Saved) lastSaved = report.value;
                stopped = report.kind == Report::Stopped;
            }
            ::kill(writer, SIGKILL);
            EXPECT_EQ(exitCodeOf(writer), -SIGKILL);
            ::close(reports[0]);
            ASSERT_TRUE(stopped) << "the writer ended before its step";
            EXPECT_EQ(lastSaved, savesBefore == 0 ? std::nullopt : std::optional<int>(base + savesBefore - 1));

            // A writer's temporary file is "<file>.tmp-<pid>": left behind by every kill before the rename.
            EXPECT_EQ(fs::exists(userFile().string() + ".tmp-" + std::to_string(writer)), step != ReplaceStep::Renamed);
            // The file holds the save being made once it is renamed in, else the one before it.
            std::optional<int> expected = onDisk;
            if (step == ReplaceStep::Renamed) {
                expected = base + savesBefore;
            } else if (lastSaved) {
                expected = lastSaved;
            }
            if (!expected) {
                EXPECT_FALSE(fs::exists(userFile())) << "no save has completed yet";
                continue;
            }
            const ParsedText parsed = parseRegistryText(readFile(userFile()));
            ASSERT_TRUE(parsed.ok) << parsed.problem;
            ASSERT_NE(stressKey(parsed.tree), nullptr);
            const Value* value = findValue(*stressKey(parsed.tree), "Counter");
            ASSERT_NE(value, nullptr);
            EXPECT_EQ(std::stoi(textOf(*value)), *expected);
            onDisk = expected;
        }
    }
    EXPECT_TRUE(userFolderNames("registry.reg.corrupt").empty());

    // The next writer clears what the killed ones left and carries on.
    ASSERT_EQ(saveString(HKEY_CURRENT_USER, kStressKey, "Counter", "done"), ERROR_SUCCESS);
    EXPECT_EQ(loadString(HKEY_CURRENT_USER, kStressKey, "Counter"), "done");
    EXPECT_TRUE(userFolderNames("registry.reg.tmp").empty());
}

}  // namespace
