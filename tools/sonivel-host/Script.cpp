#include "tools/sonivel-host/Script.h"

#include <charconv>

namespace sonivelhost {

namespace {

template <typename T>
std::optional<T> Number(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Boolean(std::string_view text) {
    if (text == "true") {
        return true;
    }
    if (text == "false") {
        return false;
    }
    return std::nullopt;
}

std::optional<automation::Variant> Typed(std::string_view type, std::string_view text) {
    if (type == "string") {
        return automation::Variant(std::string(text));
    }
    if (type == "short") {
        if (const auto v = Number<std::int16_t>(text)) {
            return automation::Variant(*v);
        }
    } else if (type == "long") {
        if (const auto v = Number<std::int32_t>(text)) {
            return automation::Variant(*v);
        }
    } else if (type == "float") {
        if (const auto v = Number<float>(text)) {
            return automation::Variant(*v);
        }
    } else if (type == "bool") {
        if (const auto v = Boolean(text)) {
            return automation::Variant(*v);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<Word>> SplitWords(std::string_view line, std::string* error) {
    std::vector<Word> words;
    std::optional<Word> current;
    bool inQuotes = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inQuotes) {
            if (c == '"') {
                inQuotes = false;
            } else if (c == '\\' && i + 1 < line.size() &&
                       (line[i + 1] == '"' || line[i + 1] == '\\')) {
                current->text.push_back(line[++i]);
            } else {
                current->text.push_back(c);
            }
            continue;
        }
        if (c == '#') {
            break;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            if (current) {
                words.push_back(std::move(*current));
                current.reset();
            }
            continue;
        }
        if (!current) {
            current.emplace();
        }
        if (c == '"') {
            inQuotes = true;
            if (!current->quoted) {
                current->quoted = true;
                current->quotedFrom = current->text.size();
            }
        } else {
            current->text.push_back(c);
        }
    }
    if (inQuotes) {
        if (error) {
            *error = "missing closing quote";
        }
        return std::nullopt;
    }
    if (current) {
        words.push_back(std::move(*current));
    }
    return words;
}

std::optional<Argument> ParseArgument(const Word& word, std::string* error) {
    const std::string_view text = word.text;
    const auto fail = [&]() -> std::optional<Argument> {
        if (error) {
            *error = "not an argument: " + word.text;
        }
        return std::nullopt;
    };
    if (word.quoted) {
        // A typed word such as string:"a b" keeps its type; a quoted word alone is text.
        const auto colon = text.find(':');
        if (colon != std::string_view::npos && colon < word.quotedFrom) {
            if (auto value = Typed(text.substr(0, colon), text.substr(colon + 1))) {
                return Argument{*value, {}};
            }
        }
        return Argument{automation::Variant(word.text), {}};
    }
    if (text.starts_with('&') && text.size() > 1) {
        return Argument{{}, std::string(text.substr(1))};
    }
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        if (auto value = Typed(text.substr(0, colon), text.substr(colon + 1))) {
            return Argument{*value, {}};
        }
        return fail();
    }
    if (const auto b = Boolean(text)) {
        return Argument{automation::Variant(*b), {}};
    }
    if (const auto l = Number<std::int32_t>(text)) {
        return Argument{automation::Variant(*l), {}};
    }
    if (const auto f = Number<float>(text)) {
        return Argument{automation::Variant(*f), {}};
    }
    return fail();
}

}  // namespace sonivelhost
