#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "platform/mci/Mci.h"
#include "platform/mci/OutputVolume.h"
#include "tests/platform/files/ScopedEnv.h"
#include "tests/platform/files/TimeOf.h"
#include "tests/platform/mci/TestSupport.h"
#include "tests/support/TempFolder.h"

namespace {

using mci_test::Bytes;
using mci_test::NoticeRecorder;
using mci_test::Pattern;
using mci_test::Send;
using mci_test::WaveBytes;
using mci_test::WaveSpec;
using testing_support::ScopedEnv;
using testing_support::TempFolder;
using namespace std::chrono_literals;

// Plays through SDL's disk driver: the output lands in a file, at once unless a test asks for
// real time.
class WaveDeviceTest : public testing::Test {
protected:
    WaveDeviceTest()
        : m_driver("SDL_AUDIODRIVER", "disk"),
          m_delay("SDL_DISKAUDIODELAY", "0"),
          m_output("SDL_DISKAUDIOFILE", (m_folder / "out.raw").string()),
          m_input("SDL_DISKAUDIOFILEIN", (m_folder / "in.raw").string()) {}

    ~WaveDeviceTest() override { Send("close all wait"); }

    // Writes a WAV file into the scratch folder and opens it as `alias`.
    void OpenWave(const std::string& alias, const WaveSpec& spec, const Bytes& samples) {
        const auto path = m_folder / (alias + " sound.wav");
        mci_test::WriteFile(path, WaveBytes(spec, samples));
        ASSERT_EQ(Send("open " + path.string() + " alias " + alias + " type waveaudio wait").error,
                  mci::Ok);
    }

    std::string Status(const std::string& alias, const std::string& item) {
        const auto reply = Send("status " + alias + " " + item + " wait");
        EXPECT_EQ(reply.error, mci::Ok) << item;
        return reply.text;
    }

    Bytes Output() { return mci_test::ReadFile(m_folder / "out.raw"); }

    // Looks at a status value every 10 ms until it passes `least` (at most 5 s): audio threads
    // run late on a loaded machine.
    bool ReachesAtLeast(const std::string& alias, const std::string& item, unsigned long least) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (std::stoul(Status(alias, item)) < least) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(10ms);
        }
        return true;
    }

    TempFolder m_folder;
    ScopedEnv m_driver;
    ScopedEnv m_delay;
    ScopedEnv m_output;
    ScopedEnv m_input;
};

TEST_F(WaveDeviceTest, StatusReportsEachItem) {
    OpenWave("a", {2, 22050, 16, true}, Pattern(4 * 1000));
    EXPECT_EQ(Status("a", "length"), "1000");
    EXPECT_EQ(Status("a", "position"), "0");
    EXPECT_EQ(Status("a", "mode"), "stopped");
    EXPECT_EQ(Status("a", "bitspersample"), "16");
    EXPECT_EQ(Status("a", "channels"), "2");
    EXPECT_EQ(Status("a", "samplespersec"), "22050");

    ASSERT_EQ(Send("set a time format milliseconds wait").error, mci::Ok);
    EXPECT_EQ(Status("a", "length"), "45");
    ASSERT_EQ(Send("seek a to 20 wait").error, mci::Ok);
    ASSERT_EQ(Send("set A time format samples wait").error, mci::Ok);
    EXPECT_EQ(Status("a", "position"), "441");
}

TEST_F(WaveDeviceTest, OpenRefusalsAndUnknownDevices) {
    EXPECT_EQ(Send("open " + (m_folder / "none.wav").string() + " alias x wait").error,
              mci::ErrFileNotFound);
    EXPECT_EQ(Send("open " + m_folder.Path().string() + " alias x wait").error,
              mci::ErrInvalidFile);
    mci_test::WriteFile(m_folder / "empty.wav", {});
    EXPECT_EQ(Send("open " + (m_folder / "empty.wav").string() + " alias x wait").error,
              mci::ErrInvalidFile);
    mci_test::WriteFile(m_folder / "text.wav", Bytes(80, 'a'));
    EXPECT_EQ(Send("open " + (m_folder / "text.wav").string() + " alias x wait").error,
              mci::ErrInvalidFile);

    OpenWave("dup", {}, Pattern(20));
    mci_test::WriteFile(m_folder / "b.wav", WaveBytes({}, Pattern(20)));
    EXPECT_EQ(Send("open " + (m_folder / "b.wav").string() + " alias DUP wait").error,
              mci::ErrDuplicateAlias);
    EXPECT_EQ(Send("play x wait").error, mci::ErrInvalidDeviceName);
    EXPECT_EQ(Send("close x wait").error, mci::ErrInvalidDeviceName);
}

