#include "platform/registry/RegistryStore.h"

#include <cerrno>

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

}  // namespace

Store::Store(std::string path, FolderPolicy policy)
    : path_(std::move(path)), folder_(folderOf(path_)), lockPath_(path_ + ".lock"), policy_(policy)
{
}

Snapshot Store::load(bool& damaged)
{
    damaged = false;
    FileRead file = readRegularFile(path_, kMaxFileBytes + 1);
    if (file.status == FileStatus::Missing) {
        return {ERROR_SUCCESS, emptyTree()};
    }
    if (file.status != FileStatus::Ok) {
        return {errorOf(file), emptyTree()};
    }
    if (cachedTree_ && file.bytes == cachedBytes_) {
        return {ERROR_SUCCESS, cachedTree_};
    }
    ParsedText text = parseRegistryText(file.bytes);
    if (!text.ok) {
        damaged = true;
        return {ERROR_SUCCESS, emptyTree()};
    }
    cachedBytes_ = std::move(file.bytes);
    cachedTree_ = std::make_shared<const Tree>(std::move(text.tree));
    return {ERROR_SUCCESS, cachedTree_};
}

Snapshot Store::read()
{
    std::lock_guard guard(mutex_);
    bool damaged = false;
    Snapshot snapshot = load(damaged);
    if (!damaged) {
        return snapshot;
    }
    // The damaged file is moved aside under the writers' lock, so that a good file a writer has
    // just renamed into its place is never the one moved. Where that cannot be done (a machine
    // file in a folder the user cannot write) it stays, and reads answer an empty registry.
    if (policy_ == FolderPolicy::MustBeWritable && !isWritableFolder(folder_)) {
        return snapshot;
    }
    FileLock lock = FileLock::acquire(lockPath_);
    if (lock.status() != FileStatus::Ok) {
        return snapshot;
    }
    snapshot = readLocked();
    if (snapshot.error == ERROR_BADDB) {
        snapshot.error = ERROR_SUCCESS;
    }
    return snapshot;
}

Snapshot Store::readLocked()
{
    bool damaged = false;
    Snapshot snapshot = load(damaged);
    if (damaged && !moveAside(path_)) {
        // Kept where it is, and so not to be written over.
        return {ERROR_BADDB, emptyTree()};
    }
    return snapshot;
}

LONG Store::commit(const std::function<Change(Tree&)>& change)
{
    std::lock_guard guard(mutex_);
    if (policy_ == FolderPolicy::MustBeWritable && !isWritableFolder(folder_)) {
        return ERROR_ACCESS_DENIED;
    }
    if (policy_ == FolderPolicy::CreateIfMissing && !makeFolders(folder_, 0700)) {
        return ERROR_CANTWRITE;
    }
    FileLock lock = FileLock::acquire(lockPath_);
    if (lock.status() != FileStatus::Ok) {
        return lock.status() == FileStatus::Refused ? ERROR_ACCESS_DENIED : ERROR_CANTWRITE;
    }
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
    std::string text = writeRegistryText(working);
    // Never write a file that would not read back as exactly this tree.
    ParsedText check = parseRegistryText(text);
    if (!check.ok || !(check.tree == working)) {
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
    return outcome.result;
}

}  // namespace qby::registry
