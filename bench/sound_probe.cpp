// bench/sound_latency.sh's and bench/idle.sh's ear: records the default sink's monitor of a
// PulseAudio server (a null sink in the benchmarks) and notes when each sound begins there.
//
//   sound_probe latency ROUNDS X Y BARE_PROGRAM
//       Each round, in turn: starts BARE_PROGRAM (which prints the steady clock just before it
//       opens the device) and notes the delay to its first sample ("bare MS"); then, with the
//       sound device idle for longer than the release delay, clicks at root position X, Y through
//       the XTEST extension and notes the delay from the click to the first sample ("idle MS");
//       then, 300 ms after that sound has ended, clicks again ("open MS").
//   sound_probe quiet MS TIMEOUT_S
//       Returns once a sound has been heard and MS of silence have followed it (1 on timeout).
//
// A sound begins at its first sample: the first one above 8 / 32768 (-72 dBFS) after at least
// 200 ms of silence (the null sink is digital: silence is exact zeros, and the program's recordings
// fade in from their first sample, reaching 1 % of full scale only some 20-25 ms later, so a
// louder threshold would time the recording rather than the program);
// its time is when the sample was read less the recording stream's latency and the samples read
// with it that came after it.
#include <pulse/error.h>
#include <pulse/simple.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRate = 44100;
constexpr int kChunkFrames = 64;
constexpr int kThreshold = 8;  // -72 dBFS
constexpr int kSilenceBeforeOnset = kRate / 5;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

struct Ear {
    std::mutex mutex;
    std::condition_variable heard;
    std::deque<Clock::time_point> onsets;
    Clock::time_point lastSound;  // the end of the last chunk with sound in it
    bool anySound = false;
    bool listening = false;  // the first samples have been read
    std::atomic<bool> failed{false};

    void Listen()
    {
        const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate, 1};
        pa_buffer_attr attributes{};
        attributes.maxlength = static_cast<std::uint32_t>(-1);
        attributes.fragsize = kChunkFrames * 2;
        int error = 0;
        pa_simple* stream = pa_simple_new(nullptr, "sound_probe", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                                          "monitor", &spec, nullptr, &attributes, &error);
        if (!stream) {
            std::fprintf(stderr, "cannot record the monitor: %s\n", pa_strerror(error));
            failed = true;
            heard.notify_all();
            return;
        }
        std::int16_t chunk[kChunkFrames];
        long silentFrames = kSilenceBeforeOnset;
        for (;;) {
            if (pa_simple_read(stream, chunk, sizeof chunk, &error) < 0) {
                failed = true;
                heard.notify_all();
                break;
            }
            const Clock::time_point read = Clock::now();
            if (!listening) {
                std::lock_guard lock(mutex);
                listening = true;
                heard.notify_all();
            }
            const auto latency = std::chrono::microseconds(pa_simple_get_latency(stream, &error));
            bool sound = false;
            for (int i = 0; i < kChunkFrames; ++i) {
                if (std::abs(static_cast<int>(chunk[i])) <= kThreshold) {
                    ++silentFrames;
                    continue;
                }
                if (!sound && silentFrames >= kSilenceBeforeOnset) {
                    const auto after = std::chrono::microseconds((kChunkFrames - i) * 1'000'000LL / kRate);
                    std::lock_guard lock(mutex);
                    onsets.push_back(read - latency - after);
                    // Sounding from now on: a wait for quiet that follows the onset must not
                    // find the previous sound's end.
                    lastSound = read;
                    anySound = true;
                    heard.notify_all();
                }
                sound = true;
                silentFrames = 0;
            }
            if (sound) {
                std::lock_guard lock(mutex);
                lastSound = read;
                anySound = true;
            }
        }
        pa_simple_free(stream);
    }

    bool WaitListening()
    {
        std::unique_lock lock(mutex);
        heard.wait_for(lock, 10s, [&] { return listening || failed; });
        return listening;
    }

    // The first onset after `since`, waiting at most `timeout` for it.
    bool OnsetAfter(Clock::time_point since, std::chrono::milliseconds timeout, Clock::time_point& onset)
    {
        std::unique_lock lock(mutex);
        const auto found = [&] {
            while (!onsets.empty() && onsets.front() < since - 50ms)
                onsets.pop_front();
            return !onsets.empty() || failed;
        };
        if (!heard.wait_for(lock, timeout, found) || failed)
            return false;
        onset = onsets.front();
        onsets.pop_front();
        return true;
    }

    // Waits until a sound has been heard and `quiet` has passed without one.
    bool WaitQuiet(std::chrono::milliseconds quiet, std::chrono::seconds timeout)
    {
        const Clock::time_point giveUp = Clock::now() + timeout;
        while (Clock::now() < giveUp && !failed) {
            {
                std::lock_guard lock(mutex);
                if (anySound && Clock::now() - lastSound >= quiet)
                    return true;
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
};

// Starts the program and returns the time it printed; the program is left to end by itself.
bool StartBare(const char* program, Clock::time_point& started, pid_t& pid)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char line[64] = {};
    const ssize_t got = read(out[0], line, sizeof line - 1);
    close(out[0]);
    if (got <= 0)
        return false;
    started = Clock::time_point(std::chrono::nanoseconds(std::strtoll(line, nullptr, 10)));
    return true;
}

struct Clicker {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;

    bool Connect()
    {
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection))
            return false;
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        return true;
    }

    // The time the button went up (a picture button's Click comes with the release).
    Clock::time_point Click(int x, int y)
    {
        xcb_test_fake_input(connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root,
                            static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
        xcb_test_fake_input(connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root, 0, 0, 0);
        xcb_flush(connection);
        std::this_thread::sleep_for(30ms);
        xcb_test_fake_input(connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root, 0, 0, 0);
        const Clock::time_point at = Clock::now();
        xcb_flush(connection);
        return at;
    }
};

