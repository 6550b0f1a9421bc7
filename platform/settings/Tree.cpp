#include "platform/settings/Tree.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace settings {
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && !NoCaseLess{}(text.substr(0, prefix.size()), prefix) &&
           !NoCaseLess{}(prefix, text.substr(0, prefix.size()));
}

// True when `path` is `key` itself or lies below it.
bool IsInTree(std::string_view path, std::string_view key) {
    return StartsWithNoCase(path, key) && (path.size() == key.size() || path[key.size()] == '/');
}

}  // namespace

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
    });
}

std::string Tree::NormalizeKey(std::string_view key) {
    std::string out;
    std::size_t start = 0;
    while (start <= key.size()) {
        std::size_t end = std::min(key.find('/', start), key.size());
        if (end > start) {
            if (!out.empty()) {
                out += '/';
            }
            out += key.substr(start, end - start);
        }
        start = end + 1;
    }
    return out;
}

std::string Tree::CheckedKey(std::string_view key) {
    std::string normalized = NormalizeKey(key);
    if (normalized.empty()) {
        throw std::invalid_argument("settings: a key path must name at least one key");
    }
    return normalized;
}

const std::string* Tree::Find(std::string_view key, std::string_view name) const {
    auto k = m_keys.find(NormalizeKey(key));
    if (k == m_keys.end()) {
        return nullptr;
    }
    auto v = k->second.find(name);
    return v == k->second.end() ? nullptr : &v->second;
}

Values& Tree::Key(std::string_view key) {
    return m_keys[CheckedKey(key)];
}

void Tree::Set(std::string_view key, std::string_view name, std::string_view value) {
    Values& values = Key(key);
    auto v = values.find(name);
    if (v == values.end()) {
        values.emplace(std::string(name), std::string(value));
    } else {
        v->second = value;
    }
}

bool Tree::DeleteTree(std::string_view key) {
    const std::string root = CheckedKey(key);
    return std::erase_if(m_keys, [&](const auto& entry) { return IsInTree(entry.first, root); }) >
           0;
}

std::vector<std::string> Tree::SubKeys(std::string_view key) const {
    const std::string parent = NormalizeKey(key);
    std::set<std::string, NoCaseLess> names;
    for (const auto& [path, values] : m_keys) {
        std::string_view rest = path;
        if (!parent.empty()) {
            if (!IsInTree(path, parent) || path.size() == parent.size()) {
                continue;
            }
            rest.remove_prefix(parent.size() + 1);
        }
        names.emplace(rest.substr(0, rest.find('/')));
    }
    return {names.begin(), names.end()};
}

}  // namespace settings
