#include "platform/ui/headless/ScriptReader.h"

namespace ui {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

char Unescape(char c) {
    switch (c) {
        case '"':
            return '"';
        case '\\':
            return '\\';
        case 'r':
            return '\r';
        case 'n':
            return '\n';
        default:
            throw ScriptError(std::string("unknown escape \\") + c);
    }
}

}  // namespace

std::vector<std::string> TokenizeScriptLine(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#')
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size())
                    throw ScriptError("unterminated string");
                char c = line[i++];
                if (c == '"')
                    break;
                if (c == '\\') {
                    if (i >= line.size())
                        throw ScriptError("unterminated string");
                    c = Unescape(line[i++]);
                }
                word += c;
            }
            if (i < line.size() && !IsBlank(line[i]) && line[i] != '#')
                throw ScriptError("no space after a string");
        } else {
            while (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
                if (line[i] == '"')
                    throw ScriptError("a quote inside a word");
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<ScriptLine> ScriptReader::Next() {
    std::string text;
    while (std::getline(m_in, text)) {
        ++m_lineNumber;
        try {
            std::vector<std::string> words = TokenizeScriptLine(text);
            if (!words.empty())
                return ScriptLine{m_lineNumber, std::move(words)};
        } catch (const ScriptError& e) {
            throw ScriptError("line " + std::to_string(m_lineNumber) + ": " + e.what());
        }
    }
    return std::nullopt;
}

}  // namespace ui
