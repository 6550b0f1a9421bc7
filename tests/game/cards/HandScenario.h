// Scenario helpers for whole hands on the headless back end: a quiet wave control in place of the
// real one (every sound still shows as a `sound` event), scripts that start the game with JAWS
// stored and a stacked deck, and ways to pick trace lines out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {

using Lines = std::vector<std::string>;

// Gives the main window a control that plays every sound at once and without a fault.
void AttachQuietControl(Game& game);

// The script up to the stakes frame at 2000 ms: JAWS stored, the deck stacked with `deck`.
std::string StartScript(const std::vector<int>& deck);

// StartScript, then $1000 staked and the bet list's entry `betEntry` bet at 2000 ms; the deal,
// its shuffle and an offer of insurance are over at 6000 ms, where `play` begins.
std::string HandScript(const std::vector<int>& deck, const std::string& play, int betEntry = 0);

// Runs the program (JAWS, quiet sounds); `prepare` runs once the window is up.
int RunGame(Scenario& scenario, const std::string& script,
            const std::function<void(Game&)>& prepare = {});

// The lines from the first one that contains `marker` up to (not including) the first later line
// that contains `until`, or to the end.
Lines Between(const Lines& lines, const std::string& marker, const std::string& until = "");

// The index of the first line containing `marker`, or the number of lines.
std::size_t IndexOf(const Lines& lines, const std::string& marker, std::size_t from = 0);

}  // namespace game::test