TEST_F(WaveDeviceTest, BackslashPathsAndQuotedNamesOpen) {
    mci_test::WriteFile(m_folder / "hit.wav", WaveBytes({}, Pattern(20)));
    EXPECT_EQ(Send("open " + m_folder.Path().string() + "\\hit.wav alias h wait").error, mci::Ok);
    EXPECT_EQ(Send("open \"" + (m_folder / "hit.wav").string() + "\" alias q").error, mci::Ok);
}

TEST_F(WaveDeviceTest, RepliesAreCutToTheBufferWithoutOverflow) {
    OpenWave("a", {}, Pattern(2 * 123456));
    char small[4];
    small[3] = 'z';
    EXPECT_EQ(mci::SendString("status a length wait", small, 3, nullptr), mci::ErrParamOverflow);
    EXPECT_STREQ(small, "12");
    EXPECT_EQ(small[3], 'z');
    EXPECT_EQ(mci::SendString("status a length wait", nullptr, 0, nullptr), mci::Ok);
    char empty[8] = "old";
    EXPECT_EQ(mci::SendString("stop a wait", empty, sizeof empty, nullptr), mci::Ok);
    EXPECT_STREQ(empty, "");
}

TEST_F(WaveDeviceTest, PlayWithWaitHandsEverySampleToTheDriverAndNotifies) {
    for (const WaveSpec spec : {WaveSpec{1, 8000, 8}, WaveSpec{2, 11025, 16, true}}) {
        const Bytes samples = Pattern(spec.channels * spec.bits / 8u * 3000u, spec.bits);
        OpenWave("p", spec, samples);
        NoticeRecorder notices;
        ASSERT_EQ(Send("play p   notify wait", &notices).error, mci::Ok);
        EXPECT_EQ(notices.Flags(), std::vector<std::uint32_t>{mci::NotifySuccessful})
            << "queued before the command returns";
        EXPECT_NE(mci_test::Find(Output(), samples), std::string::npos);
        EXPECT_EQ(Status("p", "position"), "3000");
        EXPECT_EQ(Status("p", "mode"), "stopped");
        ASSERT_EQ(Send("close p wait").error, mci::Ok);
    }
}

TEST_F(WaveDeviceTest, PlayFromToPlaysExactlyThatRange) {
    const Bytes samples = Pattern(2 * 2000);
    OpenWave("p", {1, 8000, 16}, samples);
    ASSERT_EQ(Send("play p from 500 to 1500 wait").error, mci::Ok);
    const Bytes out = Output();
    const Bytes range(samples.begin() + 1000, samples.begin() + 3000);
    EXPECT_NE(mci_test::Find(out, range), std::string::npos);
    const Bytes withFrameBefore(samples.begin() + 998, samples.begin() + 3000);
    const Bytes withFrameAfter(samples.begin() + 1000, samples.begin() + 3002);
    EXPECT_EQ(mci_test::Find(out, withFrameBefore), std::string::npos);
    EXPECT_EQ(mci_test::Find(out, withFrameAfter), std::string::npos);
    EXPECT_EQ(Status("p", "position"), "1500");

    EXPECT_EQ(Send("play p from 10 to 5 wait").error, mci::ErrOutOfRange);
    EXPECT_EQ(Send("play p to 2001 wait").error, mci::ErrOutOfRange);
    EXPECT_EQ(Send("play p from 2001 wait").error, mci::ErrOutOfRange);
    EXPECT_EQ(Send("play p from -1 wait").error, mci::ErrOutOfRange);

    NoticeRecorder notices;
    ASSERT_EQ(Send("seek p to end wait").error, mci::Ok);
    EXPECT_EQ(Send("play p notify wait", &notices).error, mci::Ok) << "at the end: nothing to play";
    EXPECT_EQ(notices.Flags(1), std::vector<std::uint32_t>{mci::NotifySuccessful});
}

