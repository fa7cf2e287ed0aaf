// The resource store over Qt's resource system.
//
// The build embeds every resource file as ":/quillby/<TYPE>/<NAME>.<ext>" (see
// resources/CMakeLists.txt). On first use the tree is walked once and indexed by the folded type
// and name; the data of an uncompressed resource is never copied until LoadResData hands it out.
#include "platform/resources/Resources.h"

#include <QByteArray>
#include <QDirIterator>
#include <QFileInfo>
#include <QResource>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

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

struct Entry {
    std::string type;  // as stored
    std::string name;
    QByteArray bytes;  // raw view of the program image, or owned data
};

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
        const Entry* entry = FindLocked(KeyOf(type, name));
        if (!entry)
            return {};
        const auto* begin = reinterpret_cast<const std::uint8_t*>(entry->bytes.constData());
        return {begin, begin + entry->bytes.size()};
    }

    bool Exists(std::string_view type, std::string_view name)
    {
        std::lock_guard lock(mutex_);
        return FindLocked(KeyOf(type, name)) != nullptr;
    }

    std::vector<std::string> Names(std::string_view type)
    {
        std::lock_guard lock(mutex_);
        const std::string prefix = Folded(type) + '\n';
        std::map<std::string, std::string> names;  // folded key -> stored name
        const std::map<std::string, Entry>* sources[] = {&EmbeddedLocked(), &added_};
        for (const auto* entries : sources) {
            for (auto it = entries->lower_bound(prefix);
                 it != entries->end() && it->first.starts_with(prefix); ++it)
                names[it->first] = it->second.name;
        }
        std::vector<std::string> result;
        for (auto& [key, name] : names)
            result.push_back(std::move(name));
        std::sort(result.begin(), result.end());
        return result;
    }

    std::string Identify(std::span<const std::uint8_t> bytes)
    {
        std::lock_guard lock(mutex_);
        const std::string* bestKey = nullptr;
        const Entry* best = nullptr;
        auto consider = [&](const std::string& key, const Entry& entry) {
            if (bestKey && key >= *bestKey)
                return;
            if (static_cast<std::size_t>(entry.bytes.size()) != bytes.size())
                return;
            if (!bytes.empty() && std::memcmp(entry.bytes.constData(), bytes.data(), bytes.size()) != 0)
                return;
            bestKey = &key;
            best = &entry;
        };
        for (const auto& [key, entry] : added_)
            consider(key, entry);
        for (const auto& [key, entry] : EmbeddedLocked()) {
            if (!added_.contains(key))
                consider(key, entry);
        }
        return best ? best->type + '/' + best->name : std::string();
    }

    void Add(std::string_view type, std::string_view name, std::vector<std::uint8_t> bytes)
    {
        Entry entry{std::string(type), std::string(WithoutNumberSign(name)),
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

    const Entry* FindLocked(const std::string& key)
    {
        if (auto it = added_.find(key); it != added_.end())
            return &it->second;
        const auto& embedded = EmbeddedLocked();
        if (auto it = embedded.find(key); it != embedded.end())
            return &it->second;
        return nullptr;
    }

    const std::map<std::string, Entry>& EmbeddedLocked()
    {
        if (!indexed_) {
            indexed_ = true;
            IndexEmbedded();
        }
        return embedded_;
    }

    // Files whose names differ only in case or extension ("QUILLBY.ico", "quillby.png") are
    // one resource: the path that sorts first wins, whatever order the tree is walked in.
    void IndexEmbedded()
    {
        const QString root = QString::fromLatin1(kRoot) + u'/';
        QStringList paths;
        QDirIterator it(QString::fromLatin1(kRoot), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.append(it.next());
        paths.sort();
        for (const QString& path : paths) {
            const QFileInfo info(path);
            QString folder = info.path();
            if (!folder.startsWith(root))
                continue;  // a file directly under the root has no type
            folder.remove(0, root.size());
            QResource resource(path);
            if (!resource.isValid())
                continue;
            QByteArray bytes =
                resource.compressionAlgorithm() == QResource::NoCompression
                    ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                              static_cast<qsizetype>(resource.size()))
                    : resource.uncompressedData();
            Entry entry{folder.toStdString(), info.completeBaseName().toStdString(),
                        std::move(bytes)};
            std::string key = KeyOf(entry.type, entry.name);
            embedded_.emplace(std::move(key), std::move(entry));
        }
    }

    std::mutex mutex_;
    bool indexed_ = false;
    std::map<std::string, Entry> embedded_;
    std::map<std::string, Entry> added_;
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
