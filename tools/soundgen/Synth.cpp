#include "tools/soundgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace soundgen {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDcCutoffHz = 20.0;
constexpr double kNoteReleaseSeconds = 0.02;

float OnePoleCoefficient(double cutoffHz) {
    return static_cast<float>(std::exp(-kTwoPi * cutoffHz / kSampleRate));
}

// 0 at x = 0 rising smoothly to 1 at x = 1.
double RaisedCosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

}  // namespace

std::size_t SamplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double SecondsAt(std::size_t index) {
    return static_cast<double>(index) / kSampleRate;
}

Noise::Noise(std::uint32_t seed) : m_state(seed == 0 ? 1 : seed) {}

float Noise::Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<float>(m_state / 2147483648.0 - 1.0);
}

float Noise::Between(float low, float high) {
    return low + (high - low) * (Next() + 1.0F) * 0.5F;
}

LowPass::LowPass(double cutoffHz) : m_coefficient(OnePoleCoefficient(cutoffHz)) {}

float LowPass::Process(float input) {
    m_state = input + m_coefficient * (m_state - input);
    return m_state;
}

HighPass::HighPass(double cutoffHz) : m_coefficient(OnePoleCoefficient(cutoffHz)) {}

float HighPass::Process(float input) {
    m_state = m_coefficient * (m_state + input - m_previousInput);
    m_previousInput = input;
    return m_state;
}

void AddNote(Signal& signal, const Note& note) {
    const std::size_t first = SamplesFor(note.startSeconds);
    const std::size_t count = SamplesFor(note.lengthSeconds);
    signal.resize(std::max(signal.size(), first + count), 0.0F);
    const double releaseStart = note.lengthSeconds - kNoteReleaseSeconds;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = SecondsAt(i);
        double envelope = note.level;
        if (t < note.attackSeconds) {
            envelope *= RaisedCosine(t / note.attackSeconds);
        }
        if (t > releaseStart) {
            envelope *= RaisedCosine((note.lengthSeconds - t) / kNoteReleaseSeconds);
        }
        double value = 0.0;
        for (const Partial& partial : note.partials) {
            value += partial.level * std::exp(-t / partial.decaySeconds) *
                     std::sin(kTwoPi * note.frequencyHz * partial.ratio * t);
        }
        signal[first + i] += static_cast<float>(envelope * value);
    }
}

void ApplyFades(Signal& signal, double fadeInSeconds, double fadeOutSeconds) {
    const std::size_t fadeIn = std::min(SamplesFor(fadeInSeconds), signal.size());
    const std::size_t fadeOut = std::min(SamplesFor(fadeOutSeconds), signal.size());
    // Both ramps reach exactly zero at the outermost sample.
    for (std::size_t i = 0; i < fadeIn; ++i) {
        signal[i] *= static_cast<float>(RaisedCosine(static_cast<double>(i) / fadeIn));
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        signal[signal.size() - 1 - i] *=
            static_cast<float>(RaisedCosine(static_cast<double>(i) / fadeOut));
    }
}

void Finish(Signal& signal, double fadeInSeconds, double fadeOutSeconds, float peakLevel) {
    if (!(peakLevel > 0.0F && peakLevel <= kMaxPeak)) {
        throw std::invalid_argument("peak level out of range: " + std::to_string(peakLevel));
    }
    HighPass dcBlocker(kDcCutoffHz);
    for (float& sample : signal) {
        sample = dcBlocker.Process(sample);
    }
    ApplyFades(signal, fadeInSeconds, fadeOutSeconds);
    float peak = 0.0F;
    for (const float sample : signal) {
        peak = std::max(peak, std::fabs(sample));
    }
    if (!(peak > 0.0F)) {
        throw std::logic_error("a sound effect came out silent");
    }
    const float gain = peakLevel / peak;
    for (float& sample : signal) {
        sample *= gain;
    }
}

}  // namespace soundgen