TEST_F(WaveDeviceTest, PlayWithoutWaitNotifiesWhenDone) {
    OpenWave("p", {}, Pattern(2 * 800));
    NoticeRecorder notices;
    ASSERT_EQ(Send("play p from 0  notify ", &notices).error, mci::Ok);
    EXPECT_EQ(notices.Flags(1), std::vector<std::uint32_t>{mci::NotifySuccessful});
    ASSERT_EQ(notices.Notices().size(), 1u);
    EXPECT_GT(notices.Notices()[0].second, 0u);
}

class RealTimeDeviceTest : public WaveDeviceTest {
protected:
    RealTimeDeviceTest() : m_realTime("SDL_DISKAUDIODELAY", std::nullopt) {}
    ScopedEnv m_realTime;
};

TEST_F(RealTimeDeviceTest, StopSeekAndCloseAbortAndANewPlaySupersedes) {
    OpenWave("p", {1, 8000, 16}, Pattern(2 * 16000));
    NoticeRecorder notices;
    ASSERT_EQ(Send("play p notify", &notices).error, mci::Ok);
    EXPECT_EQ(Status("p", "mode"), "playing");
    ASSERT_EQ(Send("play p from 100 notify", &notices).error, mci::Ok);
    ASSERT_EQ(Send("stop p wait").error, mci::Ok);
    EXPECT_EQ(Status("p", "mode"), "stopped");
    ASSERT_EQ(Send("play p from 0 notify", &notices).error, mci::Ok);
    ASSERT_EQ(Send("seek p to 4000 wait").error, mci::Ok);
    EXPECT_EQ(Status("p", "position"), "4000");
    ASSERT_EQ(Send("play p notify", &notices).error, mci::Ok);
    ASSERT_EQ(Send("close p wait").error, mci::Ok);
    EXPECT_EQ(notices.Flags(4),
              (std::vector<std::uint32_t>{mci::NotifySuperseded, mci::NotifyAborted,
                                          mci::NotifyAborted, mci::NotifyAborted}));
}

TEST_F(RealTimeDeviceTest, PauseHoldsThePositionAndResumeGoesOn) {
    OpenWave("p", {1, 8000, 16}, Pattern(2 * 16000));
    ASSERT_EQ(Send("play p").error, mci::Ok);
    ASSERT_TRUE(ReachesAtLeast("p", "position", 1));
    ASSERT_EQ(Send("pause p wait").error, mci::Ok);
    EXPECT_EQ(Status("p", "mode"), "paused");
    const std::string held = Status("p", "position");
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(Status("p", "position"), held);
    ASSERT_EQ(Send("resume p wait").error, mci::Ok);
    EXPECT_EQ(Status("p", "mode"), "playing");
    EXPECT_TRUE(ReachesAtLeast("p", "position", std::stoul(held) + 1));
    ASSERT_EQ(Send("stop p wait").error, mci::Ok);
    EXPECT_EQ(Send("resume p wait").error, mci::Ok) << "resuming a stopped device changes nothing";
    EXPECT_EQ(Status("p", "mode"), "stopped");
}

TEST_F(RealTimeDeviceTest, AWaitingPlayEndsWhenAnotherThreadStopsIt) {
    OpenWave("p", {1, 8000, 16}, Pattern(2 * 16000));
    NoticeRecorder notices;
    const auto begin = std::chrono::steady_clock::now();
    std::thread stopper([] {
        std::this_thread::sleep_for(150ms);
        Send("stop p wait");
    });
    EXPECT_EQ(Send("play p notify wait", &notices).error, mci::Ok);
    stopper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 1500ms);
    EXPECT_EQ(notices.Flags(1), std::vector<std::uint32_t>{mci::NotifyAborted});
}

TEST_F(RealTimeDeviceTest, PlayWithWaitLastsAboutTheSound) {
    OpenWave("p", {2, 8000, 8}, Pattern(2 * 2400));
    const auto begin = std::chrono::steady_clock::now();
    ASSERT_EQ(Send("play p wait").error, mci::Ok);
    const auto took = std::chrono::steady_clock::now() - begin;
    EXPECT_GT(took, 250ms);
    EXPECT_LT(took, 1500ms);
}

