// A script source over a file descriptor (standard input, a file, a pipe). A read error reaches
// the script reader as std::system_error, so that a script that cannot be read (a folder, a
// failing disk) is told apart from one that has ended.
#pragma once

#include <array>
#include <filesystem>
#include <streambuf>

namespace ui {

class FileInput : public std::streambuf {
public:
    // Standard input.
    FileInput();
    // The file at `path` (a pipe or a FIFO too); throws std::system_error when it cannot be
    // opened.
    explicit FileInput(const std::filesystem::path& path);
    ~FileInput() override;
    FileInput(const FileInput&) = delete;
    FileInput& operator=(const FileInput&) = delete;

protected:
    int_type underflow() override;

private:
    int m_fd;
    bool m_owned;
    std::array<char, 64 * 1024> m_buffer{};
};

// Which of the standard streams the program was started without.
struct ClosedStreams {
    bool input = false;
    bool output = false;
};

// Opens /dev/null in place of each standard stream (input, output, error) the caller closed, so
// that no file the program opens later takes its number and gets trace lines written into it or
// read as a script; says which were closed.
ClosedStreams ReopenClosedStandardStreams();

}  // namespace ui
