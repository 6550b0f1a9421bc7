// The ventra program itself: --help and --version without a display, the one-line refusal to
// start windowed without one, and a headless run from a script file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/ui/headless/ScriptReader.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs ventra with `args` (shell redirections of its output may follow them) and no display;
// standard input as `input` says, stderr kept in a file of the scenario.
Outcome RunVentra(const Scenario& scenario, const std::string& args,
                  const std::string& input = "</dev/null") {
    const std::filesystem::path errFile = scenario.Folder() / "stderr.txt";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY '" VENTRA_BINARY "' " + args +
                                " " + input + " 2>'" + errFile.string() + "'";
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

// A script that cannot be read, or that never ends its first line, is an error, not an empty
// script: one `error` line and status 2.
TEST(Program, HeadlessScriptThatCannotBeReadIsAnError) {
    Scenario scenario;
    const Outcome folder =
        RunVentra(scenario, "--headless --script '" + scenario.Folder().string() + "'");
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.out,
              R"({"t":0,"ev":"error","text":"the script cannot be read: Is a directory"})"
              "\n");
    const Outcome endless = RunVentra(scenario, "--headless --script /dev/zero");
    EXPECT_EQ(endless.status, 2);
    EXPECT_EQ(endless.out, R"({"t":0,"ev":"error","text":"line 1: the line is longer than )" +
                               std::to_string(ui::kMaxScriptLineBytes) + " bytes\"}\n");
    const Outcome closedInput = RunVentra(scenario, "--headless", "<&-");
    EXPECT_EQ(closedInput.status, 2);
    EXPECT_NE(closedInput.err.find("cannot read the script"), std::string::npos) << closedInput.err;
}

// A trace that cannot be written (a full disk, a closed output) is not a success: status 1 and
// the reason on standard error.
TEST(Program, HeadlessTraceThatCannotBeWrittenFails) {
    Scenario scenario;
    const std::filesystem::path script = scenario.Folder() / "script.txt";
    std::ofstream(script) << "setting Ventrelle StartUp Reader \"JFW\"\nstart\nwait 3000\n";
    const std::string run = "--headless --script '" + script.string() + "'";
    const Outcome full = RunVentra(scenario, run + " >/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "ventra: cannot write the trace: No space left on device\n");
    const Outcome closed = RunVentra(scenario, run + " >&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.err, "ventra: cannot write the trace: standard output is closed\n");
    EXPECT_NE(RunVentra(scenario, "--help >/dev/full").status, 0);
    EXPECT_NE(RunVentra(scenario, "--version >&-").status, 0);
}

// Stray bytes from a script or a stored setting never make a trace line that is not UTF-8.
TEST(Program, HeadlessTraceIsUtf8WhateverTheScriptHolds) {
    Scenario scenario;
    const std::filesystem::path script = scenario.Folder() / "script.txt";
    std::ofstream(script) << "setting Ventrelle StartUp Reader \"caf\xe9\"\nstart\ndump\n"
                             "key \xff\n";
    const Outcome outcome = RunVentra(scenario, "--headless --script '" + script.string() + "'");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.out.find("\"ScreenReader\":\"caf\xef\xbf\xbd\""), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("unknown key \\\"\xef\xbf\xbd\\\""), std::string::npos)
        << outcome.out;
    EXPECT_EQ(outcome.out.find('\xe9'), std::string::npos);
    EXPECT_EQ(outcome.out.find('\xff'), std::string::npos);
}

}  // namespace
}  // namespace game::test
