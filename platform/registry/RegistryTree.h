// The contents of one registry file: keys by path, each with its values.
//
// Paths are full paths that begin with the root's name ("HKEY_CURRENT_USER\SOFTWARE\Orvane").
// Key and value names compare without regard to ASCII case and keep the case they were first
// written with. Plain C++ without the platform's other pieces, so the file parser can be fuzzed
// on its own.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qby::registry {

inline constexpr std::size_t kMaxKeyNameBytes = 255;     // one level of a key path
inline constexpr std::size_t kMaxValueNameBytes = 16383;
inline constexpr std::size_t kMaxValueDataBytes = 1u << 20;

struct Value {
    std::string name;  // "" is the key's default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    bool operator==(const Value&) const = default;
};

struct Key {
    std::string path;           // the case each level was first written with
    std::vector<Value> values;  // in the order they were first written
    bool operator==(const Key&) const = default;
};

std::string foldCase(std::string_view text);
bool equalFolded(std::string_view a, std::string_view b);

// A byte that may stand in a key or value name: printable ASCII or any byte of 0x80 and above.
inline bool isNameByte(unsigned char c) { return c >= 0x20 && c != 0x7F; }
// A key name: levels separated by '\', none empty, none longer than kMaxKeyNameBytes.
bool isValidKeyPath(std::string_view path);
bool isValidValueName(std::string_view name);

// `path` joined below `parent` ("" stands for no parent).
std::string joinPath(std::string_view parent, std::string_view child);

const Value* findValue(const Key& key, std::string_view name);
// Stores `value` under its name; an existing value of the same name keeps its spelling and
// position. Answers false when the value was already stored exactly so.
bool setValue(Key& key, Value value);
bool removeValue(Key& key, std::string_view name);

class Tree {
public:
    const Key* find(std::string_view path) const;
    Key* find(std::string_view path);
    // Creates `path` and every missing level above it; answers true when `path` was new.
    // A new level takes its name as written here below the spelling of the existing parent.
    bool create(std::string_view path);
    // Removes `path` and everything below it; answers false when it did not exist.
    bool removeTree(std::string_view path);
    // Removes everything below `path` and its values, keeping the key itself.
    bool clear(std::string_view path);
    bool empty() const { return keys_.empty(); }
    std::size_t size() const { return keys_.size(); }

    // Parents come before their children, siblings in folded name order.
    template <typename Visit>
    void forEach(Visit&& visit) const
    {
        for (const auto& entry : keys_) {
            visit(entry.second);
        }
    }

    bool operator==(const Tree&) const = default;

private:
    std::map<std::string, Key> keys_;  // by sortKey(path)
};

}  // namespace qby::registry
