// File operations of the registry store: reading without following links, replacing a file
// atomically and durably, the writers' lock, and keeping a damaged file aside.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace qby::registry {

enum class FileStatus {
    Ok,
    Missing,  // no file at the path
    Refused,  // a symbolic link or something other than a regular file stands at the path
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

// Renames `path` to "<path>.corrupt-<UTC time>" ("-2", "-3", ... added when taken) and flushes
// the folder; answers the new name.
std::optional<std::string> moveAside(const std::string& path);

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
    static FileLock acquire(const std::string& lockPath);
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
