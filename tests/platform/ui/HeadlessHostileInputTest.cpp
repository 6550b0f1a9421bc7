// Scripts and outputs a careless or hostile user may hand the headless back end: a script that
// cannot be read or never ends its line, NUL and stray bytes in words, a clock pushed to its
// end, and a trace that cannot be written. Each ends the run with a clear status, never a hang.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <limits>
#include <streambuf>
#include <string>
#include <system_error>

#include "HeadlessHarness.h"
#include "platform/ui/headless/ScriptReader.h"

namespace ui {
namespace {

using test::Harness;
using test::MainForm;
using Lines = std::vector<std::string>;

// A script source whose next read fails, as reading a folder or a failing disk does.
class FailingSource : public std::streambuf {
protected:
    int_type underflow() override {
        throw std::system_error(EISDIR, std::generic_category(), "read");
    }
};

// An output whose every write fails, as a full disk does.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override {
        errno = ENOSPC;
        return traits_type::eof();
    }
};

TEST(HostileScript, AScriptThatCannotBeReadIsAnErrorNotItsEnd) {
    FailingSource source;
    std::istream in(&source);
    ScriptReader reader(in);
    try {
        reader.Next();
        FAIL() << "the failed read passed for the end of the script";
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "the script cannot be read: Is a directory");
    }
}

TEST(HostileScript, AnEndlessLineIsCutOffWithAnError) {
    std::istringstream in("start\n" + std::string(kMaxScriptLineBytes + 1, 'x') + "\ndump\n");
    ScriptReader reader(in);
    EXPECT_EQ(reader.Next()->words, Lines{"start"});
    try {
        reader.Next();
        FAIL() << "a line beyond the bound was read";
    } catch (const ScriptError& e) {
        EXPECT_EQ(std::string(e.what()), "line 2: the line is longer than " +
                                             std::to_string(kMaxScriptLineBytes) + " bytes");
    }
    // The longest line allowed is read whole.
    std::istringstream longest("key " + std::string(kMaxScriptLineBytes - 4, 'a') + "\n");
    EXPECT_EQ(ScriptReader(longest).Next()->words.at(1).size(), kMaxScriptLineBytes - 4);
}

TEST(HostileScript, ErrorsQuoteWordsWholeWithNulAndControlBytesEscaped) {
    const char script[] = "start\nkey a\0b\x01\\\n";
    Harness harness(std::string(script, sizeof script - 1));
    MainForm main(harness.backend);
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 2);
    EXPECT_EQ(harness.Lines().back(),
              R"({"t":0,"ev":"error","text":"line 2: unknown key \"a\\x00b\\x01\\\\\""})");
    EXPECT_EQ(QuoteWord(std::string("\"\r\n\t\x7f\0", 6)), R"("\"\r\n\x09\x7f\x00")");
}

TEST(HostileScript, BytesThatAreNotUtf8StillGiveValidJson) {
    Harness harness("start\nkey caf\xe9\n");
    MainForm main(harness.backend);
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 2);
    EXPECT_EQ(
        harness.Lines().back(),
        "{\"t\":0,\"ev\":\"error\",\"text\":\"line 2: unknown key \\\"caf\xef\xbf\xbd\\\"\"}");
}

TEST(HostileClock, SaturatesAtItsEndInsteadOfWrappingPastTwoToThe63) {
    Harness harness("start\nwait 1099511627776\nclick btnOK\nwait 1099511627776\ndump\n");
    MainForm main(harness.backend);
    bool paused = false;
    main.btnOK.onClick = [&] {
        // A pause that would end past the end of time ends with the script.
        harness.backend.ProcessEventsUntil(harness.backend.NowMs() + 1000);
        paused = true;
    };
    harness.backend.SetClock(std::numeric_limits<std::int64_t>::max() - 10);
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_TRUE(paused);
    const std::string end = std::to_string(kClockEndMs);
    EXPECT_EQ(harness.Lines("state"),
              Lines{R"({"t":)" + end + R"(,"ev":"state","frame":"frameA","focus":"txtA"})"});
    EXPECT_LE(harness.backend.NowMs(), kClockEndMs + 1000);
    EXPECT_LT(kClockEndMs + 1000, std::uint64_t{1} << 63);
}

TEST(HostileTrace, AWriteErrorEndsTheRunWithStatusOneAndSaysWhy) {
    FullDisk disk;
    std::ostream trace(&disk);
    std::istringstream script("start\nclick btnOK\nwait 100\ndump\n");
    HeadlessBackend backend(script, trace, "/prog");
    MainForm main(backend);
    int clicks = 0;
    main.btnOK.onClick = [&] { ++clicks; };
    EXPECT_EQ(backend.RunScript([&] { main.form.Show(); }), 1);
    EXPECT_EQ(backend.TraceError(), "No space left on device");
    // The run stopped at the first failed line instead of playing on unseen.
    EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace ui
