// The ventra program itself: --help and --version without a display, the one-line refusal to
// start windowed without one, and a headless run from a script file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs ventra with `args` and no display; stderr is kept in a file of the scenario.
Outcome RunVentra(const Scenario& scenario, const std::string& args) {
    const std::filesystem::path errFile = scenario.Folder() / "stderr.txt";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY '" VENTRA_BINARY "' " + args +
                                " </dev/null 2>'" + errFile.string() + "'";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return outcome;
    }
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        outcome.out.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream err;
    err << std::ifstream(errFile).rdbuf();
    outcome.err = err.str();
    return outcome;
}

TEST(Program, VersionAndHelpNeedNoDisplay) {
    Scenario scenario;
    const Outcome version = RunVentra(scenario, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "ventra 1.0.0\n");
    const Outcome help = RunVentra(scenario, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: ventra [--headless [--script FILE]]", 0), 0u);
}

TEST(Program, WithoutADisplaySaysSoInOneLineAndPointsToHeadless) {
    Scenario scenario;
    const Outcome outcome = RunVentra(scenario, "");
    EXPECT_NE(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    ASSERT_FALSE(outcome.err.empty());
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_NE(outcome.err.find("ventra --headless"), std::string::npos);
}

TEST(Program, UnknownArgumentsAreRefused) {
    Scenario scenario;
    const Outcome outcome = RunVentra(scenario, "--windowed");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err.rfind("ventra: unknown argument --windowed\n", 0), 0u);
}

TEST(Program, HeadlessRunsAScriptFile) {
    Scenario scenario;
    const std::filesystem::path script = scenario.Folder() / "script.txt";
    std::ofstream(script) << "# a stored reader, then the first second\n"
                             "setting Ventrelle StartUp Reader \"JFW\"\n"
                             "start\n"
                             "wait 1000\n";
    const Outcome outcome = RunVentra(scenario, "--headless --script '" + script.string() + "'");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(
        outcome.out.find(R"({"t":1000,"ev":"speak","reader":"JFW","text":"Press f2 for help. "})"),
        std::string::npos)
        << outcome.out;
    EXPECT_EQ(RunVentra(scenario, "--headless --script '" + script.string() + "-missing'").status,
              2);
}

}  // namespace
}  // namespace game::test
