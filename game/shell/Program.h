// Playing the game on a windowed back end, from the start-up to the end of the program.
#pragma once

#include <filesystem>
#include <optional>

#include "game/access/SelfVoicing.h"
#include "platform/ui/Backend.h"

namespace game {

// Runs the start-up and the main loop until the program ends; returns the exit status. The
// settings live in `storeFile`; speech goes to the real readers (or as VENTRA_SPEECH says).
// `selfVoicing` is the command line's choice, when it made one.
int PlayWindowed(ui::Backend& backend, const std::filesystem::path& storeFile,
                 std::optional<SelfVoicingMode> selfVoicing);

}  // namespace game
