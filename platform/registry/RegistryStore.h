// One registry file on disk: reads through a cache that never wait for the writers' lock, and
// writes merged under that lock.
//
// A write re-reads the file under the writers' lock, applies only its own change to what it
// finds, and replaces the file atomically (temporary file, fsync, rename, folder fsync). Two
// processes writing different values both keep theirs; for the same value the last one wins.
// A write waits at most kWriteLockWait for another process's write; when the lock is still held
// then, it fails with ERROR_LOCK_VIOLATION, and until a write gets the lock again the following
// writes try it once without waiting. A read sees the last complete file, never a half-written
// one, and so never needs the lock.
//
// A file that does not parse is salvaged: what parses of it is read, the file is kept aside
// (the newest three damaged copies stay) and what was read is written back with a fresh end
// line. That repair is made by the next write, or by a read when no writer holds the lock; a
// read that finds the lock held answers the salvage from memory. Links at the file, its
// temporary or its lock are refused.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryTree.h"

namespace qby::registry {

inline constexpr std::chrono::milliseconds kWriteLockWait{1000};

enum class FolderPolicy {
    CreateIfMissing,  // the per-user store: its folder is made (0700) on the first write, file 0600
    MustBeWritable,   // the machine-wide store: written only where its folder is writable, file 0644
};

struct Snapshot {
    LONG error = ERROR_SUCCESS;         // why the file could not be read, if it could not
    std::shared_ptr<const Tree> tree;  // never null; empty when missing or unreadable
};

struct Change {
    LONG result = ERROR_SUCCESS;
    bool modified = false;  // the file is written only when the change modified the tree
};

class Store {
public:
    Store(std::string path, FolderPolicy policy);

    const std::string& path() const { return path_; }
    Snapshot read();
    // Runs `change` on the file's current contents under the writers' lock and writes the result
    // when it reports a modification; answers the change's result or why nothing was written.
    LONG commit(const std::function<Change(Tree&)>& change);

private:
    struct Loaded {
        Snapshot snapshot;
        bool damaged = false;  // the tree is a salvage; the file still needs its repair
    };
    // Reads and parses the file, or takes the cached tree when the file still holds its bytes.
    Loaded load();
    // With the writers' lock held: the file's tree, a damaged file repaired first.
    Snapshot readLocked();
    // With the writers' lock held: replaces the file with `tree`.
    LONG writeLocked(const Tree& tree);
    bool folderWritable() const;

    std::mutex mutex_;
    const std::string path_;
    const std::string folder_;
    const std::string lockPath_;
    const FolderPolicy policy_;
    // The last bytes read or written and their tree: a parse is skipped when the file still
    // holds exactly those bytes. (Comparing the bytes, not the inode and modification time,
    // because inode numbers are reused and timestamps are coarser than quick writes.)
    std::string cachedBytes_;
    std::shared_ptr<const Tree> cachedTree_;
    bool cachedDamaged_ = false;
    // A repair of the cached damaged bytes was tried and failed; reads do not try again.
    bool repairTried_ = false;
    // The last wait for the lock ran out.
    std::atomic<bool> lockWasBusy_{false};
};

}  // namespace qby::registry
