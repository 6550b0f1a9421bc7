// An open file owned by one object, and transfers of a file region in bounded pieces that
// report how far they got (a short read is not an error, only a shorter result).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace files {

enum class FileMode {
    Read,            // existing file, read only
    ReadWrite,       // existing file, read and write
    CreateTruncate,  // created when missing, emptied when present, write only (mode 0666 & ~umask)
    CreateNew,       // created, read and write; fails (EEXIST) when something is there already
};

// One version of one file: which file it is (device and inode), its size, and the times of its
// last change of contents and of status. A write, truncation or rename gives a new stamp, except
// one that falls within the same tick of the file system's clock as the stamp was taken.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since the epoch
    std::int64_t changed = 0;
    bool operator==(const FileStamp&) const = default;
};

class File {
public:
    File() = default;
    // Opens `path`; check IsOpen() and Error() (the errno of the failure). Never waits: a pipe
    // or a device where a file was expected opens (or fails) at once, and reading it gives what
    // is there without waiting; callers that need a file check IsRegular().
    File(const std::filesystem::path& path, FileMode mode);
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Error() const { return m_error; }
    int Descriptor() const { return m_fd; }
    bool IsRegular() const;
    std::optional<std::uint64_t> Size() const;
    std::optional<FileStamp> Stamp() const;
    // Flushes the file's data to the disk; false (with errno) on failure.
    bool Sync() const;
    // Closes now; false when the close reported a write error.
    bool Close();

private:
    int m_fd = -1;
    int m_error = 0;
};

// The stamp of the file open as `descriptor`; nothing when it cannot be had.
std::optional<FileStamp> StampOf(int descriptor);

// What a piece transfer did: `bytes` moved; `error` is the errno that stopped it early, 0 when
// it ran to the end or (reading) met the end of the file.
struct Transfer {
    std::size_t bytes = 0;
    int error = 0;
};

// Reads up to target.size() bytes from `offset`, each read at most `maxPiece` bytes, until the
// target is full, the file ends or a read fails.
Transfer ReadPieces(const File& file, std::uint64_t offset, std::span<std::uint8_t> target,
                    std::size_t maxPiece);

// Writes all of `source` at `offset`, each write at most `maxPiece` bytes, until everything is
// written or a write fails or writes nothing.
Transfer WritePieces(const File& file, std::uint64_t offset, std::span<const std::uint8_t> source,
                     std::size_t maxPiece);

// What a copy between two files did: `bytes` copied; `stop` says which file ended it early, with
// `error` the errno (0 when the source simply ended).
enum class CopyStop { None, Source, Target };
struct RangeCopy {
    std::uint64_t bytes = 0;
    CopyStop stop = CopyStop::None;
    int error = 0;
};

// Copies `count` bytes of `source` from `from` into `target` at `to`: inside the kernel where the
// file systems allow (nothing passes through this process, and a file system that shares extents
// copies none), else through a buffer of at most `maxPiece` bytes.
RangeCopy CopyRange(const File& source, std::uint64_t from, const File& target, std::uint64_t to,
                    std::uint64_t count, std::size_t maxPiece);

}  // namespace files
