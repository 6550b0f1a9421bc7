#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "tools/soundgen/Synth.h"

namespace soundgen {
namespace {

float Peak(const Signal& signal) {
    float peak = 0.0F;
    for (const float sample : signal) {
        peak = std::max(peak, std::fabs(sample));
    }
    return peak;
}

TEST(Noise, IsRepeatableInRangeAndNeverStuck) {
    Noise first(42);
    Noise second(42);
    Noise other(43);
    Noise zeroSeeded(0);
    int differences = 0;
    for (int i = 0; i < 10000; ++i) {
        const float value = first.Next();
        ASSERT_EQ(value, second.Next());
        ASSERT_GE(value, -1.0F);
        ASSERT_LT(value, 1.0F);
        differences += value != other.Next();
        // A zero state would repeat zero forever.
        ASSERT_NE(zeroSeeded.Next(), 0.0F);
    }
    EXPECT_GT(differences, 9900);
}

TEST(Filters, LowPassKeepsLowsAndHighPassRemovesDc) {
    LowPass lowPass(1000.0);
    HighPass highPass(20.0);
    float low = 0.0F;
    float high = 0.0F;
    for (std::size_t i = 0; i < SamplesFor(0.5); ++i) {
        low = lowPass.Process(0.5F);
        high = highPass.Process(0.5F);
    }
    EXPECT_NEAR(low, 0.5F, 1e-4F);
    EXPECT_NEAR(high, 0.0F, 1e-4F);
}

TEST(AddNote, PlacesTheNoteAndEndsItSilently) {
    Signal signal(SamplesFor(0.05), 0.0F);
    AddNote(signal, {0.1, 440.0, 0.2, 0.5, 0.01, {{1.0, 1.0, 1.0}}});
    ASSERT_EQ(signal.size(), SamplesFor(0.3));
    EXPECT_TRUE(std::all_of(signal.begin(), signal.begin() + SamplesFor(0.1),
                            [](float s) { return s == 0.0F; }));
    EXPECT_GT(Peak(signal), 0.4F);
    EXPECT_LE(Peak(signal), 0.5F);
    EXPECT_LT(std::fabs(signal[SamplesFor(0.1)]), 1e-3F);
    EXPECT_LT(std::fabs(signal.back()), 1e-3F);
}

TEST(ApplyFades, ZeroesTheEndsAndLeavesTheMiddle) {
    Signal signal(SamplesFor(0.1), 0.5F);
    ApplyFades(signal, 0.01, 0.02);
    EXPECT_EQ(signal.front(), 0.0F);
    EXPECT_LT(std::fabs(signal.back()), 1e-6F);
    EXPECT_EQ(signal[SamplesFor(0.05)], 0.5F);
    EXPECT_LT(signal[SamplesFor(0.005)], 0.5F);
}

TEST(Finish, RemovesDcAndSetsThePeak) {
    Signal signal(SamplesFor(0.5));
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] = 0.4F + 0.3F * static_cast<float>(std::sin(SecondsAt(i) * 2000.0));
    }
    Finish(signal, 0.005, 0.005, 0.5F);
    EXPECT_FLOAT_EQ(Peak(signal), 0.5F);
    const double mean = std::accumulate(signal.begin(), signal.end(), 0.0) / signal.size();
    EXPECT_LT(std::fabs(mean), 0.01);
    EXPECT_EQ(signal.front(), 0.0F);
}

TEST(Finish, RefusesSilenceAndPeaksAboveTheLimit) {
    Signal silent(100, 0.0F);
    EXPECT_THROW(Finish(silent, 0.001, 0.001), std::logic_error);
    Signal tone(100, 0.1F);
    EXPECT_THROW(Finish(tone, 0.001, 0.001, kMaxPeak + 0.01F), std::invalid_argument);
}

}  // namespace
}  // namespace soundgen
