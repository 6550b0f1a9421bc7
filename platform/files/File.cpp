#include "platform/files/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/files/MemoryBlock.h"

namespace files {
namespace {

int OpenFlags(FileMode mode) {
    switch (mode) {
        case FileMode::Read:
            return O_RDONLY;
        case FileMode::ReadWrite:
            return O_RDWR;
        case FileMode::CreateTruncate:
            return O_WRONLY | O_CREAT | O_TRUNC;
        case FileMode::CreateNew:
            return O_RDWR | O_CREAT | O_EXCL;
    }
    return O_RDONLY;
}

}  // namespace

File::File(const std::filesystem::path& path, FileMode mode) {
    // Without O_NONBLOCK a pipe or a device in a file's place would hold open() (and later reads)
    // until some other process came along; regular files ignore the flag.
    m_fd = ::open(path.c_str(), OpenFlags(mode) | O_NONBLOCK | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        m_error = errno;
    }
}

File::~File() {
    // A close failure of a file nobody closed explicitly has no one left to report to; callers
    // that care about write errors call Close() themselves.
    Close();
}

File::File(File&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_error(std::exchange(other.m_error, 0)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_error = std::exchange(other.m_error, 0);
    }
    return *this;
}

bool File::IsRegular() const {
    struct stat info {};
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::uint64_t> File::Size() const {
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

std::optional<FileStamp> File::Stamp() const {
    return StampOf(m_fd);
}

std::optional<FileStamp> StampOf(int descriptor) {
    struct stat info {};
    if (descriptor < 0 || ::fstat(descriptor, &info) != 0) {
        return std::nullopt;
    }
    constexpr std::int64_t kNano = 1'000'000'000;
    return FileStamp{static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint64_t>(info.st_size),
                     info.st_mtim.tv_sec * kNano + info.st_mtim.tv_nsec,
                     info.st_ctim.tv_sec * kNano + info.st_ctim.tv_nsec};
}

bool File::Sync() const {
    return m_fd >= 0 && ::fsync(m_fd) == 0;
}

bool File::Close() {
    if (m_fd < 0) {
        return true;
    }
    const bool closed = ::close(std::exchange(m_fd, -1)) == 0;
    if (!closed) {
        m_error = errno;
    }
    return closed;
}

Transfer ReadPieces(const File& file, std::uint64_t offset, std::span<std::uint8_t> target,
                    std::size_t maxPiece) {
    Transfer done;
    const std::size_t piece = std::max<std::size_t>(maxPiece, 1);
    while (done.bytes < target.size()) {
        const std::size_t want = std::min(piece, target.size() - done.bytes);
        const ssize_t got = ::pread(file.Descriptor(), target.data() + done.bytes, want,
                                    static_cast<off_t>(offset + done.bytes));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            done.error = errno;
            break;
        }
        if (got == 0) {
            break;
        }
        done.bytes += static_cast<std::size_t>(got);
    }
    return done;
}

Transfer WritePieces(const File& file, std::uint64_t offset, std::span<const std::uint8_t> source,
                     std::size_t maxPiece) {
    Transfer done;
    const std::size_t piece = std::max<std::size_t>(maxPiece, 1);
    while (done.bytes < source.size()) {
        const std::size_t want = std::min(piece, source.size() - done.bytes);
        const ssize_t put = ::pwrite(file.Descriptor(), source.data() + done.bytes, want,
                                     static_cast<off_t>(offset + done.bytes));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            done.error = put < 0 ? errno : EIO;
            break;
        }
        done.bytes += static_cast<std::size_t>(put);
    }
    return done;
}

namespace {

// The rest of a copy, through a buffer: where the kernel cannot copy between the two files, and
// to tell which file failed when it could not.
RangeCopy CopyThroughBuffer(const File& source, std::uint64_t from, const File& target,
                            std::uint64_t to, std::uint64_t count, std::size_t maxPiece) {
    RangeCopy done;
    MemoryBlock buffer;
    if (!buffer.Allocate(static_cast<std::size_t>(std::min<std::uint64_t>(count, maxPiece)))) {
        return {0, CopyStop::Source, ENOMEM};
    }
    while (done.bytes < count) {
        const auto piece = buffer.Bytes().first(
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.Size(), count - done.bytes)));
        const Transfer read = ReadPieces(source, from + done.bytes, piece, piece.size());
        const Transfer written =
            WritePieces(target, to + done.bytes, piece.first(read.bytes), read.bytes);
        done.bytes += written.bytes;
        if (written.bytes != read.bytes) {
            return {done.bytes, CopyStop::Target, written.error};
        }
        if (read.bytes != piece.size()) {
            return {done.bytes, CopyStop::Source, read.error};
        }
    }
    return done;
}

}  // namespace

RangeCopy CopyRange(const File& source, std::uint64_t from, const File& target, std::uint64_t to,
                    std::uint64_t count, std::size_t maxPiece) {
    // The kernel moves at most about 2 GB a call.
    constexpr std::uint64_t kLargestCall = 1u << 30;
    std::uint64_t copied = 0;
    while (copied < count) {
        auto in = static_cast<off64_t>(from + copied);
        auto out = static_cast<off64_t>(to + copied);
        const ssize_t moved =
            ::copy_file_range(source.Descriptor(), &in, target.Descriptor(), &out,
                              static_cast<std::size_t>(std::min(count - copied, kLargestCall)), 0);
        if (moved < 0 && errno == EINTR) {
            continue;
        }
        if (moved <= 0) {
            // Not possible between these files, or a failure (or the source's end) that the
            // buffered copy meets again and can tell apart.
            break;
        }
        copied += static_cast<std::uint64_t>(moved);
    }
    if (copied == count) {
        return {copied, CopyStop::None, 0};
    }
    RangeCopy rest =
        CopyThroughBuffer(source, from + copied, target, to + copied, count - copied, maxPiece);
    rest.bytes += copied;
    return rest;
}

}  // namespace files
