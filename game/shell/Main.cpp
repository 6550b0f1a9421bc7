// The ventra program: windowed play, or the headless mode driven by a script.
#include <exception>
#include <fstream>
#include <iostream>
#include <string_view>
#include <vector>

#include "game/shell/CommandLine.h"
#include "game/shell/HeadlessGame.h"
#include "game/shell/Program.h"
#include "platform/files/ProgramFolder.h"
#include "platform/settings/Store.h"
#include "platform/ui/wx/WxBackend.h"

namespace {

int RunWindowed(int& argc, char** argv) {
    std::unique_ptr<ui::Backend> backend = ui::CreateWxBackend(argc, argv);
    if (!backend) {
        // The back end has said in one line why there is no window, and pointed to --headless.
        return 1;
    }
    return game::PlayWindowed(*backend, settings::Store::DefaultPath());
}

int RunHeadless(const game::CommandLine& commandLine) {
    const std::filesystem::path storeFile = settings::Store::DefaultPath();
    if (!commandLine.script) {
        return game::RunHeadless(std::cin, std::cout, files::ProgramFolder(), storeFile);
    }
    std::ifstream script(*commandLine.script);
    if (!script) {
        std::cerr << "ventra: cannot read the script " << *commandLine.script << '\n';
        return 2;
    }
    return game::RunHeadless(script, std::cout, files::ProgramFolder(), storeFile);
}

}  // namespace

int main(int argc, char** argv) {
    const game::CommandLine commandLine =
        game::ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    try {
        switch (commandLine.mode) {
            case game::RunMode::Help:
                std::cout << game::UsageText();
                return 0;
            case game::RunMode::Version:
                std::cout << game::VersionText() << '\n';
                return 0;
            case game::RunMode::Invalid:
                std::cerr << "ventra: " << commandLine.error << '\n' << game::UsageText();
                return 2;
            case game::RunMode::Headless:
                return RunHeadless(commandLine);
            case game::RunMode::Windowed:
                return RunWindowed(argc, argv);
        }
    } catch (const std::exception& error) {
        // A failure while starting up stops the program.
        std::cerr << "ventra: " << error.what() << '\n';
    }
    return 1;
}
