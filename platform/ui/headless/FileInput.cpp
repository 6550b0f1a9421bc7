#include "platform/ui/headless/FileInput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace ui {

FileInput::FileInput() : m_fd(STDIN_FILENO), m_owned(false) {}

FileInput::FileInput(const std::filesystem::path& path)
    : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY)), m_owned(true) {
    if (m_fd < 0)
        throw std::system_error(errno, std::generic_category(), "open " + path.string());
}

FileInput::~FileInput() {
    if (m_owned)
        ::close(m_fd);
}

FileInput::int_type FileInput::underflow() {
    ssize_t got = 0;
    do {
        got = ::read(m_fd, m_buffer.data(), m_buffer.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        throw std::system_error(errno, std::generic_category(), "read");
    if (got == 0)
        return traits_type::eof();
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + got);
    return traits_type::to_int_type(m_buffer.front());
}

ClosedStreams ReopenClosedStandardStreams() {
    ClosedStreams closed;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is this one, as the lower ones are open by now.
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened != fd && opened >= 0)
            ::close(opened);
        if (fd == STDIN_FILENO)
            closed.input = true;
        else if (fd == STDOUT_FILENO)
            closed.output = true;
    }
    return closed;
}

}  // namespace ui
