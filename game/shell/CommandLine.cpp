#include "game/shell/CommandLine.h"

namespace game {

namespace {

constexpr std::string_view kSelfVoicing = "--self-voicing=";

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& args) {
    CommandLine result;
    auto invalid = [&result](std::string error) {
        result.mode = RunMode::Invalid;
        result.error = std::move(error);
        return result;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.mode = RunMode::Help;
            return result;
        }
        if (arg == "--version") {
            result.mode = RunMode::Version;
            return result;
        }
        if (arg == "--headless") {
            result.mode = RunMode::Headless;
        } else if (arg == "--script") {
            if (i + 1 == args.size()) {
                return invalid("--script needs a file name");
            }
            result.script = std::filesystem::path(args[++i]);
        } else if (arg.substr(0, kSelfVoicing.size()) == kSelfVoicing) {
            result.selfVoicing = ParseSelfVoicingMode(arg.substr(kSelfVoicing.size()));
            if (!result.selfVoicing) {
                return invalid("--self-voicing must be on, off or auto");
            }
        } else {
            return invalid("unknown argument " + std::string(arg));
        }
    }
    if (result.script && result.mode != RunMode::Headless) {
        return invalid("--script works only with --headless");
    }
    return result;
}

std::string UsageText() {
    return "Usage: ventra [--headless [--script FILE]] [--self-voicing=on|off|auto] [--help]\n"
           "              [--version]\n"
           "\n"
           "Ventrelle, a blackjack game played from the keyboard and heard through speech.\n"
           "\n"
           "  (no arguments)     play in a window\n"
           "  --headless         run the game without a window: a script (standard input, or\n"
           "                     FILE with --script) drives it and a JSON Lines trace of what\n"
           "                     it shows and says goes to standard output\n"
           "  --script FILE      read the headless script from FILE\n"
           "  --self-voicing=on|off|auto\n"
           "                     whether the game itself says what a screen reader would (the\n"
           "                     window titles, the focused control, list entries, message\n"
           "                     boxes and menu entries): on, off, or auto (the default: only\n"
           "                     while no screen reader runs); wins over the stored choice\n"
           "  --help             show this text\n"
           "  --version          show the version\n"
           "\n"
           "Keys at the table: F2 speaks the keys of your screen reader's map, F3 your stakes,\n"
           "F8 the coach's best play (F8 again: the figures of every play). F8 in the stakes\n"
           "and bet lists gives the next hand's worth; F1 opens the help topics.\n"
           "\n"
           "VENTRA_SPEECH=log:FILE writes every spoken text to FILE instead of speaking it;\n"
           "VENTRA_SPEECH=none keeps the game silent.\n"
           "\n"
           "In every window: F4 says the last text again, F5 and F6 go back and forth through\n"
           "the last 100 texts, F7 tells how this game is going, and Control alone silences\n"
           "the game's speech. The Options menu (Alt+O) sets the speech rate, the sounds and the\n"
           "coach's warning; Game, Statistics... shows this game's and all-time figures.\n";
}

std::string VersionText() {
    return "ventra " VENTRA_VERSION;
}

}  // namespace game
