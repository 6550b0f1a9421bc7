// The per-user hierarchical settings store (the registry stand-in): keys are paths such as
// "Ventrelle/StartUp", each holding named string values. Backed by one file, written atomically.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings {

class Tree;
struct LoadedStore;

// Key paths are separated by "/" (empty components are ignored); key components and value names
// compare ignoring ASCII case, as registry names do. The value name "" is the key's default
// value. Values are any byte strings. The file format is described in Format.h.
class Store {
public:
    // The store in $XDG_CONFIG_HOME (default ~/.config)/ventrelle/registry.ini.
    static std::filesystem::path DefaultPath();

    explicit Store(std::filesystem::path file);

    // The value, or nothing when the key or value is missing. A damaged or unreadable file reads
    // as empty (reported once on stderr); never throws for a bad file, never waits on one.
    std::optional<std::string> Get(std::string_view key, std::string_view name) const;
    // Writes one value: re-reads the file under a lock, changes it, writes a temporary file and
    // renames it over the old one. A damaged file is first moved aside to "<file>.damaged" (or
    // "<file>.damaged-2", -3...: earlier copies are kept). Throws std::system_error when the
    // file cannot be written, when it cannot be read (it is kept as it is), or when another
    // program holds the lock for longer than lockWait; std::invalid_argument for an empty key
    // path.
    void Set(std::string_view key, std::string_view name, std::string_view value);
    // Set for several values of one key, written in one go; onWrite is called for each.
    using NamedValue = std::pair<std::string, std::string>;
    void SetValues(std::string_view key, const std::vector<NamedValue>& values);
    // Removes a key, its values and every key below it. Missing keys are not an error.
    void DeleteTree(std::string_view key);
    // Names of the keys directly below `key` ("" for the top level), sorted.
    std::vector<std::string> SubKeys(std::string_view key) const;

    // Called after every successful Set (the headless trace shows settings writes).
    std::function<void(std::string_view key, std::string_view name, std::string_view value)>
        onWrite;
    // Called with the written and synced temporary file just before it replaces the store; tests
    // use it to interrupt a write at the worst moment.
    std::function<void(const std::filesystem::path& temporary)> beforeReplace;

    const std::filesystem::path& File() const { return m_file; }

    // How long a write waits for the lock another program holds before it fails.
    std::chrono::milliseconds lockWait{2000};

private:
    Tree Load() const;
    void ReportProblem(const LoadedStore& loaded) const;
    // Runs `change` on the current content under the lock and writes the result when it says so.
    void Modify(const std::function<bool(Tree&)>& change);

    std::filesystem::path m_file;
    // Shared by copies of the store, so a bad file is reported once, not at every read.
    std::shared_ptr<std::atomic<bool>> m_problemReported;
};

// The application settings of the game: GetSetting/SaveSetting over the store, under the key
// "<app>/<section>".
std::string GetSetting(const Store& store, std::string_view app, std::string_view section,
                       std::string_view key, std::string_view defaultValue);
void SaveSetting(Store& store, std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value);

}  // namespace settings
