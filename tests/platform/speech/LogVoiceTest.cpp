#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/speech/DispatcherVoice.h"
#include "platform/speech/EspeakEngine.h"
#include "platform/speech/LogVoice.h"
#include "platform/speech/Voice.h"
#include "tests/support/TempFolder.h"

namespace {

using speech::CreateVoice;
using speech::Reader;
using testing_support::ReadFile;
using testing_support::TempFolder;

TEST(LogVoice, BothReadersAppendOneEscapedLinePerCall) {
    TempFolder folder;
    const auto log = folder / "speech.log";
    setenv("VENTRA_SPEECH", ("log:" + log.string()).c_str(), 1);
    auto jfw = CreateVoice(Reader::Jfw);
    auto we = CreateVoice(Reader::We);
    jfw->Say("Press f2 for help. ");
    EXPECT_EQ(ReadFile(log), "speak\tJFW\tPress f2 for help. \n");  // written at once
    we->Stop();
    we->Say("Line one\r\nTab\there back\\slash");
    jfw->Say("");
    jfw->Stop();
    EXPECT_EQ(ReadFile(log),
              "speak\tJFW\tPress f2 for help. \n"
              "stop\tWE\n"
              "speak\tWE\tLine one\\r\\nTab\\there back\\\\slash\n"
              "speak\tJFW\t\n"
              "stop\tJFW\n");
}

TEST(LogVoice, AnnouncementsHaveLinesOfTheirOwn) {
    TempFolder folder;
    const auto log = folder / "speech.log";
    setenv("VENTRA_SPEECH", ("log:" + log.string()).c_str(), 1);
    auto we = CreateVoice(Reader::We);
    we->Say("Hi. ");
    we->Announce("Hit button\tnow");
    EXPECT_EQ(ReadFile(log), "speak\tWE\tHi. \nannounce\tWE\tHit button\\tnow\n");
}

TEST(LogVoice, AnUnwritableLogIsAnError) {
    setenv("VENTRA_SPEECH", "log:/proc/ventra-no-such-folder/speech.log", 1);
    EXPECT_THROW(CreateVoice(Reader::Jfw), speech::Error);
}

TEST(CreateVoice, NoneIsSilentAndUnknownSettingsAreRefused) {
    setenv("VENTRA_SPEECH", "none", 1);
    auto voice = CreateVoice(Reader::We);
    voice->Say("nothing");
    voice->Stop();
    for (const char* bad : {"log:", "loud", "None"}) {
        setenv("VENTRA_SPEECH", bad, 1);
        EXPECT_THROW(CreateVoice(Reader::Jfw), speech::Error) << bad;
    }
}

TEST(RecordingVoice, HandsCallsToTheSinkOrFailsLikeAMissingService) {
    std::vector<std::string> calls;
    speech::RecordingVoice voice([&](speech::RecordingVoice::Call call, std::string_view text) {
        calls.push_back((call == speech::RecordingVoice::Call::Say ? "say:" : "stop:") +
                        std::string(text));
    });
    voice.Say("one");
    voice.Stop();
    voice.Fail(true);
    try {
        voice.Say("lost");
        FAIL();
    } catch (const speech::Error& e) {
        EXPECT_STREQ(e.what(), "Speech service unavailable");
    }
    EXPECT_THROW(voice.Stop(), speech::Error);
    voice.Fail(false);
    voice.Say("two");
    EXPECT_EQ(calls, (std::vector<std::string>{"say:one", "stop:", "say:two"}));
}

TEST(LogVoice, TheRateIsWrittenAsItsOwnLine) {
    TempFolder folder;
    const auto log = folder / "speech.log";
    setenv("VENTRA_SPEECH", ("log:" + log.string()).c_str(), 1);
    auto we = CreateVoice(Reader::We);
    we->SetRate(60);
    we->Say("faster");
    EXPECT_EQ(ReadFile(log), "rate\tWE\t60\nspeak\tWE\tfaster\n");
    setenv("VENTRA_SPEECH", "none", 1);
    CreateVoice(Reader::Jfw)->SetRate(10);
}

TEST(RecordingVoice, HandsTheRateOverInDigitsOrFails) {
    std::vector<std::string> rates;
    speech::RecordingVoice voice([&](speech::RecordingVoice::Call call, std::string_view text) {
        if (call == speech::RecordingVoice::Call::Rate) {
            rates.emplace_back(text);
        }
    });
    voice.SetRate(0);
    voice.SetRate(100);
    voice.Fail(true);
    EXPECT_THROW(voice.SetRate(50), speech::Error);
    EXPECT_EQ(rates, (std::vector<std::string>{"0", "100"}));
}

TEST(SpeechRate, PercentMapsOntoEachBackEndsRange) {
    EXPECT_EQ(speech::DispatcherRate(speech::RatePercent::kSlowest), -100);
    EXPECT_EQ(speech::DispatcherRate(speech::RatePercent::kUsual), 0);
    EXPECT_EQ(speech::DispatcherRate(60), 20);
    EXPECT_EQ(speech::DispatcherRate(speech::RatePercent::kFastest), 100);
    EXPECT_EQ(speech::DispatcherRate(-5), -100);
    EXPECT_EQ(speech::DispatcherRate(300), 100);
    EXPECT_EQ(speech::WordsPerMinute(speech::RatePercent::kSlowest), 80);
    EXPECT_EQ(speech::WordsPerMinute(speech::RatePercent::kUsual), 175);
    EXPECT_EQ(speech::WordsPerMinute(speech::RatePercent::kFastest), 450);
    EXPECT_EQ(speech::WordsPerMinute(-1), 80);
    EXPECT_EQ(speech::WordsPerMinute(101), 450);
    EXPECT_LT(speech::WordsPerMinute(49), speech::WordsPerMinute(50));
    EXPECT_GT(speech::WordsPerMinute(51), speech::WordsPerMinute(50));
}

TEST(RecordingVoice, AnnouncementsAreCallsOfTheirOwn) {
    std::vector<speech::RecordingVoice::Call> calls;
    speech::RecordingVoice voice(
        [&](speech::RecordingVoice::Call call, std::string_view) { calls.push_back(call); });
    voice.Announce("Stakes list");
    voice.Say("Hi. ");
    EXPECT_EQ(calls,
              (std::vector<speech::RecordingVoice::Call>{speech::RecordingVoice::Call::Announce,
                                                         speech::RecordingVoice::Call::Say}));
    voice.Fail(true);
    EXPECT_THROW(voice.Announce("lost"), speech::Error);
}

}  // namespace
