// The resource store over Qt's resource system.
//
// The build embeds every resource file as ":/quillby/<TYPE>/<NAME>.<ext>" (see
// resources/CMakeLists.txt) and the list of their paths beside them. On first use that list is
// indexed by the folded type and name, in place: the index holds views of its lines only. A
// resource's bytes are read (and decompressed) when it is asked for, so the program's pages of
// resource data stay on disk until a window shows or plays them.
#include "platform/resources/Resources.h"

#include <QByteArray>
#include <QDirIterator>
#include <QResource>
#include <QString>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

namespace qby {
namespace {

constexpr char kRoot[] = ":/quillby";

std::string Folded(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

// "#101" names the same resource as "101".
std::string_view WithoutNumberSign(std::string_view name)
{
    if (name.size() > 1 && name.front() == '#' &&
        std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        name.remove_prefix(1);
    return name;
}

// Types may contain "/" (DESIGN/frmMAINMENU) but never a line feed.
std::string KeyOf(std::string_view type, std::string_view name)
{
    return Folded(type) + '\n' + Folded(WithoutNumberSign(name));
}

// A resource added while the program runs, with its data.
struct AddedEntry {
    std::string type;  // as given
    std::string name;
    QByteArray bytes;
};

// An embedded resource: views of its line in the list of paths the store holds.
struct EmbeddedEntry {
    std::string key;        // folded type and name
    std::string_view type;  // as stored
    std::string_view name;
    std::string_view path;  // below the root, with its extension
};

// The data of an embedded resource: a view of the program image, or decompressed.
QByteArray EmbeddedBytes(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

QString ResourcePath(const EmbeddedEntry& entry)
{
    return QString::fromLatin1(kRoot) + u'/' +
           QString::fromUtf8(entry.path.data(), static_cast<qsizetype>(entry.path.size()));
}

QByteArray BytesOf(const EmbeddedEntry& entry)
{
    return EmbeddedBytes(ResourcePath(entry));
}

QByteArray BytesOf(const AddedEntry& entry)
{
    return entry.bytes;
}

qsizetype SizeOf(const EmbeddedEntry& entry)
{
    return static_cast<qsizetype>(QResource(ResourcePath(entry)).uncompressedSize());
}

qsizetype SizeOf(const AddedEntry& entry)
{
    return entry.bytes.size();
}

std::string_view StoredName(const EmbeddedEntry& entry)
{
    return entry.name;
}

std::string_view StoredName(const AddedEntry& entry)
{
    return entry.name;
}

class Store {
public:
    static Store& Instance()
    {
        // Never destroyed: lookups may come from other static destructors or threads at exit.
        static Store* store = new Store;
        return *store;
    }

    std::vector<std::uint8_t> Bytes(std::string_view type, std::string_view name)
    {
        std::lock_guard lock(mutex_);
        const std::string key = KeyOf(type, name);
        QByteArray bytes;
        if (auto it = added_.find(key); it != added_.end())
            bytes = it->second.bytes;
        else if (const EmbeddedEntry* entry = FindEmbeddedLocked(key))
            bytes = BytesOf(*entry);
        else
            return {};
        const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        return {begin, begin + bytes.size()};
    }

    bool Exists(std::string_view type, std::string_view name)
    {
        std::lock_guard lock(mutex_);
        const std::string key = KeyOf(type, name);
        return added_.contains(key) || FindEmbeddedLocked(key) != nullptr;
    }

    std::vector<std::string> Names(std::string_view type)
    {
        std::lock_guard lock(mutex_);
        const std::string prefix = Folded(type) + '\n';
        std::map<std::string_view, std::string_view> names;  // folded key -> stored name
        const auto& embedded = EmbeddedLocked();
        for (auto it = std::lower_bound(embedded.begin(), embedded.end(), prefix, KeyBefore);
             it != embedded.end() && it->key.starts_with(prefix); ++it)
            names[it->key] = it->name;
        for (auto it = added_.lower_bound(prefix);
             it != added_.end() && it->first.starts_with(prefix); ++it)
            names[it->first] = it->second.name;
        std::vector<std::string> result;
        for (const auto& [key, name] : names)
            result.emplace_back(name);
        std::sort(result.begin(), result.end());
        return result;
    }

    std::string Identify(std::span<const std::uint8_t> bytes)
    {
        std::lock_guard lock(mutex_);
        std::string_view bestKey, bestType, bestName;
        bool found = false;
        auto consider = [&](std::string_view key, std::string_view type, const auto& entry) {
            if (found && key >= bestKey)
                return;
            if (static_cast<std::size_t>(SizeOf(entry)) != bytes.size())
                return;
            if (!bytes.empty() && std::memcmp(BytesOf(entry).constData(), bytes.data(), bytes.size()) != 0)
                return;
            found = true;
            bestKey = key;
            bestType = type;
            bestName = StoredName(entry);
        };
        for (const auto& [key, entry] : added_)
            consider(key, entry.type, entry);
        for (const EmbeddedEntry& entry : EmbeddedLocked()) {
            if (!added_.contains(entry.key))
                consider(entry.key, entry.type, entry);
        }
        return found ? std::string(bestType) + '/' + std::string(bestName) : std::string();
    }

    void Add(std::string_view type, std::string_view name, std::vector<std::uint8_t> bytes)
    {
        AddedEntry entry{std::string(type), std::string(WithoutNumberSign(name)),
                         QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                    static_cast<qsizetype>(bytes.size()))};
        std::lock_guard lock(mutex_);
        added_[KeyOf(type, name)] = std::move(entry);
    }

    void Remove(std::string_view type, std::string_view name)
    {
        std::lock_guard lock(mutex_);
        added_.erase(KeyOf(type, name));
    }

private:
    Store() = default;

    static bool KeyBefore(const EmbeddedEntry& entry, const std::string& key)
    {
        return entry.key < key;
    }

    const EmbeddedEntry* FindEmbeddedLocked(const std::string& key)
    {
        const auto& embedded = EmbeddedLocked();
        auto it = std::lower_bound(embedded.begin(), embedded.end(), key, KeyBefore);
        return it != embedded.end() && it->key == key ? &*it : nullptr;
    }

    const std::vector<EmbeddedEntry>& EmbeddedLocked()
    {
        if (!indexed_) {
            indexed_ = true;
            IndexEmbedded();
        }
        return embedded_;
    }

    // Files whose names differ only in case or extension ("QUILLBY.ico", "quillby.png") are
    // one resource: the path that sorts first wins, whatever order they are listed in.
    void IndexEmbedded()
    {
        list_ = ListedPaths();
        std::vector<std::string_view> paths;
        const std::string_view list(list_.constData(), static_cast<std::size_t>(list_.size()));
        for (std::size_t at = 0; at < list.size();) {
            std::size_t end = list.find('\n', at);
            if (end == std::string_view::npos)
                end = list.size();
            if (end > at)
                paths.push_back(list.substr(at, end - at));
            at = end + 1;
        }
        std::sort(paths.begin(), paths.end());
        embedded_.reserve(paths.size());
        for (std::string_view path : paths) {
            const std::size_t slash = path.rfind('/');
            if (slash == std::string_view::npos || slash == 0)
                continue;  // a file directly under the root has no type
            const std::string_view file = path.substr(slash + 1);
            const std::size_t dot = file.rfind('.');
            const std::string_view name =
                dot != 0 && dot != std::string_view::npos ? file.substr(0, dot) : file;
            const std::string_view type = path.substr(0, slash);
            embedded_.push_back({KeyOf(type, name), type, name, path});
        }
        // Stable: of the paths that give one key, the first in the sorted list stays first.
        auto keyBefore = [](const EmbeddedEntry& a, const EmbeddedEntry& b) {
            return a.key < b.key;
        };
        auto sameKey = [](const EmbeddedEntry& a, const EmbeddedEntry& b) {
            return a.key == b.key;
        };
        std::stable_sort(embedded_.begin(), embedded_.end(), keyBefore);
        embedded_.erase(std::unique(embedded_.begin(), embedded_.end(), sameKey), embedded_.end());
    }

    // Every embedded file's path below the root, one a line: the list the build embeds beside
    // the tree, a view of the program image. Without that list the tree is walked, which reads
    // the start of every resource's data.
    static QByteArray ListedPaths()
    {
        const QString root = QString::fromLatin1(kRoot);
        QByteArray list = EmbeddedBytes(root + QStringLiteral(".index"));
        if (!list.isEmpty())
            return list;
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            list += it.next().mid(root.size() + 1).toUtf8() + '\n';
        return list;
    }

    std::mutex mutex_;
    bool indexed_ = false;
    QByteArray list_;                      // what the embedded entries' views show
    std::vector<EmbeddedEntry> embedded_;  // by key
    std::map<std::string, AddedEntry> added_;
};

}  // namespace

std::vector<std::uint8_t> LoadResData(std::string_view name, std::string_view type)
{
    return Store::Instance().Bytes(type, name);
}

std::vector<std::uint8_t> LoadResData(int id, std::string_view type)
{
    return LoadResData(std::to_string(id), type);
}

bool ResourceExists(std::string_view name, std::string_view type)
{
    return Store::Instance().Exists(type, name);
}

std::vector<std::string> ResourceNames(std::string_view type)
{
    return Store::Instance().Names(type);
}

std::string IdentifyResource(std::span<const std::uint8_t> bytes)
{
    return Store::Instance().Identify(bytes);
}

void AddResource(std::string_view type, std::string_view name, std::vector<std::uint8_t> bytes)
{
    Store::Instance().Add(type, name, std::move(bytes));
}

void RemoveAddedResource(std::string_view type, std::string_view name)
{
    Store::Instance().Remove(type, name);
}

}  // namespace qby
