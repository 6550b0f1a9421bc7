// The built SONIVEL.OCX with the real media layer, playing through SDL's disk audio driver.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/automation/Control.h"
#include "platform/automation/EventSink.h"
#include "platform/automation/ObjectLoader.h"
#include "tests/platform/files/ScopedFifo.h"
#include "tests/platform/files/TimeOf.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/SonivelIds.h"

namespace {

using namespace automation;
using Clock = std::chrono::steady_clock;

// A host thread of the test's own: posted work waits until the test pumps.
class PumpSite final : public ControlSite {
public:
    void Post(std::function<void()> work) override {
        {
            std::lock_guard lock(m_mutex);
            m_work.push_back(std::move(work));
        }
        m_arrived.notify_one();
    }
    bool RequestResize(int, int) override { return true; }
    std::uint32_t ShowModalDialog(const DialogResource&) override { return IDOK; }
    bool UserMode() const override { return true; }

    // Runs posted work until `done` holds or the time is up.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const auto deadline = Clock::now() + limit;
        std::unique_lock lock(m_mutex);
        while (!done()) {
            if (!m_arrived.wait_until(lock, deadline, [&] { return !m_work.empty(); })) {
                return false;
            }
            auto work = std::move(m_work.front());
            m_work.pop_front();
            lock.unlock();
            work();
            lock.lock();
        }
        return true;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<std::function<void()>> m_work;
};

class AudioTest : public ::testing::Test {
protected:
    AudioTest() {
        setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        unsetenv("SDL_DISKAUDIODELAY");
        EXPECT_EQ(loader.CreateFromLibrary(SONIVEL_OCX, sonivel::kControlClsid, IDispatch::kIid,
                                           control.PutVoid()),
                  S_OK);
        Ref<IControl> asControl;
        QueryInterface(control.Get(), asControl);
        asControl->SetSite(&site);
        Ref<IConnectionPointContainer> container;
        QueryInterface(control.Get(), container);
        container->FindConnectionPoint(sonivel::kEventsIid, events.Put());
        sink = MakeObject<EventSink>(
            [this](DispId, std::span<const Variant> args) { done.push_back(args[0].Short()); });
        events->Advise(sink.Get(), &cookie);
    }
    ~AudioTest() override { Shutdown(); }

    void Shutdown() {
        if (!control) {
            return;
        }
        events->Unadvise(cookie);
        events.Reset();
        Ref<IControl> asControl;
        QueryInterface(control.Get(), asControl);
        asControl->SetSite(nullptr);
        asControl.Reset();
        control.Reset();
        loader.FreeUnusedLibraries();
    }

    Variant Call(DispId id, std::initializer_list<Variant> args = {}) {
        Variant result;
        EXPECT_EQ(control->Invoke(id, std::span<const Variant>(args.begin(), args.size()), &result),
                  S_OK);
        return result;
    }
    std::int32_t ErrorCode() { return Call(sonivel::dispid::GetErrorCode).Long(); }

    // 16-bit stereo, 22050 frames a second: a pattern that silence padding cannot imitate.
    static int Sample(std::uint32_t frame, int channel) {
        const int v = static_cast<int>((frame * 37) % 20000) - 10000;
        return channel == 0 ? v : -v / 2;
    }

