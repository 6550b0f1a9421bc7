// The ventra program: windowed play, or the headless mode driven by a script.
#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

#include "game/shell/CommandLine.h"
#include "game/shell/HeadlessGame.h"
#include "game/shell/Program.h"
#include "platform/files/ProgramFolder.h"
#include "platform/settings/Store.h"
#include "platform/ui/headless/FileInput.h"
#include "platform/ui/wx/WxBackend.h"

namespace {

int RunWindowed(const game::CommandLine& commandLine, int& argc, char** argv) {
    std::unique_ptr<ui::Backend> backend = ui::CreateWxBackend(argc, argv);
    if (!backend) {
        // The back end has said in one line why there is no window, and pointed to --headless.
        return 1;
    }
    return game::PlayWindowed(*backend, settings::Store::DefaultPath(), commandLine.selfVoicing);
}

// Writes `text` to standard output: 0, or 1 with the reason on standard error when it could not
// be written (a full disk, a closed output).
int Print(const std::string& text, const ui::ClosedStreams& closed) {
    if (closed.output) {
        std::cerr << "ventra: cannot write to standard output: it is closed\n";
        return 1;
    }
    errno = 0;
    std::cout << text << std::flush;
    if (!std::cout) {
        std::cerr << "ventra: cannot write to standard output: " << std::strerror(errno) << '\n';
        return 1;
    }
    return 0;
}

int RunHeadless(const game::CommandLine& commandLine, const ui::ClosedStreams& closed) {
    if (closed.output) {
        std::cerr << "ventra: cannot write the trace: standard output is closed\n";
        return 1;
    }
    std::unique_ptr<ui::FileInput> input;
    if (commandLine.script) {
        try {
            input = std::make_unique<ui::FileInput>(*commandLine.script);
        } catch (const std::system_error& error) {
            std::cerr << "ventra: cannot read the script " << *commandLine.script << ": "
                      << error.code().message() << '\n';
            return 2;
        }
    } else if (closed.input) {
        std::cerr << "ventra: cannot read the script: standard input is closed\n";
        return 2;
    } else {
        input = std::make_unique<ui::FileInput>();
    }
    std::istream script(input.get());
    return game::RunHeadless(script, std::cout, files::ProgramFolder(),
                             settings::Store::DefaultPath(), commandLine.selfVoicing);
}

}  // namespace

int main(int argc, char** argv) {
    const ui::ClosedStreams closed = ui::ReopenClosedStandardStreams();
    const game::CommandLine commandLine =
        game::ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    try {
        switch (commandLine.mode) {
            case game::RunMode::Help:
                return Print(game::UsageText(), closed);
            case game::RunMode::Version:
                return Print(game::VersionText() + '\n', closed);
            case game::RunMode::Invalid:
                std::cerr << "ventra: " << commandLine.error << '\n' << game::UsageText();
                return 2;
            case game::RunMode::Headless:
                return RunHeadless(commandLine, closed);
            case game::RunMode::Windowed:
                return RunWindowed(commandLine, argc, argv);
        }
    } catch (const std::exception& error) {
        // A failure while starting up stops the program.
        std::cerr << "ventra: " << error.what() << '\n';
    }
    return 1;
}
