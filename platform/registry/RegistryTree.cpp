#include "platform/registry/RegistryTree.h"

#include <algorithm>

namespace qby::registry {

namespace {

char foldChar(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The map key of a path: folded, with the separator turned into a byte below every byte a name
// may hold, so that a key's children follow it directly ("A", "A\B", "A B").
std::string sortKey(std::string_view path)
{
    std::string key = foldCase(path);
    std::replace(key.begin(), key.end(), '\\', '\x01');
    return key;
}

// The entry after the last key below `self` (children follow their parent directly).
template <typename Iterator>
Iterator endOfSubtree(Iterator self, Iterator end)
{
    const std::string& parentKey = self->first;
    auto isBelow = [&](const std::string& candidate) {
        return candidate.size() > parentKey.size() && candidate.compare(0, parentKey.size(), parentKey) == 0 &&
               candidate[parentKey.size()] == '\x01';
    };
    auto last = std::next(self);
    while (last != end && isBelow(last->first)) {
        ++last;
    }
    return last;
}

}  // namespace

std::string foldCase(std::string_view text)
{
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), foldChar);
    return folded;
}

bool equalFolded(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldChar(x) == foldChar(y); });
}

bool isValidKeyPath(std::string_view path)
{
    std::size_t levelLength = 0;
    for (char c : path) {
        if (c == '\\') {
            if (levelLength == 0) {
                return false;
            }
            levelLength = 0;
        } else if (!isNameByte(static_cast<unsigned char>(c)) || ++levelLength > kMaxKeyNameBytes) {
            return false;
        }
    }
    return levelLength > 0;
}

bool isValidValueName(std::string_view name)
{
    return name.size() <= kMaxValueNameBytes &&
           std::all_of(name.begin(), name.end(), [](char c) { return isNameByte(static_cast<unsigned char>(c)); });
}

std::string joinPath(std::string_view parent, std::string_view child)
{
    if (parent.empty()) {
        return std::string(child);
    }
    if (child.empty()) {
        return std::string(parent);
    }
    std::string joined(parent);
    joined += '\\';
    joined += child;
    return joined;
}

const Value* findValue(const Key& key, std::string_view name)
{
    auto found = std::find_if(key.values.begin(), key.values.end(),
                              [&](const Value& value) { return equalFolded(value.name, name); });
    return found == key.values.end() ? nullptr : &*found;
}

bool setValue(Key& key, Value value)
{
    auto found = std::find_if(key.values.begin(), key.values.end(),
                              [&](const Value& stored) { return equalFolded(stored.name, value.name); });
    if (found == key.values.end()) {
        key.values.push_back(std::move(value));
        return true;
    }
    if (found->type == value.type && found->data == value.data) {
        return false;
    }
    found->type = value.type;
    found->data = std::move(value.data);
    return true;
}

bool removeValue(Key& key, std::string_view name)
{
    auto found = std::find_if(key.values.begin(), key.values.end(),
                              [&](const Value& value) { return equalFolded(value.name, name); });
    if (found == key.values.end()) {
        return false;
    }
    key.values.erase(found);
    return true;
}

const Key* Tree::find(std::string_view path) const
{
    auto found = keys_.find(sortKey(path));
    return found == keys_.end() ? nullptr : &found->second;
}

Key* Tree::find(std::string_view path)
{
    auto found = keys_.find(sortKey(path));
    return found == keys_.end() ? nullptr : &found->second;
}

bool Tree::create(std::string_view path)
{
    if (path.empty()) {
        return false;
    }
    std::string spelled;  // the path so far, in the spelling already stored
    bool created = false;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        std::string candidate = joinPath(spelled, path.substr(start, end - start));
        auto [entry, inserted] = keys_.try_emplace(sortKey(candidate));
        if (inserted) {
            entry->second.path = candidate;
        }
        created = inserted;
        spelled = entry->second.path;
        start = end + 1;
    }
    return created;
}

bool Tree::removeTree(std::string_view path)
{
    auto self = keys_.find(sortKey(path));
    if (self == keys_.end()) {
        return false;
    }
    keys_.erase(self, endOfSubtree(self, keys_.end()));
    return true;
}

bool Tree::clear(std::string_view path)
{
    auto self = keys_.find(sortKey(path));
    if (self == keys_.end()) {
        return false;
    }
    self->second.values.clear();
    keys_.erase(std::next(self), endOfSubtree(self, keys_.end()));
    return true;
}

}  // namespace qby::registry
