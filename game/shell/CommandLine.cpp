#include "game/shell/CommandLine.h"

namespace game {

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
    return "Usage: ventra [--headless [--script FILE]] [--help] [--version]\n"
           "\n"
           "Ventrelle, a blackjack game played from the keyboard and heard through speech.\n"
           "\n"
           "  (no arguments)     play in a window\n"
           "  --headless         run the game without a window: a script (standard input, or\n"
           "                     FILE with --script) drives it and a JSON Lines trace of what\n"
           "                     it shows and says goes to standard output\n"
           "  --script FILE      read the headless script from FILE\n"
           "  --help             show this text\n"
           "  --version          show the version\n"
           "\n"
           "Keys at the table: F2 speaks the keys of your screen reader's map, F3 your stakes,\n"
           "F8 the coach's best play (F8 again: the figures of every play). F8 in the stakes\n"
           "and bet lists gives the next hand's worth; F1 opens the help topics.\n"
           "\n"
           "VENTRA_SPEECH=log:FILE writes every spoken text to FILE instead of speaking it;\n"
           "VENTRA_SPEECH=none keeps the game silent.\n";
}

std::string VersionText() {
    return "ventra " VENTRA_VERSION;
}

}  // namespace game
