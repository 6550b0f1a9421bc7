#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>
#include <vector>

#include "platform/mci/Command.h"

namespace mci {
namespace {

// Larger numbers than a 32-bit unsigned value are refused as bad integers.
constexpr std::int64_t kLargestNumber = 0xFFFFFFFFLL;

struct Token {
    std::string_view text;
    std::size_t begin = 0;  // offset in the command text
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsSpace(text[i])) {
            ++i;
        }
        const std::size_t begin = i;
        while (i < text.size() && !IsSpace(text[i])) {
            ++i;
        }
        if (i > begin) {
            tokens.push_back({text.substr(begin, i - begin), begin});
        }
    }
    return tokens;
}

bool Is(std::string_view word, std::string_view keyword) {
    return word.size() == keyword.size() &&
           std::equal(word.begin(), word.end(), keyword.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

// Reads the tokens of one command from left to right.
class Reader {
public:
    explicit Reader(std::vector<Token> tokens) : m_tokens(std::move(tokens)) {}

    bool AtEnd() const { return m_next >= m_tokens.size(); }
    std::size_t Remaining() const { return m_tokens.size() - m_next; }
    const Token& Peek() const { return m_tokens[m_next]; }
    const Token& Take() { return m_tokens[m_next++]; }
    const Token& Back(std::size_t fromEnd) const { return m_tokens[m_tokens.size() - 1 - fromEnd]; }
    void DropBack(std::size_t count) { m_tokens.resize(m_tokens.size() - count); }

private:
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
};

// Takes the next word, which must be `keyword`.
ErrorCode Expect(Reader& reader, std::string_view keyword) {
    if (reader.AtEnd()) {
        return ErrMissingParameter;
    }
    return Is(reader.Take().text, keyword) ? Ok : ErrUnrecognizedKeyword;
}

ErrorCode ParseNumber(std::string_view word, std::int64_t& value) {
    const bool negative = !word.empty() && word.front() == '-';
    const std::string_view digits = negative ? word.substr(1) : word;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return ErrBadInteger;
    }
    std::uint64_t magnitude = 0;
    const auto [end, status] =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (status != std::errc() || end != digits.data() + digits.size() ||
        magnitude > static_cast<std::uint64_t>(kLargestNumber)) {
        return ErrBadInteger;
    }
    value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return Ok;
}

ErrorCode TakeNumber(Reader& reader, std::optional<std::int64_t>& target) {
    if (reader.AtEnd()) {
        return ErrMissingParameter;
    }
    std::int64_t value = 0;
    const ErrorCode error = ParseNumber(reader.Take().text, value);
    if (error == Ok) {
        target = value;
    }
    return error;
}

bool TakeTrailingFlag(Reader& reader, Command& command) {
    if (reader.Remaining() == 0) {
        return false;
    }
    const std::string_view word = reader.Back(0).text;
    if (Is(word, "wait")) {
        command.wait = true;
    } else if (Is(word, "notify")) {
        command.notify = true;
    } else {
        return false;
    }
    reader.DropBack(1);
    return true;
}

// A file name followed by keywords. A name that starts with a double quote runs to the next
// one and only keywords may follow it; otherwise the keywords are taken from the end and the
// name is the text that they leave, inner spacing kept (so it may hold spaces).
template <typename TakeKeywords>
ErrorCode TakeFileName(std::string_view text, Reader& reader, std::string& name,
                       TakeKeywords takeKeywords) {
    if (!reader.AtEnd() && reader.Peek().text.front() == '"') {
        const std::size_t open = reader.Peek().begin;
        const std::size_t close = text.find('"', open + 1);
        if (close == std::string_view::npos) {
            return ErrNoClosingQuote;
        }
        name = text.substr(open + 1, close - open - 1);
        Reader tail(Tokenize(text.substr(close + 1)));
        takeKeywords(tail);
        return tail.AtEnd() ? Ok : ErrUnrecognizedKeyword;
    }
    takeKeywords(reader);
    if (!reader.AtEnd()) {
        const Token& last = reader.Back(0);
        name =
            text.substr(reader.Peek().begin, last.begin + last.text.size() - reader.Peek().begin);
    }
    return Ok;
}

// open FILE [alias NAME] [type waveaudio] [wait] [notify]
ErrorCode ParseOpen(std::string_view text, Reader& reader, Command& command) {
    std::optional<std::string_view> alias;
    std::optional<std::string_view> type;
    const auto takeKeywords = [&](Reader& keywords) {
        for (;;) {
            if (TakeTrailingFlag(keywords, command)) {
                continue;
            }
            if (keywords.Remaining() < 2) {
                return;
            }
            const std::string_view keyword = keywords.Back(1).text;
            if (!alias && Is(keyword, "alias")) {
                alias = keywords.Back(0).text;
            } else if (!type && Is(keyword, "type")) {
                type = keywords.Back(0).text;
            } else {
                return;
            }
            keywords.DropBack(2);
        }
    };
    const ErrorCode error = TakeFileName(text, reader, command.file, takeKeywords);
    if (error != Ok) {
        return error;
    }
    if (type && !Is(*type, "waveaudio")) {
        return ErrInvalidDeviceName;
    }
    if (command.file.empty()) {
        // An empty name is what the short-path service gives for a file that is not there.
        return ErrFileNotFound;
    }
    command.device = alias ? std::string(*alias) : command.file;
    return Is(command.device, "all") ? ErrInvalidDeviceName : Ok;
}

// save NAME FILE [wait] [notify]
ErrorCode ParseSave(std::string_view text, Reader& reader, Command& command) {
    const ErrorCode error = TakeFileName(text, reader, command.file, [&](Reader& keywords) {
        while (TakeTrailingFlag(keywords, command)) {
        }
    });
    if (error == Ok && command.file.empty()) {
        return ErrFilenameRequired;
    }
    return error;
}

ErrorCode ParseStatusItem(Reader& reader, Command& command) {
    static constexpr std::array<std::pair<std::string_view, StatusItem>, 6> kItems{{
        {"length", StatusItem::Length},
        {"position", StatusItem::Position},
        {"mode", StatusItem::Mode},
        {"bitspersample", StatusItem::BitsPerSample},
        {"channels", StatusItem::Channels},
        {"samplespersec", StatusItem::SamplesPerSec},
    }};
    if (reader.AtEnd()) {
        return ErrMissingParameter;
    }
    const std::string_view word = reader.Take().text;
    for (const auto& [name, item] : kItems) {
        if (Is(word, name)) {
            command.statusItem = item;
            return Ok;
        }
    }
    return ErrUnrecognizedKeyword;
}

ErrorCode ParseTimeFormat(Reader& reader, Command& command) {
    for (const std::string_view keyword : {"time", "format"}) {
        if (const ErrorCode error = Expect(reader, keyword); error != Ok) {
            return error;
        }
    }
    if (reader.AtEnd()) {
        return ErrMissingParameter;
    }
    const std::string_view format = reader.Take().text;
    if (Is(format, "samples")) {
        command.timeFormat = TimeFormat::Samples;
    } else if (Is(format, "milliseconds") || Is(format, "ms")) {
        command.timeFormat = TimeFormat::Milliseconds;
    } else {
        return ErrBadTimeFormat;
    }
    return Ok;
}

ErrorCode ParseSeekTarget(Reader& reader, Command& command) {
    if (const ErrorCode error = Expect(reader, "to"); error != Ok) {
        return error;
    }
    if (reader.AtEnd()) {
        return ErrMissingParameter;
    }
    if (Is(reader.Peek().text, "start")) {
        reader.Take();
        command.seekTarget = SeekTarget::Start;
        return Ok;
    }
    if (Is(reader.Peek().text, "end")) {
        reader.Take();
        command.seekTarget = SeekTarget::End;
        return Ok;
    }
    command.seekTarget = SeekTarget::Position;
    return TakeNumber(reader, command.to);
}

// The keywords that may follow the verb-specific part: flags, and from/to where allowed.
ErrorCode ParseOptions(Reader& reader, Command& command, bool allowRange) {
    while (!reader.AtEnd()) {
        const std::string_view word = reader.Take().text;
        ErrorCode error = Ok;
        if (Is(word, "wait")) {
            command.wait = true;
        } else if (Is(word, "notify")) {
            command.notify = true;
        } else if (allowRange && Is(word, "from")) {
            error = TakeNumber(reader, command.from);
        } else if (allowRange && Is(word, "to")) {
            error = TakeNumber(reader, command.to);
        } else {
            error = ErrUnrecognizedKeyword;
        }
        if (error != Ok) {
            return error;
        }
    }
    return Ok;
}

bool ParseVerb(std::string_view word, Verb& verb) {
    static constexpr std::array<std::pair<std::string_view, Verb>, 12> kVerbs{{
        {"open", Verb::Open},
        {"close", Verb::Close},
        {"set", Verb::Set},
        {"status", Verb::Status},
        {"play", Verb::Play},
        {"record", Verb::Record},
        {"stop", Verb::Stop},
        {"pause", Verb::Pause},
        {"resume", Verb::Resume},
        {"seek", Verb::Seek},
        {"delete", Verb::Delete},
        {"save", Verb::Save},
    }};
    for (const auto& [name, candidate] : kVerbs) {
        if (Is(word, name)) {
            verb = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace

ParseResult ParseCommand(std::string_view text) {
    ParseResult result;
    Command& command = result.command;
    Reader reader(Tokenize(text));
    if (reader.AtEnd() || !ParseVerb(reader.Take().text, command.verb)) {
        result.error = ErrUnrecognizedCommand;
        return result;
    }
    if (command.verb == Verb::Open) {
        result.error = ParseOpen(text, reader, command);
        return result;
    }
    if (reader.AtEnd()) {
        result.error = ErrMissingDeviceName;
        return result;
    }
    command.device = reader.Take().text;
    switch (command.verb) {
        case Verb::Save:
            result.error = ParseSave(text, reader, command);
            return result;
        case Verb::Status:
            result.error = ParseStatusItem(reader, command);
            break;
        case Verb::Set:
            result.error = ParseTimeFormat(reader, command);
            break;
        case Verb::Seek:
            result.error = ParseSeekTarget(reader, command);
            break;
        default:
            break;
    }
    if (result.error == Ok) {
        const bool allowRange = command.verb == Verb::Play || command.verb == Verb::Record ||
                                command.verb == Verb::Delete;
        result.error = ParseOptions(reader, command, allowRange);
    }
    return result;
}

}  // namespace mci
