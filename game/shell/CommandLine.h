// The program's command line: windowed play, headless mode with an optional script, help and
// version.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/access/SelfVoicing.h"

namespace game {

enum class RunMode { Windowed, Headless, Help, Version, Invalid };

struct CommandLine {
    RunMode mode = RunMode::Windowed;
    // Headless: the script file; standard input when empty.
    std::optional<std::filesystem::path> script;
    // --self-voicing=on|off|auto; nothing leaves it to the settings store.
    std::optional<SelfVoicingMode> selfVoicing;
    // Invalid: what is wrong.
    std::string error;
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const std::vector<std::string_view>& args);

// The text --help prints.
std::string UsageText();
// The text --version prints: "ventra " and the version.
std::string VersionText();

}  // namespace game
