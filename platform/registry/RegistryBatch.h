// Several changes below one predefined root, made in one write of its file: afterwards the file
// holds all of them or, when the write fails or the process dies, none. A class library's
// registration is written this way, so it is never found half made.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

class RegistryBatch {
public:
    // `root` is HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE or HKEY_CLASSES_ROOT (whose writes go
    // where RegSetValueExA's would).
    explicit RegistryBatch(HKEY root) : root_(root) {}

    // Creates the key path as needed and stores `text` as a string value (REG_SZ); an empty
    // value name is the key's default value.
    void SetString(std::string_view subKey, std::string_view valueName, std::string_view text);
    // Removes the key with everything below it; a key that is not there is no error.
    void DeleteTree(std::string_view subKey);

    // Makes the changes, in the order given, in one write; nothing is written when none of them
    // changes the file. ERROR_INVALID_PARAMETER (nothing written) for a root that is not a
    // predefined one or a name that is not valid; otherwise the error of the write.
    LONG Commit() const;

private:
    struct Step {
        bool remove = false;
        std::string subKey;
        std::string valueName;
        std::string text;
    };
    HKEY root_;
    std::vector<Step> steps_;
};
