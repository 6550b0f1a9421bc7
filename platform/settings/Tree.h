// The settings store in memory: key paths ("Ventrelle/StartUp") mapped to their named values.
// Key components and value names compare ASCII case-insensitively, as registry names do.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Orders names ignoring ASCII case; the first spelling written is the one kept.
struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

using Values = std::map<std::string, std::string, NoCaseLess>;

class Tree {
public:
    // "/a//b/" → "a/b": empty components mean nothing.
    static std::string NormalizeKey(std::string_view key);
    // NormalizeKey, refusing a path that names no key (std::invalid_argument).
    static std::string CheckedKey(std::string_view key);

    // The value, or null when the key or the value is missing.
    const std::string* Find(std::string_view key, std::string_view name) const;
    // Creates the key (an empty key is a valid registry key) and returns its values.
    Values& Key(std::string_view key);
    void Set(std::string_view key, std::string_view name, std::string_view value);
    // Removes the key and every key below it; returns whether anything was removed.
    bool DeleteTree(std::string_view key);
    // Names of the keys directly below `key` (also keys that exist only as parents), sorted.
    std::vector<std::string> SubKeys(std::string_view key) const;

    // Normalized key paths in order, each with its values.
    const std::map<std::string, Values, NoCaseLess>& Keys() const { return m_keys; }

    bool operator==(const Tree& other) const = default;

private:
    std::map<std::string, Values, NoCaseLess> m_keys;
};

}  // namespace settings
