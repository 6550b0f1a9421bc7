#include "tools/soundgen/Sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace soundgen {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Equal-tempered pitches used below.
constexpr double kC4 = 261.63;
constexpr double kEb4 = 311.13;
constexpr double kG4 = 392.00;
constexpr double kA4 = 440.00;
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.26;
constexpr double kG5 = 783.99;
constexpr double kC6 = 1046.50;

// A struck, bell-like timbre: bright at first, mellowing as the upper partials die away.
// The slightly stretched fourth partial gives the metallic shimmer.
const std::vector<Partial> kBell = {
    {1.0, 1.0, 0.35}, {2.0, 0.35, 0.15}, {3.0, 0.12, 0.08}, {4.07, 0.06, 0.05}};

// A soft, rounded timbre for the sadder figures.
const std::vector<Partial> kSoft = {{1.0, 1.0, 0.40}, {2.0, 0.25, 0.20}, {3.0, 0.08, 0.10}};

// A steady, neutral timbre that barely decays.
const std::vector<Partial> kFlute = {{1.0, 1.0, 1.0}, {2.0, 0.2, 0.5}, {3.0, 0.1, 0.3}};

// A card landing on the table: a quick, soft scratch of filtered noise over a low thump.
Signal MakeHit() {
    Signal signal(SamplesFor(0.15), 0.0F);
    Noise noise(0x1CE5u);
    HighPass highPass(1800.0);
    // Two gentle low-pass stages keep the scratch soft rather than hissy.
    LowPass lowPass(4000.0);
    LowPass secondLowPass(4000.0);
    double thumpPhase = 0.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = SecondsAt(i);
        const double scratch =
            secondLowPass.Process(lowPass.Process(highPass.Process(noise.Next()))) *
            std::exp(-t / 0.012) * std::min(1.0, t / 0.001);
        // The thump drops in pitch as it dies, like a body knocking on wood.
        thumpPhase += kTwoPi * (80.0 + 70.0 * std::exp(-t / 0.02)) / kSampleRate;
        const double thump = 0.6 * std::sin(thumpPhase) * std::exp(-t / 0.035);
        signal[i] = static_cast<float>(scratch + thump);
    }
    Finish(signal, 0.001, 0.01);
    return signal;
}

// A bright rising major arpeggio, C5 E5 G5 C6, ringing out on the top note.
Signal MakeYouWin() {
    constexpr double kLength = 0.78;
    Signal signal;
    const std::array<double, 4> pitches = {kC5, kE5, kG5, kC6};
    for (std::size_t i = 0; i < pitches.size(); ++i) {
        const double start = 0.09 * static_cast<double>(i);
        const double level = i + 1 == pitches.size() ? 1.0 : 0.8;
        AddNote(signal, {start, pitches[i], kLength - start, level, 0.004, kBell});
    }
    Finish(signal, 0.002, 0.08);
    return signal;
}

// A gentle falling minor figure, G4 E-flat4 C4, the last note held a little longer.
Signal MakeYouLose() {
    Signal signal;
    AddNote(signal, {0.00, kG4, 0.24, 0.9, 0.015, kSoft});
    AddNote(signal, {0.18, kEb4, 0.24, 0.9, 0.015, kSoft});
    AddNote(signal, {0.36, kC4, 0.38, 1.0, 0.015, kSoft});
    Finish(signal, 0.004, 0.08);
    return signal;
}

// Two equal, even tones: neither up nor down.
Signal MakeDraw() {
    Signal signal;
    AddNote(signal, {0.00, kA4, 0.18, 1.0, 0.01, kFlute});
    AddNote(signal, {0.24, kA4, 0.18, 1.0, 0.01, kFlute});
    Finish(signal, 0.004, 0.02, 0.45F);
    return signal;
}

// Cards riffling together: clicks coming ever faster, then the deck settling with a soft pat.
Signal MakeShuffle() {
    constexpr double kPatStart = 0.56;
    Signal signal(SamplesFor(0.72), 0.0F);
    Noise noise(0x5AFFu);

    // Each card edge is a few milliseconds of noise; the gaps shrink as the riffle speeds up.
    double gap = 0.05;
    for (double at = 0.01; at < kPatStart - 0.04; at += gap) {
        const float level = noise.Between(0.6F, 1.0F);
        const std::size_t first = SamplesFor(at);
        for (std::size_t i = 0; i < SamplesFor(0.006); ++i) {
            signal[first + i] +=
                level * noise.Next() * static_cast<float>(std::exp(-SecondsAt(i) / 0.0015));
        }
        gap = std::max(0.012, gap * 0.92);
    }
    HighPass clickHighPass(1500.0);
    LowPass clickLowPass(6000.0);
    for (float& sample : signal) {
        sample = clickLowPass.Process(clickHighPass.Process(sample));
    }

    // The pat is dull: noise through three low-pass stages, with a quick swell and decay.
    std::array<LowPass, 3> patLowPass = {LowPass(500.0), LowPass(500.0), LowPass(500.0)};
    for (std::size_t i = SamplesFor(kPatStart); i < signal.size(); ++i) {
        const double sincePat = SecondsAt(i) - kPatStart;
        float pat = noise.Next();
        for (LowPass& stage : patLowPass) {
            pat = stage.Process(pat);
        }
        const double envelope = std::min(1.0, sincePat / 0.008) * std::exp(-sincePat / 0.05);
        signal[i] += static_cast<float>(6.0 * envelope) * pat;
    }
    Finish(signal, 0.002, 0.03);
    return signal;
}

// A low "wah-wah" sliding down an octave: a brassy tone whose brightness swells and fades
// three times, with a slow vibrato, dying away at the end.
Signal MakeBroke() {
    constexpr double kLength = 0.78;
    constexpr double kFromHz = 233.08;
    constexpr double kToHz = 116.54;
    constexpr int kHarmonics = 8;
    Signal signal(SamplesFor(kLength), 0.0F);
    double phase = 0.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = SecondsAt(i);
        const double vibrato = 1.0 + 0.015 * std::sin(kTwoPi * 5.0 * t);
        const double frequency = kFromHz * std::pow(kToHz / kFromHz, t / kLength) * vibrato;
        phase += kTwoPi * frequency / kSampleRate;
        const double brightness = 0.5 - 0.5 * std::cos(kTwoPi * 3.6 * t);
        double value = 0.0;
        double weight = 1.0;
        for (int k = 1; k <= kHarmonics; ++k) {
            value += weight / k * std::sin(k * phase);
            weight *= 0.15 + 0.75 * brightness;
        }
        const double fadeAway = t < 0.45 ? 1.0 : std::exp(-(t - 0.45) / 0.15);
        signal[i] = static_cast<float>(value * (0.55 + 0.45 * brightness) * fadeAway);
    }
    Finish(signal, 0.015, 0.1);
    return signal;
}

constexpr std::array<SoundEffect, 6> kEffects = {{
    {"hit.wav", MakeHit},
    {"youwin.wav", MakeYouWin},
    {"youlose.wav", MakeYouLose},
    {"draw.wav", MakeDraw},
    {"shuffle.wav", MakeShuffle},
    {"broke.wav", MakeBroke},
}};

}  // namespace

std::span<const SoundEffect> SoundEffects() {
    return kEffects;
}

}  // namespace soundgen
