// A back end that writes each call as one line to a file, for tests and scripted runs:
//   speak<TAB>READER<TAB>text      (text with \r, \n, \t and \\ escaped)
//   stop<TAB>READER
//   rate<TAB>READER<TAB>percent
//   announce<TAB>READER<TAB>text   (what a screen reader would say about the windows)
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/speech/Voice.h"

namespace speech {

// The text with backslash, carriage return, line feed and tab written as \\ \r \n \t.
std::string EscapeLogText(std::string_view text);

class LogVoice : public Voice {
public:
    // Opens FILE for appending (several voices may share it). Throws Error.
    LogVoice(Reader reader, const std::filesystem::path& file);
    ~LogVoice() override;
    LogVoice(const LogVoice&) = delete;
    LogVoice& operator=(const LogVoice&) = delete;

    void Say(std::string_view text) override;
    void Stop() override;
    void SetRate(int percent) override;
    void Announce(std::string_view text) override;

private:
    // Appends one whole line with a single write, so lines of voices sharing the file never mix.
    void WriteLine(const std::string& line);

    Reader m_reader;
    std::filesystem::path m_file;
    int m_fd = -1;
};

}  // namespace speech