// How long "play p wait" takes; a waiting play still running after `giveUp` is stopped from
// another thread (and then took far too long).
std::chrono::milliseconds TimedWaitingPlay(std::chrono::milliseconds giveUp) {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!ended.wait_for(lock, giveUp, [&] { return done; })) {
            Send("stop p wait");
        }
    });
    const auto took =
        testing_support::TimeOf([] { EXPECT_EQ(Send("play p from 0 wait").error, mci::Ok); });
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    ended.notify_all();
    watchdog.join();
    return took;
}

// Rates from 1 Hz are valid: a waiting play ends about when its last frame has been played,
// however long a frame lasts, and a very short sound does not wait for a long buffer.
TEST_F(RealTimeDeviceTest, PlayWithWaitEndsWithTheSoundAtLowRates) {
    OpenWave("p", {1, 1, 8}, Pattern(2));
    auto took = TimedWaitingPlay(4s);
    EXPECT_GE(took, 1900ms) << "two frames at 1 Hz";
    EXPECT_LE(took, 2500ms);
    ASSERT_EQ(Send("close p wait").error, mci::Ok);

    OpenWave("p", {1, 100, 16}, Pattern(2 * 3));
    took = TimedWaitingPlay(2s);
    EXPECT_GE(took, 25ms) << "three frames at 100 Hz";
    EXPECT_LE(took, 400ms);
    ASSERT_EQ(Send("close p wait").error, mci::Ok);

    // Recording at such a rate keeps the first of each run of repeated device frames.
    const Bytes input = Pattern(64, 5);
    mci_test::WriteFile(m_folder / "in.raw", input);
    OpenWave("r", {1, 100, 8}, {});
    ASSERT_EQ(Send("record r from 0 to 2 wait").error, mci::Ok);
    ASSERT_EQ(Send("save r " + (m_folder / "rec.wav").string() + " wait").error, mci::Ok);
    EXPECT_EQ(mci_test::ReadFile(m_folder / "rec.wav"),
              WaveBytes({1, 100, 8}, {input[0], input[10]}));
    ASSERT_EQ(Send("close r wait").error, mci::Ok);

    // 1.25 ms of sound: the best of a few tries, so that one late wake-up of a busy machine
    // does not decide.
    OpenWave("p", {1, 8000, 16}, Pattern(2 * 10));
    std::chrono::milliseconds best = 1h;
    for (int i = 0; i < 5; ++i) {
        best = std::min(best, TimedWaitingPlay(2s));
    }
    EXPECT_LE(best, 30ms) << "ten frames at 8 kHz";
}

TEST_F(WaveDeviceTest, SeekAndDeleteEditTheSound) {
    const Bytes samples = Pattern(100);
    OpenWave("e", {1, 8000, 8}, samples);
    ASSERT_EQ(Send("seek e to 60 wait").error, mci::Ok);
    EXPECT_EQ(Send("seek e to 101 wait").error, mci::ErrOutOfRange);
    ASSERT_EQ(Send("delete e from 10 to 30 wait").error, mci::Ok);
    EXPECT_EQ(Status("e", "length"), "80");
    EXPECT_EQ(Status("e", "position"), "40");
    EXPECT_EQ(Send("delete e from 50 to 81 wait").error, mci::ErrOutOfRange);
    EXPECT_EQ(Send("delete e from -1  wait").error, mci::ErrOutOfRange);
    ASSERT_EQ(Send("delete e from 70  wait").error, mci::Ok);
    ASSERT_EQ(Send("seek e to start wait").error, mci::Ok);
    EXPECT_EQ(Status("e", "position"), "0");

    ASSERT_EQ(Send("save e " + (m_folder / "edited.wav").string() + " wait").error, mci::Ok);
    Bytes expected(samples.begin(), samples.begin() + 10);
    expected.insert(expected.end(), samples.begin() + 30, samples.begin() + 90);
    EXPECT_EQ(mci_test::ReadFile(m_folder / "edited.wav"), WaveBytes({1, 8000, 8}, expected));
}

