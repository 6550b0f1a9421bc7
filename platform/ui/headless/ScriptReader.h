// Reads a headless script one command at a time: splits lines into words, with double-quoted
// strings (escapes \" \\ \r \n) and `#` comments.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/headless/ScriptError.h"

namespace ui {

// The words of one line; empty for a blank or comment line. Throws ScriptError.
std::vector<std::string> TokenizeScriptLine(std::string_view line);

struct ScriptLine {
    int number = 0;
    std::vector<std::string> words;  // never empty
};

class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : m_in(in) {}

    // The next command, or nothing at the end of the script. Reads only as far as needed, so a
    // script can come from a pipe. Throws ScriptError (with the line number) for a bad line.
    std::optional<ScriptLine> Next();

private:
    std::istream& m_in;
    int m_lineNumber = 0;
};

}  // namespace ui
