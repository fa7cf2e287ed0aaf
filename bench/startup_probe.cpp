// Times one start of a program under X, exactly, through the X server's own reports:
//   startup_probe PROGRAM [QUIET_MS]
// starts PROGRAM and prints "<ms to window mapped> <ms to first paint finished> <peak RSS kB>".
//
// Every top-level window the program creates is watched with the DAMAGE extension from the
// moment it is created, so no drawing is missed. "Mapped" is the first MapNotify of such a
// window; "first paint finished" is the last damage to a mapped window before QUIET_MS (default
// 500) pass without any. Times count from just before the program is started. The peak resident
// set size (VmHWM) is read after the quiet period; then the program is ended.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start, Clock::time_point at)
{
    return std::chrono::duration<double, std::milli>(at - start).count();
}

long PeakResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

pid_t Start(const char* program)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [QUIET_MS]\n", argv[0]);
        return 2;
    }
    const auto quiet = std::chrono::milliseconds(argc > 2 ? std::atoi(argv[2]) : 500);
    constexpr auto kGiveUp = std::chrono::seconds(20);

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    std::unique_ptr<xcb_damage_query_version_reply_t, decltype(&std::free)> version(
        xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1), nullptr),
        &std::free);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = Start(argv[1]);
    if (pid < 0)
        return 1;

    std::set<xcb_window_t> mappedWindows;
    std::optional<Clock::time_point> mapped;
    std::optional<Clock::time_point> lastDamage;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const Clock::time_point at = Clock::now();
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(connection);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mappedWindows.insert(map->window);
                if (!mapped)
                    mapped = at;
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (mappedWindows.contains(notify->drawable))
                    lastDamage = at;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection))
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before it had drawn its window\n", argv[1]);
            return 1;
        }
        const Clock::time_point now = Clock::now();
        if (now - start > kGiveUp || (lastDamage && now - *lastDamage >= quiet))
            break;
        const auto wait = lastDamage ? quiet - (now - *lastDamage) : std::chrono::milliseconds(100);
        poll(&watch, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(wait).count()) + 1);
    }
    const long peak = PeakResidentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (!mapped || !lastDamage) {
        std::fprintf(stderr, "%s showed no window\n", argv[1]);
        return 1;
    }
    std::printf("%.2f %.2f %ld\n", MillisecondsSince(start, *mapped), MillisecondsSince(start, *lastDamage),
                peak);
    return 0;
}
