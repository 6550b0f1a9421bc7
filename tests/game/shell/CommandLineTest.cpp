#include <gtest/gtest.h>

#include "game/shell/CommandLine.h"

namespace game {
namespace {

CommandLine Parse(std::vector<std::string_view> args) {
    return ParseCommandLine(args);
}

TEST(CommandLine, NoArgumentsPlaysInAWindow) {
    EXPECT_EQ(Parse({}).mode, RunMode::Windowed);
}

TEST(CommandLine, HeadlessReadsStandardInputOrAScript) {
    const CommandLine stdinRun = Parse({"--headless"});
    EXPECT_EQ(stdinRun.mode, RunMode::Headless);
    EXPECT_FALSE(stdinRun.script);
    const CommandLine fileRun = Parse({"--headless", "--script", "game.txt"});
    EXPECT_EQ(fileRun.mode, RunMode::Headless);
    EXPECT_EQ(fileRun.script, std::filesystem::path("game.txt"));
    EXPECT_EQ(Parse({"--script", "game.txt", "--headless"}).mode, RunMode::Headless);
}

TEST(CommandLine, HelpAndVersionWin) {
    EXPECT_EQ(Parse({"--headless", "--help"}).mode, RunMode::Help);
    EXPECT_EQ(Parse({"--version"}).mode, RunMode::Version);
    EXPECT_EQ(VersionText(), "ventra 1.0.0");
}

TEST(CommandLine, MistakesAreNamed) {
    const CommandLine unknown = Parse({"--fast"});
    EXPECT_EQ(unknown.mode, RunMode::Invalid);
    EXPECT_EQ(unknown.error, "unknown argument --fast");
    EXPECT_EQ(Parse({"--headless", "--script"}).error, "--script needs a file name");
    EXPECT_EQ(Parse({"--script", "x"}).error, "--script works only with --headless");
}

TEST(CommandLine, SelfVoicingIsChosenInWindowsAndHeadless) {
    EXPECT_FALSE(Parse({}).selfVoicing);
    EXPECT_EQ(Parse({"--self-voicing=on"}).selfVoicing, SelfVoicingMode::On);
    const CommandLine headless = Parse({"--headless", "--self-voicing=off"});
    EXPECT_EQ(headless.mode, RunMode::Headless);
    EXPECT_EQ(headless.selfVoicing, SelfVoicingMode::Off);
    EXPECT_EQ(Parse({"--self-voicing=auto"}).selfVoicing, SelfVoicingMode::Auto);
    for (const std::string_view wrong : {"--self-voicing=", "--self-voicing=yes"}) {
        const CommandLine invalid = Parse({wrong});
        EXPECT_EQ(invalid.mode, RunMode::Invalid) << wrong;
        EXPECT_EQ(invalid.error, "--self-voicing must be on, off or auto");
    }
    EXPECT_EQ(Parse({"--self-voicing"}).error, "unknown argument --self-voicing");
}

}  // namespace
}  // namespace game
