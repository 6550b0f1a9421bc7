// The file operations under the settings store: reading it leniently, locking it against other
// writers, and replacing it atomically so that an interrupted write never leaves it damaged.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/settings/Tree.h"

namespace settings {

// Why a store reads as empty.
enum class StoreProblem {
    None,
    // Its content is not a store (or it is no regular file): it may be moved aside and replaced.
    Damaged,
    // It could not be read (permissions, a read error): it must be kept as it is.
    Unreadable,
};

struct LoadedStore {
    Tree tree;
    StoreProblem problem = StoreProblem::None;
    // What is wrong, for the report; empty without a problem.
    std::string why;
    // The system's error for an unreadable store.
    std::error_code error;
};

// Never throws for a missing, unreadable or damaged file, and never waits: a FIFO or a device in
// the store's place is damage, not something to read from.
LoadedStore ReadStoreFile(const std::filesystem::path& file);

// An exclusive flock on "<file>.lock" (the store itself is replaced, so it cannot carry the lock).
// Creates the folder. The lock file is never reached through a symbolic link. Waits at most
// `wait` for a lock another program holds. Throws std::system_error.
class StoreLock {
public:
    StoreLock(const std::filesystem::path& file, std::chrono::milliseconds wait);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    int m_fd = -1;
};

// Removes temporary files left behind by writers that died before renaming them. Call it only
// while holding the StoreLock, so that no live writer's file is touched.
void RemoveStaleTemporaries(const std::filesystem::path& file);

// Moves a damaged store out of the way, to the first free name of "<file>.damaged",
// "<file>.damaged-2", "<file>.damaged-3"..., so that no earlier copy is overwritten; returns the
// name. Call it only while holding the StoreLock. Throws std::system_error.
std::filesystem::path KeepDamaged(const std::filesystem::path& file);

// Writes `content` to a new temporary file next to `file`, syncs it, calls `beforeReplace` with
// its path (may be empty) and renames it over `file`. Throws std::system_error.
void ReplaceFile(const std::filesystem::path& file, std::string_view content,
                 const std::function<void(const std::filesystem::path&)>& beforeReplace);

}  // namespace settings
