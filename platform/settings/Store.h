// The per-user hierarchical settings store (the registry stand-in): keys are paths such as
// "Ventrelle/StartUp", each holding named string values. Backed by one file, written atomically.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

class Store {
public:
    // The store in $XDG_CONFIG_HOME (default ~/.config)/ventrelle/registry.ini.
    static std::filesystem::path DefaultPath();

    explicit Store(std::filesystem::path file);

    // The value, or nothing when the key or value is missing. A damaged or unreadable file reads
    // as empty.
    std::optional<std::string> Get(std::string_view key, std::string_view name) const;
    // Writes one value: re-reads the file under a lock, changes it, writes a temporary file and
    // renames it over the old one. Throws std::system_error when the file cannot be written.
    void Set(std::string_view key, std::string_view name, std::string_view value);
    // Removes a key, its values and every key below it. Missing keys are not an error.
    void DeleteTree(std::string_view key);
    // Names of the keys directly below `key`.
    std::vector<std::string> SubKeys(std::string_view key) const;

    // Called after every successful Set (the headless trace shows settings writes).
    std::function<void(std::string_view key, std::string_view name, std::string_view value)>
        onWrite;

    const std::filesystem::path& File() const { return m_file; }

private:
    std::filesystem::path m_file;
};

// The application settings of the game: GetSetting/SaveSetting over the store, under the key
// "<app>/<section>".
std::string GetSetting(const Store& store, std::string_view app, std::string_view section,
                       std::string_view key, std::string_view defaultValue);
void SaveSetting(Store& store, std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value);

}  // namespace settings
