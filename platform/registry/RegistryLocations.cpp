#include "platform/registry/RegistryLocations.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "platform/registry/RegistryFiles.h"

namespace qby::registry {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string homeFolder()
{
    std::string home = environment("HOME");
    if (!home.empty()) {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

std::string executablePath()
{
    std::vector<char> buffer(4096);
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// Stores are kept for the rest of the run (never destroyed, so that a library closing its keys
// while the process exits still finds them).
Store* storeAt(const std::string& path, FolderPolicy policy)
{
    static std::mutex mutex;
    static auto* stores = new std::map<std::string, std::unique_ptr<Store>>();
    if (path.empty()) {
        return nullptr;
    }
    std::lock_guard guard(mutex);
    auto& store = (*stores)[path];
    if (!store) {
        store = std::make_unique<Store>(path, policy);
    }
    return store.get();
}

}  // namespace

std::string userRegistryPath()
{
    std::string configHome = environment("XDG_CONFIG_HOME");
    if (configHome.empty() || configHome.front() != '/') {
        std::string home = homeFolder();
        if (home.empty()) {
            return {};
        }
        configHome = home + "/.config";
    }
    return configHome + "/quillby/registry.reg";
}

std::string machineRegistryPath()
{
    std::string configured = environment("QUILLBY_MACHINE_REGISTRY");
    if (!configured.empty()) {
        return configured;
    }
    std::string executable = executablePath();
    if (executable.empty()) {
        return {};
    }
    std::string prefix = folderOf(folderOf(executable));
    return (prefix == "/" ? std::string() : prefix) + "/share/quillby/registry.reg";
}

bool classesGoMachineWide()
{
    return environment("QUILLBY_REGISTER_MACHINE") == "1";
}

Store* userStore()
{
    return storeAt(userRegistryPath(), FolderPolicy::CreateIfMissing);
}

Store* machineStore()
{
    return storeAt(machineRegistryPath(), FolderPolicy::MustBeWritable);
}

}  // namespace qby::registry