    wavtest::TempDir dir;
    const std::string output = (dir / "out.raw").string();
    settings::Store registry{dir / "registry.ini"};
    ObjectLoader loader{registry};
    PumpSite site;
    Ref<IDispatch> control;
    Ref<IConnectionPoint> events;
    Ref<EventSink> sink;
    std::uint32_t cookie = 0;
    std::vector<std::int16_t> done;
};

TEST_F(AudioTest, PlayWithWaitLastsAsLongAsTheSoundAndHandsOverItsSamples) {
    const std::string bytes = wavtest::WavBytes(2, 16, 22050, 22050, &Sample);
    const auto wav = dir / "second.wav";
    wavtest::WriteFile(wav, bytes);
    Call(sonivel::dispid::Open, {Variant(wav.string())});
    ASSERT_EQ(ErrorCode(), 0);
    EXPECT_EQ(Call(sonivel::dispid::GetLength), Variant(22050));

    const auto start = Clock::now();
    Call(sonivel::dispid::Play, {Variant(-1), Variant(-1), Variant(true)});
    const auto elapsed = Clock::now() - start;
    EXPECT_EQ(ErrorCode(), 0);
    EXPECT_GE(elapsed, std::chrono::milliseconds(800));
    EXPECT_LE(elapsed, std::chrono::milliseconds(2000));

    EXPECT_TRUE(site.PumpUntil([&] { return !done.empty(); }, std::chrono::seconds(2)));
    EXPECT_EQ(done, std::vector<std::int16_t>{1});
    Call(sonivel::dispid::Close);
    Shutdown();

    std::ifstream in(output, std::ios::binary);
    const std::string played((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    const std::string samples = bytes.substr(44);
    for (const std::size_t at : {std::size_t{0}, samples.size() / 2, samples.size() - 512}) {
        EXPECT_NE(played.find(samples.substr(at, 512)), std::string::npos)
            << "samples from byte " << at << " are in the driver's output";
    }
}

TEST_F(AudioTest, StopDuringPlayAbortsIt) {
    const auto wav = dir / "second.wav";
    wavtest::WriteFile(wav, wavtest::WavBytes(2, 16, 22050, 22050, &Sample));
    Call(sonivel::dispid::Open, {Variant(wav.string())});
    const auto start = Clock::now();
    Call(sonivel::dispid::Play, {Variant(-1), Variant(-1), Variant(false)});
    EXPECT_EQ(ErrorCode(), 0);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500)) << "no waiting";
    EXPECT_EQ(Call(sonivel::dispid::GetMode), Variant(526));
    Call(sonivel::dispid::Stop);
    EXPECT_EQ(ErrorCode(), 0);
    EXPECT_TRUE(site.PumpUntil([&] { return !done.empty(); }, std::chrono::seconds(2)));
    EXPECT_EQ(done, std::vector<std::int16_t>{4});
    EXPECT_EQ(Call(sonivel::dispid::GetMode), Variant(525));
}

TEST_F(AudioTest, OpenFailuresCarryTheMediaLayersCodes) {
    Call(sonivel::dispid::Open, {Variant((dir / "missing.wav").string())});
    EXPECT_EQ(ErrorCode(), 275);
    const auto text = dir / "text.wav";
    wavtest::WriteFile(text, "this is not a wave file, only some data");
    Call(sonivel::dispid::Open, {Variant(text.string())});
    EXPECT_NE(ErrorCode(), 0);
    EXPECT_NE(Call(sonivel::dispid::GetErrorMessage), Variant(""));
    EXPECT_EQ(Call(sonivel::dispid::GetWavFilename), Variant(""));
    Call(sonivel::dispid::Play, {Variant(-1), Variant(-1), Variant(false)});
    EXPECT_NE(ErrorCode(), 0) << "nothing open";
    EXPECT_EQ(Call(sonivel::dispid::GetLength), Variant(0));
}

// A sound file that is a pipe, as a game's "hit.wav" might be: Open gives the open's error at
// once instead of waiting for someone to write into it.
TEST_F(AudioTest, OpeningAFifoGivesTheOpensErrorAtOnce) {
    const testing_support::ScopedFifo fifo(dir / "hit.wav");
    const auto took = testing_support::TimeOf(
        [&] { Call(sonivel::dispid::Open, {Variant(fifo.Path().string())}); });
    EXPECT_LT(took, std::chrono::seconds(1));
    EXPECT_EQ(ErrorCode(), 296);
    EXPECT_EQ(Call(sonivel::dispid::GetWavFilename), Variant(""));
}

}  // namespace
