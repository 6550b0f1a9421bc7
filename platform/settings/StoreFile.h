// The file operations under the settings store: reading it leniently, locking it against other
// writers, and replacing it atomically so that an interrupted write never leaves it damaged.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/settings/Tree.h"

namespace settings {

struct LoadedStore {
    Tree tree;
    // Empty when the file was read (or is missing); otherwise why it reads as empty.
    std::string damage;
};

// Never throws for a missing, unreadable or damaged file.
LoadedStore ReadStoreFile(const std::filesystem::path& file);

// An exclusive flock on "<file>.lock" (the store itself is replaced, so it cannot carry the lock).
// Creates the folder. Throws std::system_error.
class StoreLock {
public:
    explicit StoreLock(const std::filesystem::path& file);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    int m_fd = -1;
};

// Removes temporary files left behind by writers that died before renaming them. Call it only
// while holding the StoreLock, so that no live writer's file is touched.
void RemoveStaleTemporaries(const std::filesystem::path& file);

// Writes `content` to a new temporary file next to `file`, syncs it, calls `beforeReplace` with
// its path (may be empty) and renames it over `file`. Throws std::system_error.
void ReplaceFile(const std::filesystem::path& file, std::string_view content,
                 const std::function<void(const std::filesystem::path&)>& beforeReplace);

}  // namespace settings
