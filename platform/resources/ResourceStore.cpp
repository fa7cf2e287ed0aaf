// The resource store over Qt's resource system.
//
// The build embeds every resource file as ":/quillby/<TYPE>/<NAME>.<ext>" (see
// resources/CMakeLists.txt). On first use the tree of names is walked once and indexed by the
// folded type and name: the index holds names and paths only. A resource's bytes are read (and
// decompressed) when it is asked for, so the program's pages of resource data stay on disk until
// a window shows or plays them.
#include "platform/resources/Resources.h"

#include <QByteArray>
#include <QDirIterator>
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
    QString path;      // an embedded resource's place in the program image
    QByteArray bytes;  // an added resource's data
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

QByteArray BytesOf(const Entry& entry)
{
    return entry.path.isEmpty() ? entry.bytes : EmbeddedBytes(entry.path);
}

qsizetype SizeOf(const Entry& entry)
{
    return entry.path.isEmpty() ? entry.bytes.size()
                                : static_cast<qsizetype>(QResource(entry.path).uncompressedSize());
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
        const Entry* entry = FindLocked(KeyOf(type, name));
        if (!entry)
            return {};
        const QByteArray bytes = BytesOf(*entry);
        const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        return {begin, begin + bytes.size()};
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
            if (static_cast<std::size_t>(SizeOf(entry)) != bytes.size())
                return;
            if (!bytes.empty() && std::memcmp(BytesOf(entry).constData(), bytes.data(), bytes.size()) != 0)
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
        Entry entry{std::string(type), std::string(WithoutNumberSign(name)), QString(),
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
    // one resource: the path that sorts first wins, whatever order they are listed in.
    void IndexEmbedded()
    {
        const QString root = QString::fromLatin1(kRoot) + u'/';
        QStringList paths = ListedPaths(root);
        paths.sort();
        for (const QString& path : paths) {
            const qsizetype slash = path.lastIndexOf(u'/');
            if (slash < root.size())
                continue;  // a file directly under the root has no type
            const QString folder = path.mid(root.size(), slash - root.size());
            const QString file = path.mid(slash + 1);
            const qsizetype dot = file.lastIndexOf(u'.');
            Entry entry{folder.toStdString(), (dot > 0 ? file.left(dot) : file).toStdString(), path, {}};
            std::string key = KeyOf(entry.type, entry.name);
            embedded_.emplace(std::move(key), std::move(entry));
        }
    }

    // Every embedded file under the root, from the list the build embeds beside the tree. Without
    // that list the tree is walked, which reads the start of every resource's data.
    static QStringList ListedPaths(const QString& root)
    {
        QStringList paths;
        const QByteArray list = EmbeddedBytes(QString::fromLatin1(kRoot) + QStringLiteral(".index"));
        if (!list.isEmpty()) {
            for (const QByteArray& line : list.split('\n')) {
                if (!line.isEmpty())
                    paths.append(root + QString::fromUtf8(line));
            }
            return paths;
        }
        QDirIterator it(QString::fromLatin1(kRoot), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.append(it.next());
        return paths;
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
