#include "platform/registry/RegistryView.h"

#include "platform/registry/RegistryLocations.h"

namespace qby::registry {

namespace {

constexpr std::string_view kUserRoot = "HKEY_CURRENT_USER";
constexpr std::string_view kMachineRoot = "HKEY_LOCAL_MACHINE";
constexpr std::string_view kClasses = "SOFTWARE\\Classes";

Place userPlace(std::string_view path)
{
    return {userStore(), joinPath(kUserRoot, path)};
}

Place machinePlace(std::string_view path)
{
    return {machineStore(), joinPath(kMachineRoot, path)};
}

// Shows `visit` the key as each file it is read from holds it, in order, until it answers true.
// A file that cannot be read is passed over, so the merged classes view falls back to the
// machine's file when the user's cannot be read; the error is answered when no file could be.
template <typename Visit>
LONG visitKey(const OpenKey& key, Visit&& visit)
{
    LONG error = ERROR_SUCCESS;
    bool anyRead = false;
    for (const Place& place : readPlaces(key)) {
        if (place.store == nullptr) {
            continue;
        }
        Snapshot snapshot = place.store->read();
        if (snapshot.error != ERROR_SUCCESS) {
            error = snapshot.error;
            continue;
        }
        anyRead = true;
        const Key* found = snapshot.tree->find(place.path);
        if (found != nullptr && visit(*found)) {
            break;
        }
    }
    return anyRead ? ERROR_SUCCESS : error;
}

}  // namespace

std::vector<Place> readPlaces(const OpenKey& key)
{
    switch (key.root) {
    case Root::CurrentUser:
        return {userPlace(key.path)};
    case Root::LocalMachine:
        return {machinePlace(key.path)};
    case Root::ClassesRoot:
        break;
    }
    std::string classesPath = joinPath(kClasses, key.path);
    return {userPlace(classesPath), machinePlace(classesPath)};
}

Place writePlace(const OpenKey& key)
{
    switch (key.root) {
    case Root::CurrentUser:
        return userPlace(key.path);
    case Root::LocalMachine:
        return machinePlace(key.path);
    case Root::ClassesRoot:
        break;
    }
    std::string classesPath = joinPath(kClasses, key.path);
    return classesGoMachineWide() ? machinePlace(classesPath) : userPlace(classesPath);
}

KeyLookup lookUpKey(const OpenKey& key)
{
    KeyLookup lookup;
    lookup.exists = key.path.empty();
    if (!lookup.exists) {
        lookup.error = visitKey(key, [&](const Key&) { return lookup.exists = true; });
    }
    return lookup;
}

ValueLookup lookUpValue(const OpenKey& key, std::string_view name)
{
    ValueLookup lookup;
    lookup.keyExists = key.path.empty();
    lookup.error = visitKey(key, [&](const Key& found) {
        lookup.keyExists = true;
        if (const Value* value = findValue(found, name)) {
            lookup.value = *value;
            return true;
        }
        return false;
    });
    return lookup;
}

}  // namespace qby::registry
