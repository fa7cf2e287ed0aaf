#include "platform/shell/Shell.h"

#include <cerrno>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Collects the child's exit on a thread of its own, so the caller does not wait and no zombie stays.
void ReapInBackground(pid_t child)
{
    auto reap = [child] {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    };
    try {
        std::thread(reap).detach();
    } catch (const std::system_error&) {
        reap();  // no thread to be had: wait here rather than leave a zombie
    }
}

}  // namespace

std::int32_t LaunchWithXdgOpen(const ShellRequest& request)
{
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return SE_ERR_NOASSOC;
    if (IsFolder(request.directory)) {
        posix_spawn_file_actions_addchdir_np(&actions, request.directory.c_str());
    }
    std::string program = "xdg-open";
    std::string target = request.file;
    char* arguments[] = {program.data(), target.data(), nullptr};
    pid_t child = 0;
    int failed = posix_spawnp(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return SE_ERR_NOASSOC;
    ReapInBackground(child);
    return SHELL_REQUEST_HANDED_OVER;
}
