#include "platform/settings/Store.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "platform/settings/Format.h"
#include "platform/settings/StoreFile.h"
#include "platform/settings/Tree.h"

namespace settings {
namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    throw std::runtime_error("settings: cannot find the home folder (HOME is not set)");
}

}  // namespace

std::filesystem::path Store::DefaultPath() {
    std::filesystem::path config;
    // Relative XDG paths are invalid and must be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        config = xdg;
    } else {
        config = HomeFolder() / ".config";
    }
    return config / "ventrelle" / "registry.ini";
}

Store::Store(std::filesystem::path file)
    : m_file(std::move(file)), m_problemReported(std::make_shared<std::atomic<bool>>(false)) {}

void Store::ReportProblem(const LoadedStore& loaded) const {
    if (loaded.problem == StoreProblem::None || m_problemReported->exchange(true)) {
        return;
    }
    if (loaded.problem == StoreProblem::Unreadable) {
        std::fprintf(stderr, "settings: %s cannot be read (%s); it reads as empty and is kept\n",
                     m_file.c_str(), loaded.why.c_str());
    } else {
        std::fprintf(stderr, "settings: %s is damaged (%s); it reads as empty\n", m_file.c_str(),
                     loaded.why.c_str());
    }
}

Tree Store::Load() const {
    LoadedStore loaded = ReadStoreFile(m_file);
    ReportProblem(loaded);
    return std::move(loaded.tree);
}

std::optional<std::string> Store::Get(std::string_view key, std::string_view name) const {
    const Tree tree = Load();
    const std::string* value = tree.Find(key, name);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::vector<std::string> Store::SubKeys(std::string_view key) const {
    return Load().SubKeys(key);
}

void Store::Modify(const std::function<bool(Tree&)>& change) {
    StoreLock lock(m_file, lockWait);
    LoadedStore loaded = ReadStoreFile(m_file);
    ReportProblem(loaded);
    if (loaded.problem == StoreProblem::Unreadable) {
        // Unreadable is not damaged: what it holds may be sound, so it is neither moved nor
        // written over.
        throw std::system_error(loaded.error,
                                "settings: " + m_file.string() + " cannot be read; it is kept");
    }
    if (loaded.problem == StoreProblem::Damaged) {
        // Kept for the user to inspect instead of being overwritten.
        const std::filesystem::path aside = KeepDamaged(m_file);
        std::fprintf(stderr, "settings: the damaged store was kept as %s\n", aside.c_str());
    }
    RemoveStaleTemporaries(m_file);
    if (!change(loaded.tree)) {
        return;
    }
    const std::string content = FormatTree(loaded.tree);
    if (content.size() > kMaxStoreBytes) {
        throw std::system_error(
            std::make_error_code(std::errc::file_too_large),
            "settings: the store would grow beyond " + std::to_string(kMaxStoreBytes) + " bytes");
    }
    ReplaceFile(m_file, content, beforeReplace);
    // The file is sound again: a problem that comes later is news worth reporting.
    m_problemReported->store(false);
}

void Store::Set(std::string_view key, std::string_view name, std::string_view value) {
    Tree::CheckedKey(key);
    Modify([&](Tree& tree) {
        tree.Set(key, name, value);
        return true;
    });
    if (onWrite) {
        onWrite(key, name, value);
    }
}

void Store::SetValues(std::string_view key, const std::vector<NamedValue>& values) {
    Tree::CheckedKey(key);
    Modify([&](Tree& tree) {
        for (const auto& [name, value] : values) {
            tree.Set(key, name, value);
        }
        return !values.empty();
    });
    if (onWrite) {
        for (const auto& [name, value] : values) {
            onWrite(key, name, value);
        }
    }
}

void Store::DeleteTree(std::string_view key) {
    Tree::CheckedKey(key);
    Modify([&](Tree& tree) { return tree.DeleteTree(key); });
}

std::string GetSetting(const Store& store, std::string_view app, std::string_view section,
                       std::string_view key, std::string_view defaultValue) {
    std::string path = std::string(app) + "/" + std::string(section);
    return store.Get(path, key).value_or(std::string(defaultValue));
}

void SaveSetting(Store& store, std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value) {
    store.Set(std::string(app) + "/" + std::string(section), key, value);
}

}  // namespace settings