// A device holds the file it read until its sound or the file changes; a copy of the file is
// another file.
TEST_F(WaveDeviceTest, HoldsItsFileUntilTheSoundOrTheFileChanges) {
    const Bytes samples = Pattern(2 * 200);
    OpenWave("h", {1, 8000, 16}, samples);
    const auto file = m_folder / "h sound.wav";
    const auto copy = m_folder / "copy.wav";
    std::filesystem::copy_file(file, copy);
    EXPECT_TRUE(mci::DeviceHoldsFile("h", file.c_str()));
    EXPECT_FALSE(mci::DeviceHoldsFile("h", copy.c_str()));
    EXPECT_FALSE(mci::DeviceHoldsFile("other", file.c_str()));
    EXPECT_FALSE(mci::DeviceHoldsFile("h", (m_folder / "missing.wav").c_str()));

    const auto saved = m_folder / "saved.wav";
    ASSERT_EQ(Send("save h " + saved.string() + " wait").error, mci::Ok);
    ASSERT_EQ(Send("delete h from 10 to 10 wait").error, mci::Ok);
    EXPECT_TRUE(mci::DeviceHoldsFile("h", file.c_str())) << "nothing changed the sound";
    EXPECT_TRUE(mci::DeviceHoldsFile("h", saved.c_str()));
    ASSERT_EQ(Send("delete h from 10 to 11 wait").error, mci::Ok);
    EXPECT_FALSE(mci::DeviceHoldsFile("h", file.c_str()));
    EXPECT_FALSE(mci::DeviceHoldsFile("h", saved.c_str()));

    ASSERT_EQ(Send("close h wait").error, mci::Ok);
    OpenWave("h", {1, 8000, 16}, samples);
    EXPECT_TRUE(mci::DeviceHoldsFile("h", file.c_str()));
    mci_test::WriteFile(file, WaveBytes({1, 8000, 16}, Pattern(2 * 200, 9)));
    // Dated apart, so that the change shows even within one tick of the file system's clock.
    std::filesystem::last_write_time(file, std::filesystem::file_time_type{});
    EXPECT_FALSE(mci::DeviceHoldsFile("h", file.c_str()));

    mci_test::WriteFile(m_folder / "in.raw", Pattern(64));
    OpenWave("r", {1, 8000, 8}, Pattern(20));
    const auto recorded = m_folder / "r sound.wav";
    EXPECT_TRUE(mci::DeviceHoldsFile("r", recorded.c_str()));
    ASSERT_EQ(Send("record r from 0 to 10 wait").error, mci::Ok);
    EXPECT_FALSE(mci::DeviceHoldsFile("r", recorded.c_str()));
}

// An open right after a close may take the closed sound instead of reading its file again, but
// only while the file is unchanged: a file read or saved by the device and changed since opens
// as it is now.
TEST_F(WaveDeviceTest, AFileOpenedAfterItsDeviceClosedGivesWhatItHoldsNow) {
    const auto savedBytes = [this](const std::string& alias) {
        const auto out = m_folder / "out.wav";
        EXPECT_EQ(Send("save " + alias + " " + out.string() + " wait").error, mci::Ok);
        return mci_test::ReadFile(out);
    };
    const auto openAgain = [](const std::filesystem::path& file) {
        ASSERT_EQ(Send("close c wait").error, mci::Ok);
        ASSERT_EQ(Send("open " + file.string() + " alias c wait").error, mci::Ok);
    };
    const auto rewrite = [](const std::filesystem::path& file, const Bytes& bytes) {
        mci_test::WriteFile(file, bytes);
        // Dated apart, so that the change shows even within one tick of the file system's clock.
        std::filesystem::last_write_time(file, std::filesystem::file_time_type{});
    };
    const Bytes samples = Pattern(2 * 100);
    OpenWave("c", {1, 8000, 16}, samples);
    const auto read = m_folder / "c sound.wav";
    openAgain(read);
    EXPECT_EQ(savedBytes("c"), WaveBytes({1, 8000, 16}, samples));
    openAgain(read);
    rewrite(read, WaveBytes({1, 8000, 16}, Pattern(2 * 100, 5)));
    openAgain(read);
    EXPECT_EQ(savedBytes("c"), WaveBytes({1, 8000, 16}, Pattern(2 * 100, 5)));

    const auto saved = m_folder / "saved.wav";
    ASSERT_EQ(Send("delete c from 0 to 50 wait").error, mci::Ok);
    ASSERT_EQ(Send("save c " + saved.string() + " wait").error, mci::Ok);
    const Bytes shorter = mci_test::ReadFile(saved);
    openAgain(saved);
    EXPECT_EQ(savedBytes("c"), shorter);
    rewrite(saved, WaveBytes({2, 8000, 8}, Pattern(30)));
    openAgain(saved);
    EXPECT_EQ(Status("c", "channels"), "2");
    EXPECT_EQ(savedBytes("c"), WaveBytes({2, 8000, 8}, Pattern(30)));
}

