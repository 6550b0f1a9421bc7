#include "platform/files/ReplacingWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "platform/files/TempFiles.h"

namespace files {
namespace {

constexpr std::size_t kWritePiece = 1 << 20;
constexpr int kNameAttempts = 64;

std::string RandomSuffix(std::mt19937& engine) {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kAlphabet) - 2);
    std::string suffix(8, ' ');
    for (char& c : suffix) {
        c = kAlphabet[pick(engine)];
    }
    return suffix;
}

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
    std::mt19937 engine{std::random_device{}()};
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        // Appended piece by piece: GCC 12 at -O3 warns wrongly on the chained concatenation.
        std::string name = ".";
        name += m_target.filename().string();
        name += '.';
        name += RandomSuffix(engine);
        m_temp = m_target.parent_path() / name;
        const int fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            m_file = File(m_temp, FileMode::ReadWrite);
            m_error = m_file.Error();
            return;
        }
        if (errno != EEXIST) {
            m_error = errno;
            m_temp.clear();
            return;
        }
    }
    m_error = EEXIST;
    m_temp.clear();
}

ReplacingWriter::~ReplacingWriter() {
    if (!m_committed && !m_temp.empty()) {
        m_file.Close();
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
    if (!m_file.Close()) {
        m_error = m_file.Error();
        return false;
    }
    if (std::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        m_error = errno;
        return false;
    }
    m_committed = true;
    if (flush) {
        SyncFolder(m_target.parent_path());
    }
    return true;
}

}  // namespace files
