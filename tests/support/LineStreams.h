// Streams for driving a program line by line from a test: a script whose next line is made only
// when the reader asks for it, and a trace handed over one complete line at a time.
#pragma once

#include <functional>
#include <optional>
#include <streambuf>
#include <string>

namespace testing_support {

// An input stream whose lines are made when the script reader asks for them.
class LineSource : public std::streambuf {
public:
    explicit LineSource(std::function<std::optional<std::string>()> next)
        : m_next(std::move(next)) {}

protected:
    int_type underflow() override {
        const std::optional<std::string> line = m_next();
        if (!line) {
            return traits_type::eof();
        }
        m_buffer = *line + "\n";
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + m_buffer.size());
        return traits_type::to_int_type(m_buffer.front());
    }

private:
    std::function<std::optional<std::string>()> m_next;
    std::string m_buffer;
};

// An output stream that hands over each complete line.
class LineSink : public std::streambuf {
public:
    explicit LineSink(std::function<void(const std::string&)> onLine)
        : m_onLine(std::move(onLine)) {}

protected:
    int_type overflow(int_type c) override {
        if (c == '\n') {
            m_onLine(m_line);
            m_line.clear();
        } else if (c != traits_type::eof()) {
            m_line += static_cast<char>(c);
        }
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        for (std::streamsize i = 0; i < count; ++i) {
            overflow(text[i]);
        }
        return count;
    }

private:
    std::function<void(const std::string&)> m_onLine;
    std::string m_line;
};

}  // namespace testing_support
