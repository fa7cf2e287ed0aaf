#include "platform/shell/Shell.h"

#include <algorithm>
#include <utility>
#include <mutex>

namespace {

struct LauncherSlot {
    std::mutex lock;
    ShellLauncher launcher;
};

LauncherSlot& Slot()
{
    static LauncherSlot slot;
    return slot;
}

bool IsControlCharacter(char c)
{
    auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

std::string TextOf(const char* text) { return text ? std::string(text) : std::string(); }

}  // namespace

ShellLauncher SetShellLauncher(ShellLauncher launcher)
{
    LauncherSlot& slot = Slot();
    std::lock_guard guard(slot.lock);
    return std::exchange(slot.launcher, std::move(launcher));
}

std::int32_t ShellExecuteA(std::int32_t hwnd, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show)
{
    ShellRequest request{hwnd, TextOf(verb), TextOf(file), TextOf(parameters), TextOf(directory), show};
    if (request.file.empty()) return SE_ERR_FNF;
    if (request.file.front() == '-' || std::ranges::any_of(request.file, IsControlCharacter)) {
        return SE_ERR_ACCESSDENIED;
    }
    ShellLauncher launcher;
    {
        LauncherSlot& slot = Slot();
        std::lock_guard guard(slot.lock);
        launcher = slot.launcher;
    }
    return launcher ? launcher(request) : LaunchWithXdgOpen(request);
}