int Latency(int rounds, int x, int y, const char* bare, Ear& ear)
{
    Clicker clicker;
    if (!clicker.Connect()) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        return 1;
    }
    Clock::time_point onset;
    for (int round = 0; round < rounds; ++round) {
        Clock::time_point started;
        pid_t pid = 0;
        if (!StartBare(bare, started, pid) || !ear.OnsetAfter(started, 5000ms, onset)) {
            std::fprintf(stderr, "the bare program was not heard\n");
            return 1;
        }
        std::printf("bare %.2f\n", Milliseconds(onset - started));
        waitpid(pid, nullptr, 0);

        // Longer than the release delay after the last sound: the device is closed.
        ear.WaitQuiet(2500ms, 30s);
        Clock::time_point clicked = clicker.Click(x, y);
        if (!ear.OnsetAfter(clicked, 5000ms, onset)) {
            std::fprintf(stderr, "the click was not heard\n");
            return 1;
        }
        std::printf("idle %.2f\n", Milliseconds(onset - clicked));

        ear.WaitQuiet(300ms, 30s);
        clicked = clicker.Click(x, y);
        if (!ear.OnsetAfter(clicked, 5000ms, onset)) {
            std::fprintf(stderr, "the click was not heard\n");
            return 1;
        }
        std::printf("open %.2f\n", Milliseconds(onset - clicked));
        std::fflush(stdout);
        ear.WaitQuiet(300ms, 30s);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!(mode == "latency" && argc == 6) && !(mode == "quiet" && argc == 4)) {
        std::fprintf(stderr, "usage: %s latency ROUNDS X Y BARE_PROGRAM | quiet MS TIMEOUT_S\n", argv[0]);
        return 2;
    }
    static Ear ear;  // its thread runs until the process ends
    std::thread([] { ear.Listen(); }).detach();
    int result = 1;
    if (!ear.WaitListening()) {
        std::fprintf(stderr, "the monitor could not be recorded\n");
    } else if (mode == "latency") {
        result = Latency(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), argv[5], ear);
    } else {
        result = ear.WaitQuiet(std::chrono::milliseconds(std::atoi(argv[2])),
                               std::chrono::seconds(std::atoi(argv[3])))
                     ? 0
                     : 1;
    }
    std::fflush(stdout);
    std::_Exit(result);
}
