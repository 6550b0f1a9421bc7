// The game on the headless back end in-process, played live: each script line is asked for only
// when the game reads it, and each trace line is handed over as soon as it is written, so that a
// test can answer what it sees.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "game/shell/HeadlessGame.h"
#include "tests/game/shell/Scenario.h"
#include "tests/support/LineStreams.h"

namespace game::test {

class LiveGame {
public:
    using NextLine = std::function<std::optional<std::string>()>;
    using OnLine = std::function<void(const std::string&)>;

    // Plays in the scenario's folder and settings store.
    LiveGame(Scenario& scenario, NextLine next, OnLine onLine)
        : m_source(std::move(next)),
          m_sink(std::move(onLine)),
          m_script(&m_source),
          m_trace(&m_sink),
          m_backend(m_script, m_trace, scenario.Folder()),
          m_game(m_backend, scenario.StoreFile()) {}

    // Runs the script, `entry` at its `start`; returns the exit status.
    int Run(const std::function<void()>& entry) { return m_game.Run(entry); }
    Game& GetGame() { return m_game.GetGame(); }

private:
    testing_support::LineSource m_source;
    testing_support::LineSink m_sink;
    std::istream m_script;
    std::ostream m_trace;
    ui::HeadlessBackend m_backend;
    HeadlessGame m_game;
};

}  // namespace game::test
