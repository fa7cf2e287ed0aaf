// Fuzzes the resource store: a run of additions, removals and lookups under types and names in
// any case, with and without "#" before a number, with "/" as the designs' types have it. Every
// lookup must answer what a plain table of the additions says, and every listing and
// identification must agree with the lookups.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/resources/Resources.h"

namespace {

void fail(const char* what)
{
    std::fprintf(stderr, "resources_fuzz: %s\n", what);
    std::abort();
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return next_ >= size_; }
    std::uint8_t Byte() { return next_ < size_ ? data_[next_++] : 0; }
    std::string Text(std::size_t longest)
    {
        std::string text;
        for (std::size_t length = Byte() % (longest + 1); length > 0 && !Empty(); --length)
            text += static_cast<char>(Byte());
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

// Types that collide in case, a design type with "/", and any text.
std::string PickType(Input& in)
{
    static const char* const kTypes[] = {"DATA", "data", "DESIGN/frmMAINMENU", "design/FRMMAINMENU", "CUSTOM", "#7"};
    const std::uint8_t choice = in.Byte();
    if (choice < 6 * 40) return kTypes[choice % 6];
    // Any text but a line feed, which the store keeps between type and name.
    std::string type = in.Text(6);
    std::replace(type.begin(), type.end(), '\n', ' ');
    return type;
}
// Names that collide in case or by "#", a name made before with the case of its letters turned
// (and a "#" before a number), and any text.
std::string PickName(Input& in, const std::vector<std::pair<std::string, std::string>>& made)
{
    static const char* const kNames[] = {"101", "#101", "Apple", "APPLE", "btnpEXIT.PictureNormal", "#", "#1a"};
    const std::uint8_t choice = in.Byte();
    if (choice < 7 * 20) return kNames[choice % 7];
    if (choice < 7 * 20 + 70 && !made.empty()) {
        std::string name = made[in.Byte() % made.size()].second;
        for (char& c : name) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        if (!name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            name.insert(0, "#");
        return name;
    }
    return in.Text(8);
}

// A name "#<digits>" is the same as "<digits>".
std::string WithoutNumberSign(const std::string& name)
{
    if (name.size() > 1 && name[0] == '#' &&
        std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return name.substr(1);
    return name;
}

// The key the store promises to find a resource by: type and name without regard to the case of
// a to z, a name "#<digits>" the same as "<digits>".
std::string Key(const std::string& type, const std::string& name)
{
    auto folded = [](std::string text) {
        for (char& c : text) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        return text;
    };
    return folded(type) + '\n' + folded(WithoutNumberSign(name));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    struct Added {
        std::string stored;  // "TYPE/NAME" as the store keeps them
        std::vector<std::uint8_t> bytes;
    };
    std::map<std::string, Added> added;                      // by key
    std::vector<std::pair<std::string, std::string>> made;  // type and name of every addition
    while (!in.Empty()) {
        const std::string type = PickType(in);
        const std::string name = PickName(in, made);
        switch (in.Byte() % 4) {
        case 0: {
            const std::string text = in.Text(12);
            std::vector<std::uint8_t> bytes(text.begin(), text.end());
            qby::AddResource(type, name, bytes);
            added[Key(type, name)] = Added{type + "/" + WithoutNumberSign(name), bytes};
            made.emplace_back(type, name);
            break;
        }
        case 1:
            qby::RemoveAddedResource(type, name);
            added.erase(Key(type, name));
            break;
        case 2: {
            const auto found = added.find(Key(type, name));
            const std::vector<std::uint8_t> bytes = qby::LoadResData(name, type);
            if (found != added.end() ? bytes != found->second.bytes : !bytes.empty()) fail("a lookup answers other bytes");
            if (qby::ResourceExists(name, type) != (found != added.end())) fail("exists disagrees with the additions");
            break;
        }
        case 3: {
            const std::vector<std::string> names = qby::ResourceNames(type);
            if (!std::is_sorted(names.begin(), names.end())) fail("names not in order");
            for (const std::string& listed : names) {
                if (!added.contains(Key(type, listed))) fail("a name listed that was not added");
            }
            for (const auto& pair : added) {
                const std::vector<std::uint8_t>& bytes = pair.second.bytes;
                const std::string identified = qby::IdentifyResource(bytes);
                const bool known = std::any_of(added.begin(), added.end(), [&](const auto& other) {
                    return other.second.stored == identified && other.second.bytes == bytes;
                });
                if (!known) fail("added bytes identified as no resource with those bytes");
            }
            break;
        }
        }
    }
    // Leave the store empty for the next input.
    for (const auto& [type, name] : made) qby::RemoveAddedResource(type, name);
    if (!qby::ResourceNames("DATA").empty()) fail("a removal left a resource");
    return 0;
}
