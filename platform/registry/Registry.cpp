// The registry functions: argument checks, access rights and the changes each one commits.
#include "platform/registry/Registry.h"

#include <cstring>
#include <new>

#include "platform/registry/RegistryView.h"

using namespace qby::registry;

namespace {

constexpr REGSAM kMaximumAllowed = 0x02000000;
constexpr REGSAM kGenericAll = 0x10000000;
constexpr REGSAM kGenericWrite = 0x40000000;
constexpr REGSAM kGenericRead = 0x80000000;

// The generic rights map onto the key rights, as on the platform these functions come from.
REGSAM effectiveAccess(REGSAM requested)
{
    if (requested & (kMaximumAllowed | kGenericAll)) {
        return KEY_ALL_ACCESS;
    }
    REGSAM access = requested;
    if (requested & kGenericRead) {
        access |= KEY_READ;
    }
    if (requested & kGenericWrite) {
        access |= KEY_WRITE;
    }
    return access;
}

// A subkey as the caller wrote it: null or "" names the key itself, one trailing '\' is allowed.
std::optional<std::string> subKeyPath(const char* subKey)
{
    std::string_view path = subKey == nullptr ? std::string_view() : std::string_view(subKey);
    if (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    if (path.empty()) {
        return std::string();
    }
    return isValidKeyPath(path) ? std::optional<std::string>(path) : std::nullopt;
}

std::string_view valueNameOf(const char* name)
{
    return name == nullptr ? std::string_view() : std::string_view(name);
}

// A key that vanished under an open handle. A root never does, and a key of the merged classes
// view may exist only in the file the change does not go to.
LONG keyGone(const OpenKey& key)
{
    return key.path.empty() || key.root == Root::ClassesRoot ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
}

LONG commitAt(const Place& place, const std::function<Change(Tree&)>& change)
{
    return place.store == nullptr ? ERROR_CANTWRITE : place.store->commit(change);
}

// No exception leaves a registry function; running out of memory answers an error code.
template <typename Body>
LONG guarded(Body&& body)
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_CANTWRITE;
    }
}

}  // namespace

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD, REGSAM access, HKEY* result)
{
    return guarded([&]() -> LONG {
        if (result == nullptr) {
            return ERROR_INVALID_PARAMETER;
        }
        *result = 0;
        auto parent = findOpenKey(key);
        if (!parent) {
            return ERROR_INVALID_HANDLE;
        }
        auto path = subKeyPath(subKey);
        if (!path) {
            return ERROR_INVALID_PARAMETER;
        }
        OpenKey target{parent->root, joinPath(parent->path, *path), effectiveAccess(access)};
        KeyLookup lookup = lookUpKey(target);
        if (lookup.error != ERROR_SUCCESS) {
            return lookup.error;
        }
        if (!lookup.exists) {
            return ERROR_FILE_NOT_FOUND;
        }
        *result = openHandle(std::move(target));
        return *result == 0 ? ERROR_NOT_ENOUGH_MEMORY : ERROR_SUCCESS;
    });
}

LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* dataSize)
{
    return guarded([&]() -> LONG {
        auto open = findOpenKey(key);
        if (!open) {
            return ERROR_INVALID_HANDLE;
        }
        if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) {
            return ERROR_INVALID_PARAMETER;
        }
        if (!(open->access & KEY_QUERY_VALUE)) {
            return ERROR_ACCESS_DENIED;
        }
        ValueLookup lookup = lookUpValue(*open, valueNameOf(valueName));
        if (lookup.error != ERROR_SUCCESS) {
            return lookup.error;
        }
        if (!lookup.value) {
            return lookup.keyExists ? ERROR_FILE_NOT_FOUND : keyGone(*open);
        }
        const Value& value = *lookup.value;
        if (type != nullptr) {
            *type = value.type;
        }
        if (dataSize == nullptr) {
            return ERROR_SUCCESS;
        }
        const auto needed = static_cast<DWORD>(value.data.size());
        if (data != nullptr && *dataSize < needed) {
            *dataSize = needed;
            return ERROR_MORE_DATA;
        }
        if (data != nullptr && needed > 0) {
            std::memcpy(data, value.data.data(), needed);
        }
        *dataSize = needed;
        return ERROR_SUCCESS;
    });
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD, char*, DWORD options, REGSAM access,
                     const SECURITY_ATTRIBUTES*, HKEY* result, DWORD* disposition)
{
    return guarded([&]() -> LONG {
        if (result == nullptr || subKey == nullptr) {
            return ERROR_INVALID_PARAMETER;
        }
        *result = 0;
        auto parent = findOpenKey(key);
        if (!parent) {
            return ERROR_INVALID_HANDLE;
        }
        auto path = subKeyPath(subKey);
        // Every key lives in a file: a volatile key (one gone at the next start) is not offered.
        if (!path || options != REG_OPTION_NON_VOLATILE) {
            return ERROR_INVALID_PARAMETER;
        }
        OpenKey target{parent->root, joinPath(parent->path, *path), effectiveAccess(access)};
        KeyLookup lookup = lookUpKey(target);
        if (lookup.error != ERROR_SUCCESS) {
            return lookup.error;
        }
        bool created = false;
        if (!lookup.exists) {
            if (!(parent->access & KEY_CREATE_SUB_KEY)) {
                return ERROR_ACCESS_DENIED;
            }
            const Place parentPlace = writePlace(*parent);
            const Place place = writePlace(target);
            const bool parentMustExist = !parent->path.empty() && parent->root != Root::ClassesRoot;
            LONG committed = commitAt(place, [&](Tree& tree) -> Change {
                if (parentMustExist && tree.find(parentPlace.path) == nullptr) {
                    return {ERROR_KEY_DELETED, false};
                }
                created = tree.create(place.path);
                return {ERROR_SUCCESS, created};
            });
            if (committed != ERROR_SUCCESS) {
                return committed;
            }
        }
        *result = openHandle(std::move(target));
        if (*result == 0) {
            return ERROR_NOT_ENOUGH_MEMORY;
        }
        if (disposition != nullptr) {
            *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        }
        return ERROR_SUCCESS;
    });
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize)
{
    return guarded([&]() -> LONG {
        auto open = findOpenKey(key);
        if (!open) {
            return ERROR_INVALID_HANDLE;
        }
        std::string_view name = valueNameOf(valueName);
        if (!isValidValueName(name) || (data == nullptr && dataSize != 0) || dataSize > kMaxValueDataBytes) {
            return ERROR_INVALID_PARAMETER;
        }
        if (!(open->access & KEY_SET_VALUE)) {
            return ERROR_ACCESS_DENIED;
        }
        // A key of the merged classes view that exists only machine-wide is made in the user's
        // file when a value is written to it.
        if (open->root == Root::ClassesRoot && !open->path.empty()) {
            KeyLookup lookup = lookUpKey(*open);
            if (lookup.error != ERROR_SUCCESS || !lookup.exists) {
                return lookup.error != ERROR_SUCCESS ? lookup.error : ERROR_KEY_DELETED;
            }
        }
        const bool mayCreate = open->path.empty() || open->root == Root::ClassesRoot;
        Value value{std::string(name), type, std::vector<BYTE>(data, data + dataSize)};
        const Place place = writePlace(*open);
        return commitAt(place, [&](Tree& tree) -> Change {
            Key* stored = tree.find(place.path);
            if (stored == nullptr && !mayCreate) {
                return {ERROR_KEY_DELETED, false};
            }
            if (stored == nullptr) {
                tree.create(place.path);
                stored = tree.find(place.path);
            }
            return {ERROR_SUCCESS, setValue(*stored, value)};
        });
    });
}

LONG RegCloseKey(HKEY key)
{
    return guarded([&]() -> LONG { return closeHandle(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; });
}

LONG RegDeleteTreeA(HKEY key, const char* subKey)
{
    return guarded([&]() -> LONG {
        auto open = findOpenKey(key);
        if (!open) {
            return ERROR_INVALID_HANDLE;
        }
        auto path = subKeyPath(subKey);
        if (!path) {
            return ERROR_INVALID_PARAMETER;
        }
        if (path->empty()) {
            // Without a subkey the key's values and subkeys go and the key itself stays.
            const Place place = writePlace(*open);
            return commitAt(place, [&](Tree& tree) -> Change {
                if (tree.find(place.path) == nullptr) {
                    return {open->path.empty() ? ERROR_SUCCESS : keyGone(*open), false};
                }
                const std::size_t keysBefore = tree.size();
                const bool hadValues = !tree.find(place.path)->values.empty();
                tree.clear(place.path);
                return {ERROR_SUCCESS, hadValues || tree.size() != keysBefore};
            });
        }
        const Place place = writePlace(OpenKey{open->root, joinPath(open->path, *path), open->access});
        return commitAt(place, [&](Tree& tree) -> Change {
            bool removed = tree.removeTree(place.path);
            return {removed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND, removed};
        });
    });
}

LONG RegDeleteValueA(HKEY key, const char* valueName)
{
    return guarded([&]() -> LONG {
        auto open = findOpenKey(key);
        if (!open) {
            return ERROR_INVALID_HANDLE;
        }
        if (!(open->access & KEY_SET_VALUE)) {
            return ERROR_ACCESS_DENIED;
        }
        std::string_view name = valueNameOf(valueName);
        const Place place = writePlace(*open);
        return commitAt(place, [&](Tree& tree) -> Change {
            Key* stored = tree.find(place.path);
            if (stored == nullptr) {
                return {keyGone(*open), false};
            }
            bool removed = removeValue(*stored, name);
            return {removed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND, removed};
        });
    });
}
