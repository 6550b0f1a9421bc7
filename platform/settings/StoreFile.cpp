#include "platform/settings/StoreFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
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

}  // namespace

LoadedStore ReadStoreFile(const std::filesystem::path& file) {
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT) {
            return {};
        }
        return {{}, std::string("it cannot be opened: ") + std::strerror(errno)};
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {{}, "it is not a regular file"};
    }
    if (static_cast<std::size_t>(info.st_size) > kMaxStoreBytes) {
        return {{}, "it is larger than " + std::to_string(kMaxStoreBytes) + " bytes"};
    }
    std::string content;
    std::vector<char> buffer(64 * 1024);
    while (true) {
        const ssize_t got = ::read(fd.Get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {{}, std::string("it cannot be read: ") + std::strerror(errno)};
        }
        if (got == 0) {
            break;
        }
        content.append(buffer.data(), static_cast<std::size_t>(got));
        if (content.size() > kMaxStoreBytes) {
            return {{}, "it is larger than " + std::to_string(kMaxStoreBytes) + " bytes"};
        }
    }
    try {
        return {ParseTree(content), {}};
    } catch (const FormatError& e) {
        return {{}, e.what()};
    }
}

StoreLock::StoreLock(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::create_directories(FolderOf(file), error);
    if (error) {
        throw std::system_error(error, "settings: cannot create the folder of " + file.string());
    }
    const std::filesystem::path lockFile = WithSuffix(file, ".lock");
    m_fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        throw SystemError(errno, "settings: cannot open " + lockFile.string());
    }
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            ::close(m_fd);
            throw SystemError(error, "settings: cannot lock " + lockFile.string());
        }
    }
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
