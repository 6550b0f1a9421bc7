// Reads a headless script one command at a time: splits lines into words, with double-quoted
// strings (escapes \" \\ \r \n) and `#` comments.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/headless/ScriptError.h"

namespace ui {

// The longest script line read, its line end not counted; a longer one is an error, so that an
// endless line (a device, a file of zeros) cannot eat the memory.
inline constexpr std::size_t kMaxScriptLineBytes = std::size_t{1} << 20;

// The words of one line; empty for a blank or comment line. Throws ScriptError.
std::vector<std::string> TokenizeScriptLine(std::string_view line);

// A script word as an error message shows it: in double quotes, with quotes, backslashes and
// control bytes escaped (\" \\ \r \n, others as \xHH), so that nothing in it cuts the message.
std::string QuoteWord(std::string_view word);

struct ScriptLine {
    int number = 0;
    std::vector<std::string> words;  // never empty
};

class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : m_in(in) {}

    // The next command, or nothing at the end of the script. Reads only as far as needed, so a
    // script can come from a pipe. Throws ScriptError (with the line number) for a bad or too
    // long line, and when the script cannot be read (a read error is not its end).
    std::optional<ScriptLine> Next();

private:
    bool ReadLine(std::string& text);

    std::istream& m_in;
    int m_lineNumber = 0;
};

}  // namespace ui
