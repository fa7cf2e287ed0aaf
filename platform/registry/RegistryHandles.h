// The table of open registry keys behind the small handles the registry functions answer.
#pragma once

#include <optional>
#include <string>

#include "platform/registry/Registry.h"

namespace qby::registry {

enum class Root { CurrentUser, LocalMachine, ClassesRoot };

// What a handle stands for: a key path below one of the roots ("" for the root itself) and the
// access it was opened with. The path is resolved on every use, so a handle follows the files.
struct OpenKey {
    Root root = Root::CurrentUser;
    std::string path;
    REGSAM access = 0;
};

// The predefined roots have every access; any other handle value not issued here is unknown.
std::optional<OpenKey> findOpenKey(HKEY handle);
// Issues a new handle for `key`; 0 when every handle number is taken.
HKEY openHandle(OpenKey key);
// Forgets a handle; false when it was not open. Closing a predefined root is allowed and does
// nothing.
bool closeHandle(HKEY handle);

}  // namespace qby::registry
