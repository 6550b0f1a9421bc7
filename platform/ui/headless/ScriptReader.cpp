#include "platform/ui/headless/ScriptReader.h"

#include <streambuf>
#include <system_error>

namespace ui {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// One byte of a word as messages show it: control bytes as \xHH, anything else as it is.
void AppendShown(std::string& out, char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xf];
    } else {
        out += c;
    }
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
            std::string message = "unknown escape \\";
            AppendShown(message, c);
            throw ScriptError(message);
    }
}

}  // namespace

std::string QuoteWord(std::string_view word) {
    std::string out = "\"";
    for (char c : word) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                AppendShown(out, c);
        }
    }
    return out + "\"";
}

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

// Reads the next line without its line end; false at the end of the script. The last line may
// lack its line end.
bool ScriptReader::ReadLine(std::string& text) {
    text.clear();
    std::streambuf& source = *m_in.rdbuf();
    try {
        for (;;) {
            const auto c = source.sbumpc();
            if (c == std::streambuf::traits_type::eof())
                return !text.empty();
            if (c == '\n')
                return true;
            if (text.size() == kMaxScriptLineBytes) {
                throw ScriptError("line " + std::to_string(m_lineNumber) +
                                  ": the line is longer than " +
                                  std::to_string(kMaxScriptLineBytes) + " bytes");
            }
            text += std::streambuf::traits_type::to_char_type(c);
        }
    } catch (const std::system_error& e) {
        // A folder, a failing disk or a closed descriptor: not the end of the script.
        throw ScriptError("the script cannot be read: " + e.code().message());
    }
}

std::optional<ScriptLine> ScriptReader::Next() {
    std::string text;
    for (;;) {
        ++m_lineNumber;
        if (!ReadLine(text))
            return std::nullopt;
        try {
            std::vector<std::string> words = TokenizeScriptLine(text);
            if (!words.empty())
                return ScriptLine{m_lineNumber, std::move(words)};
        } catch (const ScriptError& e) {
            throw ScriptError("line " + std::to_string(m_lineNumber) + ": " + e.what());
        }
    }
}

}  // namespace ui
