#include "platform/shell/Shell.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <spawn.h>
#include <strings.h>
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

bool HasScheme(const std::string& target)
{
    std::size_t colon = target.find(':');
    if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(target[0]))) {
        return false;
    }
    return std::all_of(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

// A web address written without a scheme ("www.host/path") is a web page to the shell the program
// expects, while xdg-open would look for a file of that name: such a target gets "http://".
std::string QualifiedTarget(const std::string& file, const std::string& directory)
{
    if (HasScheme(file) || strncasecmp(file.c_str(), "www.", 4) != 0) return file;
    std::string asFile = file;
    if (IsFolder(directory)) asFile = directory + "/" + file;
    struct stat info {};
    if (stat(asFile.c_str(), &info) == 0) return file;
    return "http://" + file;
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
    std::string target = QualifiedTarget(request.file, request.directory);
    char* arguments[] = {program.data(), target.data(), nullptr};
    pid_t child = 0;
    int failed = posix_spawnp(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return SE_ERR_NOASSOC;
    ReapInBackground(child);
    return SHELL_REQUEST_HANDED_OVER;
}
