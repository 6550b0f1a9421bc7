#include "platform/settings/Format.h"

#include <algorithm>
#include <optional>

namespace settings {
namespace {

constexpr std::string_view kHeader = "# Ventrelle settings 1";
constexpr std::string_view kTrailer = "# end";
constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

// Key paths and value names sit where "=", "[", "]" and a leading "#" have a meaning.
enum class Field { Name, Value };

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7f;
}

bool NeedsHex(unsigned char c, Field field) {
    return IsControl(c) || (field == Field::Name && (c == '=' || c == '[' || c == ']' || c == '#'));
}

void AppendEscaped(std::string& out, std::string_view text, Field field) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (NeedsHex(c, field)) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xf];
        } else {
            out += ch;
        }
    }
}

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

class Parser {
public:
    // An editor may have put a byte-order mark in front.
    explicit Parser(std::string_view text)
        : m_text(text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text) {}

    Tree Parse() {
        if (m_text.empty() || NextLine() != kHeader) {
            Fail("the first line does not name the format");
        }
        std::string key;
        bool haveKey = false;
        // A file that lost its last line to an editor is read as far as it goes.
        while (m_pos < m_text.size()) {
            const std::string_view line = NextLine();
            if (line == kTrailer) {
                break;
            }
            if (line.empty() || line.front() == '#') {
                continue;
            }
            if (line.front() == '[') {
                if (line.back() != ']' || line.size() < 2) {
                    Fail("a key line does not end with ']'");
                }
                key = Tree::NormalizeKey(Unescape(line.substr(1, line.size() - 2), Field::Name));
                if (key.empty()) {
                    Fail("a key line names no key");
                }
                m_tree.Key(key);
                haveKey = true;
                continue;
            }
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos) {
                Fail("a line is neither a key nor a value");
            }
            if (!haveKey) {
                Fail("a value comes before any key");
            }
            m_tree.Set(key, Unescape(line.substr(0, equals), Field::Name),
                       Unescape(line.substr(equals + 1), Field::Value));
        }
        if (m_pos != m_text.size()) {
            Fail("text follows the last line");
        }
        return std::move(m_tree);
    }

private:
    // The next line without its line end ("\n", or "\r\n" as Windows editors write it; the last
    // line may have none). A carriage return is never part of the content: the file escapes it.
    std::string_view NextLine() {
        ++m_line;
        const std::size_t end = std::min(m_text.find('\n', m_pos), m_text.size());
        std::string_view line = m_text.substr(m_pos, end - m_pos);
        m_pos = std::min(end + 1, m_text.size());
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        return line;
    }

    std::string Unescape(std::string_view text, Field field) {
        std::string out;
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c != '\\') {
                if (NeedsHex(c, field)) {
                    Fail("a character that must be escaped is not");
                }
                out += text[i];
                continue;
            }
            if (++i == text.size()) {
                Fail("a line ends inside an escape");
            }
            switch (text[i]) {
                case '\\':
                    out += '\\';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'x': {
                    const auto high = i + 1 < text.size() ? HexDigit(text[i + 1]) : std::nullopt;
                    const auto low = i + 2 < text.size() ? HexDigit(text[i + 2]) : std::nullopt;
                    if (!high || !low) {
                        Fail("\\x is not followed by two hex digits");
                    }
                    out += static_cast<char>(*high * 16 + *low);
                    i += 2;
                    break;
                }
                default:
                    Fail("unknown escape");
            }
        }
        return out;
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw FormatError("line " + std::to_string(m_line) + ": " + why);
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_line = 0;
    Tree m_tree;
};

}  // namespace

std::string FormatTree(const Tree& tree) {
    std::string out(kHeader);
    out += '\n';
    for (const auto& [key, values] : tree.Keys()) {
        out += '[';
        AppendEscaped(out, key, Field::Name);
        out += "]\n";
        for (const auto& [name, value] : values) {
            AppendEscaped(out, name, Field::Name);
            out += '=';
            AppendEscaped(out, value, Field::Value);
            out += '\n';
        }
    }
    out += kTrailer;
    out += '\n';
    return out;
}

Tree ParseTree(std::string_view text) {
    return Parser(text).Parse();
}

}  // namespace settings
