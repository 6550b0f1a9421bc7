#include <gtest/gtest.h>

#include <string>

#include "platform/mci/Command.h"

namespace {

using mci::Command;
using mci::ParseCommand;
using mci::Verb;

struct Refusal {
    const char* text;
    mci::ErrorCode error;
};

class RefusedCommands : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedCommands, GiveTheirErrorNumber) {
    EXPECT_EQ(ParseCommand(GetParam().text).error, GetParam().error) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedCommands,
    testing::Values(Refusal{"", mci::ErrUnrecognizedCommand},
                    Refusal{"   ", mci::ErrUnrecognizedCommand},
                    Refusal{"dance 1 wait", mci::ErrUnrecognizedCommand},
                    Refusal{"play", mci::ErrMissingDeviceName},
                    Refusal{"open  alias 1 type waveaudio wait", mci::ErrFileNotFound},
                    Refusal{"open \"/tmp/a b.wav alias 1", mci::ErrNoClosingQuote},
                    Refusal{"open x.wav alias 1 type cdaudio", mci::ErrInvalidDeviceName},
                    Refusal{"open x.wav alias all", mci::ErrInvalidDeviceName},
                    Refusal{"play 1 from", mci::ErrMissingParameter},
                    Refusal{"play 1 from ten", mci::ErrBadInteger},
                    Refusal{"play 1 to 12x", mci::ErrBadInteger},
                    Refusal{"play 1 from 4294967296", mci::ErrBadInteger},
                    Refusal{"play 1 from --1", mci::ErrBadInteger},
                    Refusal{"play 1 loudly", mci::ErrUnrecognizedKeyword},
                    Refusal{"stop 1 from 0", mci::ErrUnrecognizedKeyword},
                    Refusal{"status 1", mci::ErrMissingParameter},
                    Refusal{"status 1 colour", mci::ErrUnrecognizedKeyword},
                    Refusal{"set 1 time format frames", mci::ErrBadTimeFormat},
                    Refusal{"set 1 time", mci::ErrMissingParameter},
                    Refusal{"set 1 speed 2", mci::ErrUnrecognizedKeyword},
                    Refusal{"seek 1 wait", mci::ErrUnrecognizedKeyword},
                    Refusal{"seek 1 to", mci::ErrMissingParameter},
                    Refusal{"save 1 wait", mci::ErrFilenameRequired},
                    Refusal{"save 1 \"/tmp/x.wav wait", mci::ErrNoClosingQuote},
                    Refusal{"save 1 \"/tmp/x.wav\" loudly", mci::ErrUnrecognizedKeyword},
                    Refusal{"open \"\" alias 1", mci::ErrFileNotFound}));

TEST(CommandParser, OpenTakesKeywordsFromTheEndSoNamesMayHoldSpaces) {
    const auto parsed =
        ParseCommand("open /tmp/my  sounds/hit wait.wav alias 12 type waveaudio wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.verb, Verb::Open);
    EXPECT_EQ(parsed.command.file, "/tmp/my  sounds/hit wait.wav");
    EXPECT_EQ(parsed.command.device, "12");
    EXPECT_TRUE(parsed.command.wait);
    EXPECT_FALSE(parsed.command.notify);
}

TEST(CommandParser, OpenAcceptsQuotedNamesAndDefaultsTheAliasToTheName) {
    auto parsed = ParseCommand("OPEN \"/tmp/a alias b.wav\" ALIAS Snd Type WaveAudio");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.file, "/tmp/a alias b.wav");
    EXPECT_EQ(parsed.command.device, "Snd");

    parsed = ParseCommand("open /tmp/x.wav");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.device, "/tmp/x.wav");
}

TEST(CommandParser, RunsOfSpacesFromEmptyPiecesAreOneSeparator) {
    auto parsed = ParseCommand("play 1   notify ");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.verb, Verb::Play);
    EXPECT_EQ(parsed.command.device, "1");
    EXPECT_FALSE(parsed.command.from.has_value());
    EXPECT_FALSE(parsed.command.to.has_value());
    EXPECT_TRUE(parsed.command.notify);
    EXPECT_FALSE(parsed.command.wait);

    parsed = ParseCommand("play 1 from 0 to 10 notify wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.from, 0);
    EXPECT_EQ(parsed.command.to, 10);
    EXPECT_TRUE(parsed.command.notify);
    EXPECT_TRUE(parsed.command.wait);
}

TEST(CommandParser, NegativeNumbersReachTheDeviceForItsRangeCheck) {
    const auto parsed = ParseCommand("delete 3 from -1  wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.verb, Verb::Delete);
    EXPECT_EQ(parsed.command.from, -1);
    EXPECT_FALSE(parsed.command.to.has_value());
}

TEST(CommandParser, StatusSetAndSeekItems) {
    auto parsed = ParseCommand("status 1 samplespersec wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.statusItem, mci::StatusItem::SamplesPerSec);

    parsed = ParseCommand("set 1 time format ms wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.timeFormat, mci::TimeFormat::Milliseconds);

    parsed = ParseCommand("seek 1 to end wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.seekTarget, mci::SeekTarget::End);

    parsed = ParseCommand("seek 1 to 250 wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.seekTarget, mci::SeekTarget::Position);
    EXPECT_EQ(parsed.command.to, 250);
}

TEST(CommandParser, SaveTakesTheRestAsTheFileName) {
    auto parsed = ParseCommand("save 2 /tmp/out  file.wav wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.file, "/tmp/out  file.wav");
    EXPECT_TRUE(parsed.command.wait);

    parsed = ParseCommand("save 2 \"/tmp/q.wav\"");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.file, "/tmp/q.wav");
}

TEST(CommandParser, CloseAll) {
    const auto parsed = ParseCommand("close all wait");
    ASSERT_EQ(parsed.error, mci::Ok);
    EXPECT_EQ(parsed.command.verb, Verb::Close);
    EXPECT_EQ(parsed.command.device, "all");
}

}  // namespace
