// File operations of the registry store: reading without following links, replacing a file
// atomically and durably, the writers' lock, and keeping a damaged file aside.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace qby::registry {

enum class FileStatus {
    Ok,
    Missing,  // no file at the path
    Refused,  // a symbolic link or something other than a regular file stands at the path
    Busy,     // another process held the lock for longer than the wait
    Failed,   // any other error; see the errno kept beside it
};

struct FileRead {
    FileStatus status = FileStatus::Failed;
    int error = 0;
    std::string bytes;
};

// Reads a regular file, never through a symbolic link and never blocking on a FIFO. At most
// `maxBytes` bytes are read; a larger file answers its first maxBytes bytes.
FileRead readRegularFile(const std::string& path, std::size_t maxBytes);

// The one temporary name this process writes `path` through: "<path>.tmp-<pid>".
std::string temporaryPathFor(const std::string& path);

// Writes `bytes` to the temporary file beside `path` (created new, never through a link, given
// `mode`), flushes it to disk, renames it over `path` and flushes the folder. On failure `path`
// is untouched and the temporary is gone.
FileStatus replaceFile(const std::string& path, std::string_view bytes, mode_t mode, int& error);

// The steps of replaceFile, in order. A test may have a writer stop at one of them (and kill it
// there) to show that no moment of a replacement leaves a torn file.
enum class ReplaceStep {
    TemporaryCreated,  // the temporary file exists, empty
    HalfWritten,       // the first half of the bytes are in it
    Flushed,           // all of them are written and flushed, not yet renamed
    Renamed,           // the temporary has replaced the file; the folder is not yet flushed
};
using ReplaceStepHook = void (*)(ReplaceStep step);
// Called at each step of every replacement in this process; null (the default) for none.
void setReplaceStepHook(ReplaceStepHook hook);

// How many damaged copies are kept beside a file: the newest ones.
inline constexpr int kKeptCopies = 3;

struct KeptCopy {
    std::string name;
    bool moved = false;  // the file itself was moved there, and `path` no longer exists
};
// Keeps the damaged file at `path` as "<path>.corrupt-<UTC time>" ("-2", "-3", ... added when
// taken): as a second name of the same file, which leaves `path` in place, or, where the file
// system has no second names, by renaming it. Then deletes all but the kKeptCopies newest such
// copies and flushes the folder. Nothing when no copy could be made.
std::optional<KeptCopy> keepAside(const std::string& path);

// Deletes the regular files that dead writers left at "<path>.tmp-*". Only a writer that holds
// the lock creates such a file, so a writer holding it may delete any it finds.
void removeLeftoverTemporaries(const std::string& path);

std::string folderOf(const std::string& path);
// Creates `folder` and the missing folders above it with `mode`; true when it is a folder now.
bool makeFolders(const std::string& folder, mode_t mode);
bool isWritableFolder(const std::string& folder);

// An exclusive lock (flock) on a lock file, released when destroyed. Writers of one store file
// serialise on it across processes.
class FileLock {
public:
    // Waits for the lock at most `wait` (zero: one try); Busy when another process still holds
    // it then.
    static FileLock acquire(const std::string& lockPath, std::chrono::milliseconds wait);
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&&) = delete;
    FileLock(const FileLock&) = delete;
    ~FileLock();
    FileStatus status() const { return status_; }

private:
    FileLock(int descriptor, FileStatus status) : descriptor_(descriptor), status_(status) {}
    int descriptor_ = -1;
    FileStatus status_ = FileStatus::Failed;
};

}  // namespace qby::registry
