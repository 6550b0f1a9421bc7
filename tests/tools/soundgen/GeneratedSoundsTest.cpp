#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "CanonicalWav.h"

namespace soundgen::test {
namespace {

namespace fs = std::filesystem;

const std::array<std::string, 6> kFileNames = {"hit.wav",  "youwin.wav",  "youlose.wav",
                                               "draw.wav", "shuffle.wav", "broke.wav"};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct RunResult {
    int exitCode;
    std::string output;
};

// Runs a shell command, returning its exit code and what it wrote to stdout and stderr.
RunResult RunShell(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    if (!pipe) {
        throw std::runtime_error("cannot run " + command);
    }
    std::string output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
        output += buffer.data();
    }
    const int status = pclose(pipe.release());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

RunResult RunGenerator(const std::string& arguments) {
    return RunShell(Quoted(SOUNDGEN_PATH) + " " + arguments);
}

fs::path MakeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "soundgen-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    return pattern;
}

// Spectral centroid estimate from the ratio of the derivative's RMS to the signal's RMS:
// linear in the samples and plenty to tell a bright sound from a dull one.
double BrightnessHz(const std::vector<double>& x, std::size_t from, std::size_t to) {
    double energy = 1e-12;
    double slopeEnergy = 0.0;
    for (std::size_t i = std::max<std::size_t>(from, 1); i < to; ++i) {
        energy += x[i] * x[i];
        slopeEnergy += (x[i] - x[i - 1]) * (x[i] - x[i - 1]);
    }
    return 22050.0 / (2.0 * std::numbers::pi) * std::sqrt(slopeEnergy / energy);
}

// Cheap descriptors that tell sounds apart: how bright overall, and frame by frame (20 ms)
// how the energy and the brightness move.
struct Features {
    double brightnessHz;
    std::vector<double> envelope;  // frame RMS, the loudest frame scaled to 1
    std::vector<double> contour;   // frame brightness in Hz
};

Features Describe(const std::vector<double>& x) {
    Features features{BrightnessHz(x, 0, x.size()), {}, {}};
    const std::size_t frame = 441;
    for (std::size_t at = 0; at + frame <= x.size(); at += frame) {
        double energy = 0.0;
        for (std::size_t i = at; i < at + frame; ++i) {
            energy += x[i] * x[i];
        }
        features.envelope.push_back(std::sqrt(energy / frame));
        features.contour.push_back(BrightnessHz(x, at, at + frame));
    }
    const double loudest = *std::max_element(features.envelope.begin(), features.envelope.end());
    for (double& value : features.envelope) {
        value /= loudest;
    }
    return features;
}

// Mean absolute difference of two envelopes, the shorter one padded with silence.
double EnvelopeDistance(const Features& a, const Features& b) {
    const std::size_t length = std::max(a.envelope.size(), b.envelope.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        sum += std::fabs((i < a.envelope.size() ? a.envelope[i] : 0.0) -
                         (i < b.envelope.size() ? b.envelope[i] : 0.0));
    }
    return sum / length;
}

// Mean distance in octaves between the brightness contours, over frames where both sounds
// are clearly audible.
double ContourDistance(const Features& a, const Features& b) {
    double sum = 0.0;
    int frames = 0;
    for (std::size_t i = 0; i < std::min(a.contour.size(), b.contour.size()); ++i) {
        if (a.envelope[i] > 0.1 && b.envelope[i] > 0.1) {
            sum += std::fabs(std::log2(a.contour[i] / b.contour[i]));
            ++frames;
        }
    }
    return frames == 0 ? 0.0 : sum / frames;
}

class GeneratedSounds : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new fs::path(MakeTempFolder());
        const RunResult result = RunGenerator(Quoted(s_folder->string()));
        ASSERT_EQ(result.exitCode, 0) << result.output;
    }

    static void TearDownTestSuite() {
        fs::remove_all(*s_folder);
        delete s_folder;
        s_folder = nullptr;
    }

    static CanonicalWav Load(const std::string& name) {
        return ParseCanonicalWav(ReadBytes(*s_folder / name));
    }

    static fs::path* s_folder;
};

fs::path* GeneratedSounds::s_folder = nullptr;

TEST_F(GeneratedSounds, WritesExactlyTheSixFilesTheGamePlays) {
    std::vector<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator(*s_folder)) {
        written.push_back(entry.path().filename().string());
    }
    std::sort(written.begin(), written.end());
    std::vector<std::string> expected(kFileNames.begin(), kFileNames.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(written, expected);
}

TEST_F(GeneratedSounds, AreCanonical16BitMonoAt22050Hz) {
    for (const std::string& name : kFileNames) {
        SCOPED_TRACE(name);
        const CanonicalWav wav = Load(name);
        EXPECT_EQ(wav.formatTag, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.sampleRate, 22050U);
        EXPECT_EQ(wav.byteRate, 44100U);
        EXPECT_EQ(wav.blockAlign, 2);
        EXPECT_EQ(wav.bitsPerSample, 16);
    }
}