TEST_F(WaveDeviceTest, SaveRoundTripsEachKindAndReplacesTheTarget) {
    for (const WaveSpec spec : {WaveSpec{1, 8000, 8}, WaveSpec{2, 44100, 16, true}}) {
        const Bytes samples = Pattern(spec.channels * spec.bits / 8u * 77u);
        OpenWave("s", spec, samples);
        const auto target = m_folder / "s sound.wav";  // the file it came from
        ASSERT_EQ(Send("save s " + target.string() + " wait").error, mci::Ok);
        EXPECT_EQ(mci_test::ReadFile(target),
                  WaveBytes({spec.channels, spec.rate, spec.bits}, samples));
        ASSERT_EQ(Send("close s wait").error, mci::Ok);
    }
    OpenWave("s", {}, Pattern(10));
    EXPECT_EQ(Send("save s " + (m_folder / "no" / "x.wav").string() + " wait").error,
              mci::ErrFileNotSaved);
}

TEST_F(WaveDeviceTest, RecordInsertsTheCapturedFramesAtThePosition) {
    const Bytes input = Pattern(2 * 300, 7);
    mci_test::WriteFile(m_folder / "in.raw", input);
    const Bytes samples = Pattern(2 * 50, 3);
    OpenWave("r", {1, 8000, 16}, samples);
    NoticeRecorder notices;
    ASSERT_EQ(Send("record r from 20 to 120 notify wait", &notices).error, mci::Ok);
    EXPECT_EQ(notices.Flags(), std::vector<std::uint32_t>{mci::NotifySuccessful});
    EXPECT_EQ(Status("r", "length"), "150");
    EXPECT_EQ(Status("r", "position"), "120");

    ASSERT_EQ(Send("save r " + (m_folder / "rec.wav").string() + " wait").error, mci::Ok);
    const Bytes saved = mci_test::ReadFile(m_folder / "rec.wav");
    ASSERT_EQ(saved.size(), 44u + 300u);
    EXPECT_EQ(Bytes(saved.begin() + 44, saved.begin() + 84),
              Bytes(samples.begin(), samples.begin() + 40));
    EXPECT_EQ(Bytes(saved.begin() + 84, saved.begin() + 284),
              Bytes(input.begin(), input.begin() + 200));
    EXPECT_EQ(Bytes(saved.begin() + 284, saved.end()), Bytes(samples.begin() + 40, samples.end()));

    EXPECT_EQ(Send("record r from 151 to 160 wait").error, mci::ErrOutOfRange);
    EXPECT_EQ(Send("record r from 10 to 5 wait").error, mci::ErrOutOfRange);
}

TEST_F(WaveDeviceTest, RecordWithoutAnEndRunsUntilStopped) {
    mci_test::WriteFile(m_folder / "in.raw", Pattern(64));
    OpenWave("r", {1, 8000, 8}, {});
    EXPECT_EQ(Status("r", "length"), "0");
    NoticeRecorder notices;
    ASSERT_EQ(Send("record r from 0  notify ", &notices).error, mci::Ok);
    EXPECT_EQ(Status("r", "mode"), "recording");
    ASSERT_TRUE(ReachesAtLeast("r", "length", 64));
    ASSERT_EQ(Send("stop r wait").error, mci::Ok);
    EXPECT_EQ(notices.Flags(1), std::vector<std::uint32_t>{mci::NotifyAborted});
    EXPECT_GE(std::stoul(Status("r", "length")), 64u) << "kept after the stop";

    // An empty sound takes one recorded sample before it is saved.
    OpenWave("one", {}, {});
    ASSERT_EQ(Send("record one from 0 to 1 wait").error, mci::Ok);
    EXPECT_EQ(Status("one", "length"), "1");
}

