#include "platform/settings/StoreFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/settings/Format.h"

namespace settings {
namespace {

std::system_error SystemError(int error, const std::string& what) {
    return std::system_error(error, std::generic_category(), what);
}

std::filesystem::path WithSuffix(const std::filesystem::path& file, std::string_view suffix) {
    std::filesystem::path out = file;
    out += suffix;
    return out;
}

constexpr std::string_view kTemporarySuffix = ".tmp-";

// The folder holding `file` ("." for a bare file name).
std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Owns a file descriptor for the length of a scope.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    // Hands the descriptor over to the caller.
    void Release() { m_fd = -1; }
    // Closes now, reporting the error a delayed write may only show here.
    int Close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

void WriteAll(int fd, std::string_view content, const std::filesystem::path& file) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw SystemError(errno, "settings: cannot write " + file.string());
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
}

LoadedStore Damaged(std::string why) {
    return {{}, StoreProblem::Damaged, std::move(why), {}};
}

LoadedStore Unreadable(int error) {
    return {{}, StoreProblem::Unreadable, std::strerror(error), {error, std::generic_category()}};
}

// Takes the lock, waiting with growing pauses while another program holds it, but never longer
// than `wait`: the game's window does not answer meanwhile.
void WaitForLock(int fd, const std::filesystem::path& file, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    std::chrono::milliseconds pause(1);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            throw SystemError(errno, "settings: cannot lock " + file.string());
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            throw SystemError(EBUSY,
                              "settings: " + file.string() + " is locked by another program");
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(10));
    }
}

}  // namespace

LoadedStore ReadStoreFile(const std::filesystem::path& file) {
    // Non-blocking, so that opening a FIFO does not wait for a writer; it reads as damaged below.
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.Get() < 0) {
        if (errno == ENOENT) {
            return {};
        }
        return Unreadable(errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return Unreadable(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Damaged("it is not a regular file");
    }
    if (static_cast<std::size_t>(info.st_size) > kMaxStoreBytes) {
        return Damaged("it is larger than " + std::to_string(kMaxStoreBytes) + " bytes");
    }
    std::string content;
    std::vector<char> buffer(64 * 1024);
    while (true) {
        const ssize_t got = ::read(fd.Get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Unreadable(errno);
        }
        if (got == 0) {
            break;
        }
        content.append(buffer.data(), static_cast<std::size_t>(got));
        if (content.size() > kMaxStoreBytes) {
            return Damaged("it is larger than " + std::to_string(kMaxStoreBytes) + " bytes");
        }
    }
    try {
        return {ParseTree(content), StoreProblem::None, {}, {}};
    } catch (const FormatError& e) {
        return Damaged(e.what());
    }
}

StoreLock::StoreLock(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    std::error_code error;
    std::filesystem::create_directories(FolderOf(file), error);
    if (error) {
        throw std::system_error(error, "settings: cannot create the folder of " + file.string());
    }
    const std::filesystem::path lockFile = WithSuffix(file, ".lock");
    // A link planted in the lock file's place would have us create or lock the file it names.
    m_fd = ::open(lockFile.c_str(),
                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (m_fd < 0) {
        throw SystemError(errno, errno == ELOOP ? "settings: " + lockFile.string() +
                                                      " is a symbolic link, which is not followed"
                                                : "settings: cannot open " + lockFile.string());
    }
    Fd lock(m_fd);
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        throw SystemError(EINVAL, "settings: " + lockFile.string() + " is not a regular file");
    }
    WaitForLock(m_fd, file, wait);
    lock.Release();
}

StoreLock::~StoreLock() {
    ::close(m_fd);
}

void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::string prefix = file.filename().string() + std::string(kTemporarySuffix);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FolderOf(file), error)) {
        if (entry.path().filename().string().starts_with(prefix)) {
            // A leftover that cannot be removed only costs disk space; the store is unharmed.
            std::filesystem::remove(entry.path(), error);
        }
    }
}

std::filesystem::path KeepDamaged(const std::filesystem::path& file) {
    constexpr int kMostCopies = 1000;
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        std::filesystem::path aside =
            WithSuffix(file, copy == 1 ? ".damaged" : ".damaged-" + std::to_string(copy));
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(aside, error))) {
            continue;
        }
        // Under the lock no other writer of the store takes the name meanwhile.
        if (::rename(file.c_str(), aside.c_str()) != 0) {
            throw SystemError(errno,
                              "settings: cannot move the damaged " + file.string() + " aside");
        }
        return aside;
    }
    throw SystemError(EEXIST, "settings: " + std::to_string(kMostCopies) + " damaged copies of " +
                                  file.string() + " are kept already; remove some");
}

void ReplaceFile(const std::filesystem::path& file, std::string_view content,
                 const std::function<void(const std::filesystem::path&)>& beforeReplace) {
    std::string pattern = WithSuffix(file, std::string(kTemporarySuffix) + "XXXXXX").string();
    Fd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        throw SystemError(errno,
                          "settings: cannot create a temporary file next to " + file.string());
    }
    const std::filesystem::path temporary = pattern;
    try {
        WriteAll(fd.Get(), content, temporary);
        if (::fsync(fd.Get()) != 0 || fd.Close() != 0) {
            throw SystemError(errno, "settings: cannot write " + temporary.string());
        }
        if (beforeReplace) {
            beforeReplace(temporary);
        }
        if (::rename(temporary.c_str(), file.c_str()) != 0) {
            throw SystemError(errno, "settings: cannot replace " + file.string());
        }
    } catch (...) {
        std::error_code ignored;  // the write has failed already; that is what gets reported
        std::filesystem::remove(temporary, ignored);
        throw;
    }
    Fd folder(::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // The new file is in place either way; syncing the folder only makes the rename durable
    // sooner, so a folder that cannot be synced is not an error.
    if (folder.Get() >= 0) {
        ::fsync(folder.Get());
    }
}

}  // namespace settings
