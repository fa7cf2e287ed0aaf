#include "platform/registry/RegistryFiles.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace qby::registry {

namespace {

ReplaceStepHook g_replaceStepHook = nullptr;

void reachedStep(ReplaceStep step)
{
    if (g_replaceStepHook) g_replaceStepHook(step);
}

std::string baseNameOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

FileStatus statusOfOpenError(int error)
{
    if (error == ENOENT || error == ENOTDIR) {
        return FileStatus::Missing;
    }
    // O_NOFOLLOW answers ELOOP for a link at the last step of the path.
    return error == ELOOP ? FileStatus::Refused : FileStatus::Failed;
}

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void syncFolder(const std::string& folder)
{
    int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

bool exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

constexpr std::string_view kCopyInfix = ".corrupt-";
constexpr std::size_t kStampLength = 16;  // 20240611T093000Z

// A wait for the writers' lock on a thread of its own.
struct LockWait {
    std::mutex mutex;
    std::condition_variable changed;
    bool settled = false;  // the thread has the lock, or failed to get it
    bool locked = false;
    bool givenUp = false;  // the caller stopped waiting: the thread closes the descriptor
};

using CopyOrder = std::pair<std::string, long>;

// The time and number of a kept copy's name ("<stamp>" or "<stamp>-<number>" after the infix),
// in the order the copies were made; nothing for any other name.
std::optional<CopyOrder> copyOrder(std::string_view suffix)
{
    if (suffix.size() < kStampLength) {
        return std::nullopt;
    }
    std::string stamp(suffix.substr(0, kStampLength));
    std::string_view rest = suffix.substr(kStampLength);
    if (rest.empty()) {
        return std::make_pair(stamp, 1L);
    }
    if (rest.size() < 2 || rest.size() > 10 || rest.front() != '-') {
        return std::nullopt;
    }
    long number = 0;
    for (char c : rest.substr(1)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    return std::make_pair(stamp, number);
}

// The copies of `path` kept aside, newest first.
std::vector<std::pair<CopyOrder, std::string>> keptCopies(const std::string& path)
{
    std::vector<std::pair<CopyOrder, std::string>> copies;
    const std::string prefix = baseNameOf(path) + std::string(kCopyInfix);
    DIR* directory = ::opendir(folderOf(path).c_str());
    if (directory == nullptr) {
        return copies;
    }
    int folderDescriptor = ::dirfd(directory);
    while (const dirent* entry = ::readdir(directory)) {
        std::string_view name(entry->d_name);
        struct stat info {};
        if (name.substr(0, prefix.size()) != prefix ||
            ::fstatat(folderDescriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        if (auto order = copyOrder(name.substr(prefix.size()))) {
            copies.emplace_back(*order, folderOf(path) + "/" + std::string(name));
        }
    }
    ::closedir(directory);
    std::sort(copies.begin(), copies.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    return copies;
}

}  // namespace

FileRead readRegularFile(const std::string& path, std::size_t maxBytes)
{
    FileRead result;
    int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        result.error = errno;
        result.status = statusOfOpenError(result.error);
        return result;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        result.error = errno;
        ::close(descriptor);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = FileStatus::Refused;
        ::close(descriptor);
        return result;
    }
    result.bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), maxBytes));
    char buffer[16384];
    result.status = FileStatus::Ok;
    while (result.bytes.size() < maxBytes) {
        std::size_t wanted = std::min(sizeof buffer, maxBytes - result.bytes.size());
        ssize_t got = ::read(descriptor, buffer, wanted);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.error = errno;
            result.status = FileStatus::Failed;
            result.bytes.clear();
            break;
        }
        if (got == 0) {
            break;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(descriptor);
    return result;
}

std::string temporaryPathFor(const std::string& path)
{
    return path + ".tmp-" + std::to_string(::getpid());
}

void setReplaceStepHook(ReplaceStepHook hook)
{
    g_replaceStepHook = hook;
}

FileStatus replaceFile(const std::string& path, std::string_view bytes, mode_t mode, int& error)
{
    const std::string temporary = temporaryPathFor(path);
    int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        error = errno;
        // Whatever stands at our temporary name (a link, a folder) is not ours to replace.
        return error == EEXIST || error == ELOOP ? FileStatus::Refused : FileStatus::Failed;
    }
    reachedStep(ReplaceStep::TemporaryCreated);
    const std::size_t half = bytes.size() / 2;
    bool written = ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, bytes.substr(0, half));
    if (written) reachedStep(ReplaceStep::HalfWritten);
    written = written && writeAll(descriptor, bytes.substr(half)) && ::fsync(descriptor) == 0;
    error = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) reachedStep(ReplaceStep::Flushed);
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = written ? errno : error;
        ::unlink(temporary.c_str());
        return FileStatus::Failed;
    }
    reachedStep(ReplaceStep::Renamed);
    syncFolder(folderOf(path));
    return FileStatus::Ok;
}