TEST_F(WaveDeviceTest, BusyDevicesGiveTheirInUseCodes) {
    OpenWave("b", {}, Pattern(200));
    {
        ScopedEnv busy("VENTRA_MCI_BUSY_OUTPUTS", "1");
        NoticeRecorder notices;
        EXPECT_EQ(Send("play b from 0  notify wait", &notices).error, mci::ErrWaveOutputsInUse);
        EXPECT_TRUE(notices.Notices().empty());
    }
    {
        ScopedEnv busy("VENTRA_MCI_BUSY_INPUTS", "1");
        EXPECT_EQ(Send("record b from 0 to 10 wait").error, mci::ErrWaveInputsInUse);
    }
    EXPECT_EQ(Send("play b from 0 wait").error, mci::Ok) << "free again";
}

TEST_F(WaveDeviceTest, CommandsWithNotifyPostSuccessAndCloseAllClosesEverything) {
    NoticeRecorder notices;
    mci_test::WriteFile(m_folder / "n.wav", WaveBytes({}, Pattern(20)));
    ASSERT_EQ(Send("open " + (m_folder / "n.wav").string() + " alias n notify", &notices).error,
              mci::Ok);
    ASSERT_EQ(Send("seek n to end notify", &notices).error, mci::Ok);
    OpenWave("m", {}, Pattern(20));
    ASSERT_EQ(Send("close all wait").error, mci::Ok);
    EXPECT_EQ(Send("status n mode wait").error, mci::ErrInvalidDeviceName);
    EXPECT_EQ(Send("status m mode wait").error, mci::ErrInvalidDeviceName);
    EXPECT_EQ(notices.Flags(),
              (std::vector<std::uint32_t>{mci::NotifySuccessful, mci::NotifySuccessful}));
}

// 16-bit samples of a loud, never-silent wave, scaled to `percent` as the output volume does.
Bytes LoudWave(int percent) {
    Bytes bytes;
    for (int i = 0; i < 3000; ++i) {
        const auto sample = static_cast<std::int16_t>((i % 7 - 3) * 2000 + 500);
        const auto scaled = static_cast<std::int16_t>(sample * percent / 100);
        bytes.push_back(static_cast<std::uint8_t>(scaled & 0xff));
        bytes.push_back(static_cast<std::uint8_t>((scaled >> 8) & 0xff));
    }
    return bytes;
}

TEST_F(WaveDeviceTest, TheOutputVolumeScalesWhatIsPlayedAndLeavesTheFileAlone) {
    OpenWave("loud", {1, 8000, 16}, LoudWave(100));
    mci::SetOutputVolume(40);
    EXPECT_EQ(mci::OutputVolume(), 40);
    ASSERT_EQ(Send("play loud wait").error, mci::Ok);
    EXPECT_NE(mci_test::Find(Output(), LoudWave(40)), std::string::npos);
    EXPECT_EQ(mci_test::Find(Output(), LoudWave(100)), std::string::npos);

    // Eight-bit sound is centred on 128.
    const Bytes eight = Pattern(3000);
    Bytes softer;
    for (const std::uint8_t byte : eight) {
        softer.push_back(static_cast<std::uint8_t>(0x80 + (byte - 0x80) * 40 / 100));
    }
    OpenWave("eight", {1, 8000, 8}, eight);
    ASSERT_EQ(Send("play eight wait").error, mci::Ok);
    EXPECT_NE(mci_test::Find(Output(), softer), std::string::npos);

    // Back at full volume the same open sound plays as recorded.
    mci::SetOutputVolume(250);
    EXPECT_EQ(mci::OutputVolume(), mci::kFullVolume);
    ASSERT_EQ(Send("play loud from 0 wait").error, mci::Ok);
    EXPECT_NE(mci_test::Find(Output(), LoudWave(100)), std::string::npos);
}

}  // namespace
