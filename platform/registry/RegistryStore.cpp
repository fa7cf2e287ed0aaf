#include "platform/registry/RegistryStore.h"

#include <cerrno>
#include <unistd.h>

#include "platform/registry/RegistryFiles.h"
#include "platform/registry/RegistryText.h"

namespace qby::registry {

namespace {

std::shared_ptr<const Tree> emptyTree()
{
    static const auto empty = std::make_shared<const Tree>();
    return empty;
}

LONG errorOf(const FileRead& file)
{
    if (file.status == FileStatus::Refused || file.error == EACCES || file.error == EPERM) {
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_CANTREAD;
}

LONG errorOf(FileStatus status)
{
    switch (status) {
    case FileStatus::Ok:
        return ERROR_SUCCESS;
    case FileStatus::Refused:
        return ERROR_ACCESS_DENIED;
    case FileStatus::Busy:
        return ERROR_LOCK_VIOLATION;
    default:
        return ERROR_CANTWRITE;
    }
}

}  // namespace

Store::Store(std::string path, FolderPolicy policy)
    : path_(std::move(path)), folder_(folderOf(path_)), lockPath_(path_ + ".lock"), policy_(policy)
{
}

bool Store::folderWritable() const
{
    return policy_ == FolderPolicy::CreateIfMissing || isWritableFolder(folder_);
}

Store::Loaded Store::load()
{
    FileRead file = readRegularFile(path_, kMaxFileBytes + 1);
    if (file.status == FileStatus::Missing) {
        return {{ERROR_SUCCESS, emptyTree()}, false};
    }
    if (file.status != FileStatus::Ok) {
        return {{errorOf(file), emptyTree()}, false};
    }
    if (!cachedTree_ || file.bytes != cachedBytes_) {
        ParsedText text = parseRegistryText(file.bytes);
        cachedDamaged_ = !text.ok;
        repairTried_ = false;
        cachedTree_ = std::make_shared<const Tree>(text.ok ? std::move(text.tree) : salvageRegistryText(file.bytes));
        cachedBytes_ = std::move(file.bytes);
    }
    return {{ERROR_SUCCESS, cachedTree_}, cachedDamaged_};
}

Snapshot Store::read()
{
    std::lock_guard guard(mutex_);
    Loaded loaded = load();
    // A damaged file is repaired under the writers' lock, so that a good file a writer has just
    // renamed into its place is never the one kept aside; a read takes the lock only when it is
    // free. Where the file cannot be repaired (a machine file in a folder the user cannot
    // write), the salvage is read from memory.
    if (!loaded.damaged || repairTried_ || !folderWritable()) {
        return loaded.snapshot;
    }
    FileLock lock = FileLock::acquire(lockPath_, std::chrono::milliseconds(0));
    if (lock.status() != FileStatus::Ok) {
        return loaded.snapshot;
    }
    Snapshot repaired = readLocked();
    return repaired.error == ERROR_SUCCESS ? repaired : loaded.snapshot;
}

Snapshot Store::readLocked()
{
    Loaded loaded = load();
    if (!loaded.damaged) {
        return loaded.snapshot;
    }
    repairTried_ = true;
    std::optional<KeptCopy> kept = keepAside(path_);
    if (!kept) {
        // Kept nowhere else, and so not to be written over.
        return {ERROR_BADDB, loaded.snapshot.tree};
    }
    const LONG written = writeLocked(*loaded.snapshot.tree);
    if (written != ERROR_SUCCESS && kept->moved) {
        ::rename(kept->name.c_str(), path_.c_str());
    }
    return {written, loaded.snapshot.tree};
}

LONG Store::writeLocked(const Tree& tree)
{
    std::string text = writeRegistryText(tree);
    // Never write a file that would not read back as exactly this tree.
    ParsedText check = parseRegistryText(text);
    if (!check.ok || !(check.tree == tree)) {
        return ERROR_CANTWRITE;
    }
    int error = 0;
    // The user's file is private; the machine-wide one is read by every user.
    const mode_t mode = policy_ == FolderPolicy::CreateIfMissing ? 0600 : 0644;
    FileStatus written = replaceFile(path_, text, mode, error);
    if (written != FileStatus::Ok) {
        return written == FileStatus::Refused ? ERROR_ACCESS_DENIED : ERROR_CANTWRITE;
    }
    cachedBytes_ = std::move(text);
    cachedTree_ = std::make_shared<const Tree>(std::move(check.tree));
    cachedDamaged_ = false;
    return ERROR_SUCCESS;
}

LONG Store::commit(const std::function<Change(Tree&)>& change)
{
    if (policy_ == FolderPolicy::MustBeWritable && !isWritableFolder(folder_)) {
        return ERROR_ACCESS_DENIED;
    }
    if (policy_ == FolderPolicy::CreateIfMissing && !makeFolders(folder_, 0700)) {
        return ERROR_CANTWRITE;
    }
    // Waited for without holding this store's mutex, so reads in other threads go on meanwhile.
    // After a wait that ran out, a writer held up elsewhere costs one wait, not one per write.
    FileLock lock = FileLock::acquire(lockPath_, lockWasBusy_ ? std::chrono::milliseconds(0) : kWriteLockWait);
    if (lock.status() == FileStatus::Ok || lock.status() == FileStatus::Busy) {
        lockWasBusy_ = lock.status() == FileStatus::Busy;
    }
    if (lock.status() != FileStatus::Ok) {
        return errorOf(lock.status());
    }
    std::lock_guard guard(mutex_);
    removeLeftoverTemporaries(path_);
    Snapshot current = readLocked();
    if (current.error != ERROR_SUCCESS) {
        return current.error;
    }
    Tree working = *current.tree;
    Change outcome = change(working);
    if (outcome.result != ERROR_SUCCESS || !outcome.modified) {
        return outcome.result;
    }
    const LONG written = writeLocked(working);
    return written != ERROR_SUCCESS ? written : outcome.result;
}

}  // namespace qby::registry
