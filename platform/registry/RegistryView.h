// Where an open key's contents are read and written.
//
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE each have one file. HKEY_CLASSES_ROOT is a merged
// view: a key exists when it exists under HKEY_CURRENT_USER\SOFTWARE\Classes or under
// HKEY_LOCAL_MACHINE\SOFTWARE\Classes, and each value is looked up in the user's key first and
// then in the machine's, so a user's registration overrides the machine's value by value; when
// the user's file cannot be read (a link, a folder, no permission), only the machine's is read.
// Writes and deletions through it go to the user's SOFTWARE\Classes, or to the machine's when
// QUILLBY_REGISTER_MACHINE=1 (an installer registering for every user); a key that exists only in
// the other file is not found there by a deletion.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegistryHandles.h"
#include "platform/registry/RegistryStore.h"

namespace qby::registry {

struct Place {
    Store* store = nullptr;  // null when the file has no location (reads as empty)
    std::string path;        // the key's full path in that file
};

std::vector<Place> readPlaces(const OpenKey& key);
Place writePlace(const OpenKey& key);

struct KeyLookup {
    LONG error = ERROR_SUCCESS;  // a file that could not be read
    bool exists = false;
};
// A root always exists, whatever its files hold.
KeyLookup lookUpKey(const OpenKey& key);

struct ValueLookup {
    LONG error = ERROR_SUCCESS;
    bool keyExists = false;
    std::optional<Value> value;
};
ValueLookup lookUpValue(const OpenKey& key, std::string_view name);

}  // namespace qby::registry
