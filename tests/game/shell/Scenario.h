// Runs the game on the headless back end in-process: a script in, trace lines out, with the
// per-user settings in a temporary XDG_CONFIG_HOME that goes away with the scenario.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/shell/Game.h"

namespace game::test {

class Scenario {
public:
    Scenario();
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    const std::filesystem::path& Folder() const { return m_folder; }
    std::filesystem::path StoreFile() const;
    // Writes the store file's raw bytes.
    void WriteStoreFile(std::string_view content) const;

    // Runs the script; `start` runs the program entry, or `entry` when given. The game is kept
    // until the next run, for checks after the script.
    int Run(const std::string& script, const std::function<void(Game&)>& entry = {},
            std::uint64_t clock = 0);

    const std::vector<std::string>& Lines() const { return m_lines; }
    // The trace lines whose "ev" is `ev`.
    std::vector<std::string> Events(std::string_view ev) const;
    Game& LastGame();

private:
    struct Session;
    std::filesystem::path m_folder;
    std::string m_oldConfigHome;
    bool m_hadConfigHome = false;
    std::vector<std::string> m_lines;
    std::unique_ptr<Session> m_session;
};

// The trace lines that every start with a stored reader begins with, up to the timer's arming.
std::vector<std::string> StartLines();

// Appends `more` to `lines`.
std::vector<std::string> Concat(std::vector<std::string> lines,
                                const std::vector<std::string>& more);

}  // namespace game::test
