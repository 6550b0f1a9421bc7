#include "platform/speech/LogVoice.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace speech {

std::string EscapeLogText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out;
}

LogVoice::LogVoice(Reader reader, const std::filesystem::path& file)
    : m_reader(reader),
      m_file(file),
      m_fd(::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644)) {
    if (m_fd < 0) {
        throw Error("Cannot open the speech log " + file.string() + ": " + std::strerror(errno));
    }
}

LogVoice::~LogVoice() {
    ::close(m_fd);
}

void LogVoice::WriteLine(const std::string& line) {
    const ssize_t written = ::write(m_fd, line.data(), line.size());
    if (written != static_cast<ssize_t>(line.size())) {
        throw Error("Cannot write the speech log " + m_file.string() + ": " +
                    (written < 0 ? std::strerror(errno) : "short write"));
    }
}

void LogVoice::Say(std::string_view text) {
    WriteLine("speak\t" + std::string(ReaderCode(m_reader)) + "\t" + EscapeLogText(text) + "\n");
}

void LogVoice::Announce(std::string_view text) {
    WriteLine("announce\t" + std::string(ReaderCode(m_reader)) + "\t" + EscapeLogText(text) + "\n");
}

void LogVoice::Stop() {
    WriteLine("stop\t" + std::string(ReaderCode(m_reader)) + "\n");
}

void LogVoice::SetRate(int percent) {
    WriteLine("rate\t" + std::string(ReaderCode(m_reader)) + "\t" + std::to_string(percent) + "\n");
}

}  // namespace speech
