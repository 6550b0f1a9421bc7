// The game on the headless back end: the game's script commands (setting, seed, deck, speech),
// speech reported to the trace, and the state that `dump` shows.
#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>

#include "game/shell/Game.h"
#include "platform/ui/headless/HeadlessBackend.h"

namespace game {

class HeadlessGame {
public:
    // The settings live in `storeFile`.
    HeadlessGame(ui::HeadlessBackend& backend, const std::filesystem::path& storeFile);

    // Runs the script; `start` runs the program entry. Returns the exit status.
    int Run();
    // The same with another entry, for tests of single operations.
    int Run(const std::function<void()>& entry);

    Game& GetGame() { return m_game; }

private:
    VoiceFactory RecordingVoices();
    void AddCommands();

    ui::HeadlessBackend& m_backend;
    settings::Store m_store;
    bool m_speechFails = false;
    Game m_game;
};

// `ventra --headless`: the script from `script`, the trace to `trace`. A trace that cannot be
// written ends the run with status 1 and the reason on standard error. `selfVoicing` is the
// command line's choice, when it made one.
int RunHeadless(std::istream& script, std::ostream& trace,
                const std::filesystem::path& programFolder, const std::filesystem::path& storeFile,
                std::optional<SelfVoicingMode> selfVoicing);

}  // namespace game
