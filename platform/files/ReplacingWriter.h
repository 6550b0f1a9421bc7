// Writes a new version of a file beside it and puts it in place only once it is complete and on
// disk, so a crash leaves either the old file or the whole new one, never a half-written file.
// Files inside the temporary folder are renamed into place without the flush to disk. Only a
// regular file the user may write is replaced (through a symbolic link, the file it names); it
// keeps its permissions, owner and group. The new file is named and locked as SaveTemps.h says, and
// the leftovers of earlier saves of the same target that were killed half-way are removed first.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/files/File.h"

namespace files {

class ReplacingWriter {
public:
    // Creates the new file beside `target`; check Error() (an errno, 0 when all is well: EINVAL
    // for a target that is not a regular file, EACCES for one the user may not write).
    explicit ReplacingWriter(std::filesystem::path target);
    // Removes the new file unless Commit() succeeded.
    ~ReplacingWriter();
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    int Error() const { return m_error; }
    // Appends bytes; false (and Error()) on failure.
    bool Write(std::span<const std::uint8_t> bytes);
    // Appends `count` bytes of `source` from `offset`, inside the kernel where it can. A failure
    // of the new file also sets Error(); one of the source does not.
    RangeCopy AppendFrom(const File& source, std::uint64_t offset, std::uint64_t count);
    // Flushes the new file, gives it the target's permissions, owner and group when the target
    // exists, and renames it over the target. False (and Error()) on failure, also when the
    // target has become one that must not be replaced; the target is then untouched.
    bool Commit();
    // The stamp of the file put in place, taken right after; nothing before a commit, or when it
    // cannot be had.
    const std::optional<FileStamp>& Committed() const { return m_committedStamp; }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    File m_file;
    std::uint64_t m_written = 0;
    int m_error = 0;
    bool m_committed = false;
    std::optional<FileStamp> m_committedStamp;
};

}  // namespace files
