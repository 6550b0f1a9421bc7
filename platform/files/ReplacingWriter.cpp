#include "platform/files/ReplacingWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

#include "platform/files/SaveTemps.h"
#include "platform/files/TempFiles.h"

namespace files {
namespace {

constexpr std::size_t kWritePiece = 1 << 20;

// Makes a finished rename durable; a failure here only weakens crash safety, the new file is
// already in place, so it is not reported.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Files in the temporary folder are scratch data nobody expects back after a crash: flushing
// them to the disk would only cost time. Everything elsewhere is flushed.
bool NeedsFlush(const std::filesystem::path& target) {
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::canonical(TempFolder(), error);
    // A temporary folder at the root would hold every file there is.
    if (error || temp == temp.root_path()) {
        return true;
    }
    const std::filesystem::path folder =
        std::filesystem::weakly_canonical(target, error).parent_path();
    if (error) {
        return true;
    }
    return std::mismatch(temp.begin(), temp.end(), folder.begin(), folder.end()).first !=
           temp.end();
}

// 0 when `target` is missing or a regular file this user may write; otherwise why it must not be
// replaced. Root passes every permission check, so a file nobody may write counts as read-only.
int CheckReplaceable(const std::filesystem::path& target, struct stat& existing) {
    if (::stat(target.c_str(), &existing) != 0) {
        existing = {};
        return errno == ENOENT ? 0 : errno;
    }
    if (!S_ISREG(existing.st_mode)) {
        return EINVAL;
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 ||
        (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    return 0;
}

// Gives the new file the replaced file's permissions, owner and group. Another user's file whose
// owner cannot be kept is not replaced; a group that cannot be kept is only a loss of detail.
int TakeOver(const File& file, const struct stat& existing) {
    if (existing.st_mode == 0) {
        return 0;
    }
    // Owner first: a change of owner may clear permission bits.
    if (existing.st_uid != ::geteuid()) {
        if (::fchown(file.Descriptor(), existing.st_uid, existing.st_gid) != 0) {
            return EACCES;
        }
    } else if (existing.st_gid != ::getegid() &&
               ::fchown(file.Descriptor(), static_cast<uid_t>(-1), existing.st_gid) != 0) {
        // Only a member of the group may keep it; otherwise the file takes the user's own group,
        // as any file the user makes.
    }
    return ::fchmod(file.Descriptor(), existing.st_mode & 07777) == 0 ? 0 : errno;
}

// Renames `fresh` over `target`; unflushed, by the exchange that spares ext4's flush.
bool PutInPlace(const std::filesystem::path& fresh, const std::filesystem::path& target,
                bool exchange) {
    return exchange ? ReplaceScratchFile(fresh, target)
                    : std::rename(fresh.c_str(), target.c_str()) == 0;
}

}  // namespace

ReplacingWriter::ReplacingWriter(std::filesystem::path target) : m_target(std::move(target)) {
    std::error_code error;
    if (std::filesystem::is_symlink(m_target, error)) {
        // Replace the file the link points to, not the link itself.
        m_target = std::filesystem::weakly_canonical(m_target, error);
    }
    struct stat existing {};
    m_error = CheckReplaceable(m_target, existing);
    if (m_error != 0) {
        return;
    }
    RemoveSaveLeftovers(m_target);
    m_file = CreateSaveTemp(m_target, m_temp);
    if (!m_file.IsOpen()) {
        m_error = m_file.Error() != 0 ? m_file.Error() : EEXIST;
    }
}

ReplacingWriter::~ReplacingWriter() {
    if (!m_committed && !m_temp.empty()) {
        // Removed while still locked, so no other save sees it as a leftover of its own.
        std::remove(m_temp.c_str());
    }
}

bool ReplacingWriter::Write(std::span<const std::uint8_t> bytes) {
    if (m_error != 0) {
        return false;
    }
    const Transfer done = WritePieces(m_file, m_written, bytes, kWritePiece);
    m_written += done.bytes;
    if (done.bytes != bytes.size()) {
        m_error = done.error != 0 ? done.error : EIO;
        return false;
    }
    return true;
}

RangeCopy ReplacingWriter::AppendFrom(const File& source, std::uint64_t offset,
                                      std::uint64_t count) {
    if (m_error != 0) {
        return {0, CopyStop::Target, m_error};
    }
    const RangeCopy done = CopyRange(source, offset, m_file, m_written, count, kWritePiece);
    m_written += done.bytes;
    if (done.stop == CopyStop::Target) {
        m_error = done.error != 0 ? done.error : EIO;
    }
    return done;
}

bool ReplacingWriter::Commit() {
    if (m_error != 0) {
        return false;
    }
    // Checked again: the target may have changed while the new file was written.
    struct stat existing {};
    m_error = CheckReplaceable(m_target, existing);
    if (m_error == 0) {
        m_error = TakeOver(m_file, existing);
    }
    if (m_error != 0) {
        return false;
    }
    const bool flush = NeedsFlush(m_target);
    if (flush && !m_file.Sync()) {
        m_error = errno;
        return false;
    }
    // The lock lives on in a second descriptor until the rename: closed, the finished file would
    // look like a leftover to another save of the same target.
    const int lock = ::dup(m_file.Descriptor());
    if (lock < 0 || !m_file.Close()) {
        m_error = lock < 0 ? errno : m_file.Error();
        if (lock >= 0) {
            ::close(lock);
        }
        return false;
    }
    const bool renamed = PutInPlace(m_temp, m_target, existing.st_mode != 0 && !flush);
    m_error = renamed ? 0 : errno;
    if (renamed) {
        m_committedStamp = StampOf(lock);
    }
    ::close(lock);
    if (!renamed) {
        return false;
    }
    m_committed = true;
    if (flush) {
        SyncFolder(m_target.parent_path());
    }
    return true;
}

}  // namespace files
