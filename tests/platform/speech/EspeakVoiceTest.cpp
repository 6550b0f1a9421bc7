// The "WE" voice through SDL's disk audio driver, which writes what would be played to a file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/speech/Voice.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
using speech::CreateVoice;
using speech::Reader;
using testing_support::TempFolder;

constexpr const char* kSentence = "The dealer shows the Queen of Hearts. ";

// Sends the voice's output to `file` and creates it.
std::unique_ptr<speech::Voice> DiskVoice(const std::filesystem::path& file) {
    unsetenv("VENTRA_SPEECH");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    return CreateVoice(Reader::We);
}

// Counts the samples of the driver's file that are clearly not silence. The driver writes
// silence as fast as it can between texts, so the file is read on from where it was left.
class LoudCounter {
public:
    explicit LoudCounter(std::filesystem::path file) : m_file(std::move(file)) {}

    std::size_t Update() {
        std::ifstream in(m_file, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(m_offset));
        std::vector<char> buffer(1 << 20);
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) ||
               in.gcount() > 0) {
            const std::size_t got = static_cast<std::size_t>(in.gcount()) & ~std::size_t{1};
            for (std::size_t i = 0; i < got; i += 2) {
                std::int16_t sample;
                std::memcpy(&sample, buffer.data() + i, 2);
                m_loud += (sample > 256 || sample < -256) ? 1 : 0;
            }
            m_offset += got;
            if (got < buffer.size()) {
                break;
            }
        }
        return m_loud;
    }

    // Waits until speech has come out and then stopped growing for a while.
    std::size_t Settled() {
        std::size_t last = 0;
        int steady = 0;
        for (int i = 0; i < 200 && steady < 6; ++i) {
            std::this_thread::sleep_for(50ms);
            const std::size_t now = Update();
            steady = (now == last && now > 0) ? steady + 1 : 0;
            last = now;
        }
        return last;
    }

private:
    std::filesystem::path m_file;
    std::size_t m_offset = 0;
    std::size_t m_loud = 0;
};

// What one sentence sounds like, measured on a voice of its own.
std::size_t OneSentence(const TempFolder& folder) {
    const auto file = folder / "one.raw";
    auto voice = DiskVoice(file);
    voice->Say(kSentence);
    return LoudCounter(file).Settled();
}

TEST(EspeakVoice, TwoTextsAreBothSpokenInFull) {
    TempFolder folder;
    const std::size_t one = OneSentence(folder);
    ASSERT_GT(one, 22050u / 2) << "a sentence is at least half a second of sound";

    const auto file = folder / "two.raw";
    auto voice = DiskVoice(file);
    voice->Say(kSentence);
    voice->Say(kSentence);
    const std::size_t two = LoudCounter(file).Settled();
    EXPECT_NEAR(static_cast<double>(two), 2.0 * one, 0.05 * one);
}

TEST(EspeakVoice, StopCutsOffALongText) {
    TempFolder folder;
    const std::size_t one = OneSentence(folder);
    std::string longText;
    for (int i = 0; i < 200; ++i) {
        longText += kSentence;
    }

    const auto file = folder / "long.raw";
    auto voice = DiskVoice(file);
    LoudCounter counter(file);
    voice->Say(longText);
    voice->Say(kSentence);
    // Stop once the long text is being heard, so it is cut in the middle, not before it starts.
    for (int i = 0; i < 500 && counter.Update() == 0; ++i) {
        std::this_thread::sleep_for(2ms);
    }
    voice->Stop();
    const std::size_t atStop = counter.Update();
    ASSERT_GT(atStop, 0u);
    voice->Say("Stopped. ");
    const std::size_t heard = counter.Settled();
    EXPECT_GT(heard, atStop) << "the text after Stop is spoken";
    // After Stop only the short text comes out: less than one sentence, of the 200 queued.
    EXPECT_LT(heard - atStop, one);
}

TEST(EspeakVoice, WithoutAnAudioDeviceTextsAreDroppedQuietly) {
    unsetenv("VENTRA_SPEECH");
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    auto voice = CreateVoice(Reader::We);
    voice->Say(kSentence);
    voice->Stop();
    voice->Say(kSentence);
    voice.reset();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("synthesised and dropped"),
              std::string::npos);
}

TEST(EspeakVoice, AFasterRateSaysTheSentenceInLessTime) {
    TempFolder folder;
    const std::size_t usual = OneSentence(folder);
    const auto file = folder / "fast.raw";
    auto voice = DiskVoice(file);
    voice->SetRate(speech::RatePercent::kFastest);
    voice->Say(kSentence);
    const std::size_t fast = LoudCounter(file).Settled();
    ASSERT_GT(fast, 0u);
    EXPECT_LT(fast, usual * 6 / 10);
    // The synthesiser is shared: a voice that never chose a rate still speaks at the usual one.
    EXPECT_NEAR(static_cast<double>(OneSentence(folder)), usual, 0.05 * usual);
}

}  // namespace
