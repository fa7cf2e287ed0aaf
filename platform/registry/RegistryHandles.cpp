#include "platform/registry/RegistryHandles.h"

#include <limits>
#include <mutex>
#include <unordered_map>

namespace qby::registry {

namespace {

struct HandleTable {
    std::mutex mutex;
    std::unordered_map<HKEY, OpenKey> open;
    HKEY next = 1;
};

// Kept for the whole run: libraries may close keys while the process exits.
HandleTable& table()
{
    static auto* instance = new HandleTable();
    return *instance;
}

std::optional<Root> predefinedRoot(HKEY handle)
{
    if (handle == HKEY_CURRENT_USER) {
        return Root::CurrentUser;
    }
    if (handle == HKEY_LOCAL_MACHINE) {
        return Root::LocalMachine;
    }
    if (handle == HKEY_CLASSES_ROOT) {
        return Root::ClassesRoot;
    }
    return std::nullopt;
}

}  // namespace

std::optional<OpenKey> findOpenKey(HKEY handle)
{
    if (auto root = predefinedRoot(handle)) {
        return OpenKey{*root, std::string(), KEY_ALL_ACCESS};
    }
    HandleTable& handles = table();
    std::lock_guard guard(handles.mutex);
    auto found = handles.open.find(handle);
    if (found == handles.open.end()) {
        return std::nullopt;
    }
    return found->second;
}

HKEY openHandle(OpenKey key)
{
    HandleTable& handles = table();
    std::lock_guard guard(handles.mutex);
    // Numbers count up from 1 and wrap, skipping those still open; predefined roots are negative.
    for (std::size_t tries = 0; tries < handles.open.size() + 1; ++tries) {
        HKEY candidate = handles.next;
        handles.next = candidate == std::numeric_limits<HKEY>::max() ? 1 : candidate + 1;
        if (handles.open.try_emplace(candidate, std::move(key)).second) {
            return candidate;
        }
    }
    return 0;
}

bool closeHandle(HKEY handle)
{
    if (predefinedRoot(handle)) {
        return true;
    }
    HandleTable& handles = table();
    std::lock_guard guard(handles.mutex);
    return handles.open.erase(handle) == 1;
}

}  // namespace qby::registry
