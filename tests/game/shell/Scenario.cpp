#include "tests/game/shell/Scenario.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "game/shell/HeadlessGame.h"
#include "game/shell/StartUp.h"

namespace game::test {

struct Scenario::Session {
    std::istringstream script;
    std::ostringstream trace;
    ui::HeadlessBackend backend;
    HeadlessGame game;

    Session(const std::string& text, const std::filesystem::path& folder,
            const std::filesystem::path& store)
        : script(text), backend(script, trace, folder), game(backend, store) {}
};

Scenario::Scenario() {
    std::random_device random;
    m_folder = std::filesystem::temp_directory_path() /
               ("ventra-game-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_folder / "config");
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        m_hadConfigHome = true;
        m_oldConfigHome = old;
    }
    ::setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
}

Scenario::~Scenario() {
    m_session.reset();
    if (m_hadConfigHome) {
        ::setenv("XDG_CONFIG_HOME", m_oldConfigHome.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::filesystem::path Scenario::StoreFile() const {
    return settings::Store::DefaultPath();
}

void Scenario::WriteStoreFile(std::string_view content) const {
    std::filesystem::create_directories(StoreFile().parent_path());
    std::ofstream(StoreFile(), std::ios::binary) << content;
}

int Scenario::Run(const std::string& script, const std::function<void(Game&)>& entry,
                  std::uint64_t clock) {
    m_session.reset();
    m_session = std::make_unique<Session>(script, m_folder, StoreFile());
    m_session->backend.SetClock(clock);
    Game& game = m_session->game.GetGame();
    const int status = entry ? m_session->game.Run([&] { entry(game); }) : m_session->game.Run();
    m_lines.clear();
    std::istringstream trace(m_session->trace.str());
    for (std::string line; std::getline(trace, line);) {
        m_lines.push_back(line);
    }
    return status;
}

std::vector<std::string> Scenario::Events(std::string_view ev) const {
    const std::string marker = "\"ev\":\"" + std::string(ev) + "\"";
    std::vector<std::string> found;
    for (const std::string& line : m_lines) {
        if (line.find(marker) != std::string::npos) {
            found.push_back(line);
        }
    }
    return found;
}

Game& Scenario::LastGame() {
    if (!m_session) {
        throw std::logic_error("no scenario has run");
    }
    return m_session->game.GetGame();
}

std::vector<std::string> StartLines() {
    return {
        R"({"t":0,"ev":"visible","control":"Sonivel1","value":false})",
        R"({"t":0,"ev":"form","name":"GameScreen","state":"shown"})",
        R"({"t":0,"ev":"timer","name":"tmrBeginGame","enabled":true})",
    };
}

std::vector<std::string> Concat(std::vector<std::string> lines,
                                const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

}  // namespace game::test
