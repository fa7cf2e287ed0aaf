// One registry file on disk: lock-free reads through a cache, and writes merged under a lock.
//
// A write re-reads the file under the writers' lock, applies only its own change to what it
// finds, and replaces the file atomically (temporary file, fsync, rename, folder fsync). Two
// processes writing different values both keep theirs; for the same value the last one wins.
// A file that does not parse is renamed aside and reads answer an empty registry; it is never
// overwritten. Links at the file, its temporary or its lock are refused.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryTree.h"

namespace qby::registry {

enum class FolderPolicy {
    CreateIfMissing,  // the per-user store: its folder is made (0700) on the first write, file 0600
    MustBeWritable,   // the machine-wide store: written only where its folder is writable, file 0644
};

struct Snapshot {
    LONG error = ERROR_SUCCESS;         // why the file could not be read, if it could not
    std::shared_ptr<const Tree> tree;  // never null; empty when missing, damaged or unreadable
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
    // Reads and parses the file (or takes the cached tree); a damaged file answers an empty tree.
    Snapshot load(bool& damaged);
    // Reads and parses the file while the writers' lock is held, keeping a damaged file aside.
    Snapshot readLocked();

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
};

}  // namespace qby::registry
