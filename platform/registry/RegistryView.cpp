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
    for (const Place& place : readPlaces(key)) {
        if (lookup.exists) {
            break;
        }
        if (place.store == nullptr) {
            continue;
        }
        Snapshot snapshot = place.store->read();
        if (snapshot.error != ERROR_SUCCESS) {
            lookup.error = snapshot.error;
            return lookup;
        }
        lookup.exists = snapshot.tree->find(place.path) != nullptr;
    }
    return lookup;
}

ValueLookup lookUpValue(const OpenKey& key, std::string_view name)
{
    ValueLookup lookup;
    lookup.keyExists = key.path.empty();
    for (const Place& place : readPlaces(key)) {
        if (place.store == nullptr) {
            continue;
        }
        Snapshot snapshot = place.store->read();
        if (snapshot.error != ERROR_SUCCESS) {
            lookup.error = snapshot.error;
            return lookup;
        }
        const Key* found = snapshot.tree->find(place.path);
        if (found == nullptr) {
            continue;
        }
        lookup.keyExists = true;
        if (const Value* value = findValue(*found, name)) {
            lookup.value = *value;
            return lookup;
        }
    }
    return lookup;
}

}  // namespace qby::registry
