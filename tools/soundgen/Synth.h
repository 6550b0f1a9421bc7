// Building blocks the sound effects are made of: seeded noise, simple filters, decaying
// tones with partials, and the finishing pass that makes every effect safe to play.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

inline constexpr std::uint32_t kSampleRate = 22050;

using Signal = std::vector<float>;

std::size_t SamplesFor(double seconds);
double SecondsAt(std::size_t index);

// xorshift32: a fixed algorithm with a fixed seed, so the noise (and so the files) come out
// the same on every build and every machine.
class Noise {
public:
    explicit Noise(std::uint32_t seed);
    // Uniform in [-1, 1).
    float Next();
    // Uniform in [low, high).
    float Between(float low, float high);

private:
    std::uint32_t m_state;
};

// One-pole low-pass: gentle 6 dB/octave roll-off, enough to soften noise.
class LowPass {
public:
    explicit LowPass(double cutoffHz);
    float Process(float input);

private:
    float m_coefficient;
    float m_state = 0.0F;
};

// One-pole high-pass; at a few tens of hertz it removes any DC offset.
class HighPass {
public:
    explicit HighPass(double cutoffHz);
    float Process(float input);

private:
    float m_coefficient;
    float m_previousInput = 0.0F;
    float m_state = 0.0F;
};

// One sine component of a note: frequency as a multiple of the note's, its own level and
// decay time constant (higher partials usually fade sooner, which sounds natural).
struct Partial {
    double ratio;
    double level;
    double decaySeconds;
};

struct Note {
    double startSeconds;
    double frequencyHz;
    double lengthSeconds;
    double level;
    double attackSeconds;
    std::vector<Partial> partials;
};

// Mixes the note into the signal, growing the signal if the note runs past its end.
// Each note ends with a short release so that notes never click.
void AddNote(Signal& signal, const Note& note);

// Rising and falling raised-cosine ramps at the two ends.
void ApplyFades(Signal& signal, double fadeInSeconds, double fadeOutSeconds);

// The loudest peak an effect may have: about 3.7 dB below full scale, so it never clips.
inline constexpr float kMaxPeak = 0.65F;

// Removes DC, fades both ends and scales the peak to peakLevel (at most kMaxPeak; sustained
// tones take less so that they sound no louder than short, sparse ones). Throws on silence.
void Finish(Signal& signal, double fadeInSeconds, double fadeOutSeconds,
            float peakLevel = kMaxPeak);

}  // namespace soundgen