std::optional<KeptCopy> keepAside(const std::string& path)
{
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    const std::string base = path + std::string(kCopyInfix) + stamp;
    // Numbered after every copy of the same second, so that the newest copy sorts last even
    // where older ones have been deleted.
    long first = 1;
    const auto copies = keptCopies(path);
    for (const auto& copy : copies) {
        if (copy.first.first == stamp) {
            first = std::max(first, copy.first.second + 1);
        }
    }
    std::optional<KeptCopy> kept;
    for (long number = first; number < first + 1000 && !kept; ++number) {
        std::string target = number == 1 ? base : base + "-" + std::to_string(number);
        if (::link(path.c_str(), target.c_str()) == 0) {
            kept = KeptCopy{target, false};
            continue;
        }
        if (errno == EEXIST) {
            continue;
        }
        if (errno == ENOENT) {
            return std::nullopt;
        }
        // No second names on this file system: the file itself is moved.
        if (exists(target)) {
            continue;
        }
        if (::rename(path.c_str(), target.c_str()) != 0) {
            return std::nullopt;
        }
        kept = KeptCopy{target, true};
    }
    if (!kept) {
        return std::nullopt;
    }
    // Only the newest copies stay.
    const auto all = keptCopies(path);
    for (std::size_t i = kKeptCopies; i < all.size(); ++i) {
        ::unlink(all[i].second.c_str());
    }
    syncFolder(folderOf(path));
    return kept;
}

void removeLeftoverTemporaries(const std::string& path)
{
    const std::string folder = folderOf(path);
    const std::string prefix = baseNameOf(path) + ".tmp-";
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) {
        return;
    }
    int folderDescriptor = ::dirfd(directory);
    while (const dirent* entry = ::readdir(directory)) {
        std::string_view name(entry->d_name);
        struct stat info {};
        if (name.substr(0, prefix.size()) == prefix &&
            ::fstatat(folderDescriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)) {
            ::unlinkat(folderDescriptor, entry->d_name, 0);
        }
    }
    ::closedir(directory);
}

std::string folderOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool makeFolders(const std::string& folder, mode_t mode)
{
    for (std::size_t slash = folder.find('/', 1); ; slash = folder.find('/', slash + 1)) {
        std::string step = folder.substr(0, slash);
        if (!step.empty() && ::mkdir(step.c_str(), mode) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isWritableFolder(const std::string& folder)
{
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

FileLock FileLock::acquire(const std::string& lockPath, std::chrono::milliseconds wait)
{
    int descriptor = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return FileLock(-1, statusOfOpenError(errno) == FileStatus::Refused ? FileStatus::Refused : FileStatus::Failed);
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return FileLock(-1, FileStatus::Refused);
    }
    int locked;
    do {
        locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        return FileLock(descriptor, FileStatus::Ok);
    }
    if (errno != EWOULDBLOCK || wait <= std::chrono::milliseconds(0)) {
        const FileStatus status = errno == EWOULDBLOCK ? FileStatus::Busy : FileStatus::Failed;
        ::close(descriptor);
        return FileLock(-1, status);
    }
    // flock has no time limit, so a thread of its own waits for the lock in line with the other
    // processes' writers, and this one waits for that thread at most `wait`. A thread given up
    // on keeps waiting, and lets the lock go as soon as it has it.
    auto wanted = std::make_shared<LockWait>();
    try {
        std::thread([wanted, descriptor] {
            int result;
            do {
                result = ::flock(descriptor, LOCK_EX);
            } while (result != 0 && errno == EINTR);
            std::lock_guard guard(wanted->mutex);
            if (wanted->givenUp) {
                ::close(descriptor);
                return;
            }
            wanted->settled = true;
            wanted->locked = result == 0;
            wanted->changed.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        ::close(descriptor);
        return FileLock(-1, FileStatus::Failed);
    }
    std::unique_lock guard(wanted->mutex);
    if (!wanted->changed.wait_for(guard, wait, [&] { return wanted->settled; })) {
        wanted->givenUp = true;
        return FileLock(-1, FileStatus::Busy);
    }
    if (!wanted->locked) {
        ::close(descriptor);
        return FileLock(-1, FileStatus::Failed);
    }
    return FileLock(descriptor, FileStatus::Ok);
}

FileLock::FileLock(FileLock&& other) noexcept : descriptor_(other.descriptor_), status_(other.status_)
{
    other.descriptor_ = -1;
}

FileLock::~FileLock()
{
    if (descriptor_ >= 0) {
        ::close(descriptor_);  // closing the only descriptor releases the flock
    }
}

}  // namespace qby::registry