TEST_F(GeneratedSounds, SoxReadsTheSameFormat) {
    if (RunShell("command -v sox").exitCode != 0) {
        GTEST_SKIP() << "sox is not installed";
    }
    for (const std::string& name : kFileNames) {
        SCOPED_TRACE(name);
        const std::string file = Quoted((*s_folder / name).string());
        const auto info = [&](const char* option) {
            return RunShell("sox --i " + std::string(option) + " " + file);
        };
        EXPECT_EQ(info("-t").output, "wav\n");
        EXPECT_EQ(info("-r").output, "22050\n");
        EXPECT_EQ(info("-c").output, "1\n");
        EXPECT_EQ(info("-b").output, "16\n");
        EXPECT_EQ(info("-e").output, "Signed Integer PCM\n");
        EXPECT_EQ(info("-s").output, std::to_string(Load(name).samples.size()) + "\n");
    }
}

TEST_F(GeneratedSounds, AreShortHeadroomyAndClickFree) {
    for (const std::string& name : kFileNames) {
        SCOPED_TRACE(name);
        const std::vector<double> samples = Load(name).samples;
        ASSERT_FALSE(samples.empty());
        EXPECT_LT(samples.size() / 22050.0, 0.8);
        double peak = 0.0;
        double sum = 0.0;
        for (const double sample : samples) {
            peak = std::max(peak, std::fabs(sample));
            sum += sample;
        }
        EXPECT_LT(peak, 0.71);  // about -3 dBFS
        EXPECT_GT(peak, 0.3);   // and clearly audible
        EXPECT_LT(std::fabs(sum / samples.size()), 0.002);
        // Faded in and out: the ends sit at zero and the first and last milliseconds stay low.
        EXPECT_LT(std::fabs(samples.front()), 0.01);
        EXPECT_LT(std::fabs(samples.back()), 0.01);
        EXPECT_LT(std::fabs(samples[1]), 0.05);
        EXPECT_LT(std::fabs(samples[samples.size() - 2]), 0.05);
    }
}

TEST_F(GeneratedSounds, DifferClearlyFromEachOther) {
    std::map<std::string, Features> features;
    for (const std::string& name : kFileNames) {
        features.emplace(name, Describe(Load(name).samples));
    }
    for (std::size_t i = 0; i < kFileNames.size(); ++i) {
        for (std::size_t j = i + 1; j < kFileNames.size(); ++j) {
            const Features& a = features.at(kFileNames[i]);
            const Features& b = features.at(kFileNames[j]);
            const double octavesApart = std::fabs(std::log2(a.brightnessHz / b.brightnessHz));
            const double envelopeDistance = EnvelopeDistance(a, b);
            const double contourDistance = ContourDistance(a, b);
            // Alike in at most one respect, never in two.
            const int differences =
                (octavesApart > 0.4) + (envelopeDistance > 0.15) + (contourDistance > 0.4);
            EXPECT_GE(differences, 2)
                << kFileNames[i] << " and " << kFileNames[j] << " sound too alike: " << octavesApart
                << " octaves apart, envelopes " << envelopeDistance << ", contours "
                << contourDistance << " octaves";
        }
    }
}

TEST_F(GeneratedSounds, AreTheSameBytesOnEveryRun) {
    const fs::path again = MakeTempFolder();
    const RunResult result = RunGenerator(Quoted(again.string()));
    EXPECT_EQ(result.exitCode, 0) << result.output;
    for (const std::string& name : kFileNames) {
        EXPECT_EQ(ReadBytes(*s_folder / name), ReadBytes(again / name)) << name;
    }
    fs::remove_all(again);
}

TEST(Soundgen, CreatesAMissingOutputFolder) {
    const fs::path root = MakeTempFolder();
    const fs::path nested = root / "a" / "bin";
    EXPECT_EQ(RunGenerator(Quoted(nested.string())).exitCode, 0);
    EXPECT_TRUE(fs::exists(nested / "hit.wav"));
    fs::remove_all(root);
}

TEST(Soundgen, FailsLoudlyWhenItCannotWrite) {
    const fs::path root = MakeTempFolder();
    const fs::path blocker = root / "file";
    std::FILE* file = std::fopen(blocker.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    const RunResult result = RunGenerator(Quoted((blocker / "bin").string()));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("soundgen: "), std::string::npos) << result.output;
    fs::remove_all(root);
}

TEST(Soundgen, ExplainsItsUsage) {
    const RunResult result = RunGenerator("");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.output, "usage: soundgen OUTPUT_FOLDER\n");
}

}  // namespace
}  // namespace soundgen::test
