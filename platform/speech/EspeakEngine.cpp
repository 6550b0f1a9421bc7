#include "platform/speech/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <string>

#include "platform/speech/Voice.h"

namespace speech {
namespace {

// Samples per callback: 50 ms blocks let Stop cut in soon after a long text starts.
constexpr int kBlockMilliseconds = 50;

int OnSamples(short* samples, int count, espeak_EVENT* events) {
    const auto* sink = static_cast<const EspeakEngine::Sink*>(events->user_data);
    if (samples == nullptr || count <= 0 || sink == nullptr) {
        return 0;
    }
    return (*sink)(samples, static_cast<std::size_t>(count)) ? 0 : 1;
}

}  // namespace

EspeakEngine& EspeakEngine::Instance() {
    static EspeakEngine engine;
    return engine;
}

EspeakEngine::EspeakEngine() {
    m_sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBlockMilliseconds, nullptr,
                                     espeakINITIALIZE_DONT_EXIT);
    if (m_sampleRate <= 0) {
        throw Error("The eSpeak NG speech synthesiser could not start");
    }
    espeak_SetSynthCallback(OnSamples);
    m_ownRate = espeak_GetParameter(espeakRATE, 1);
    m_currentRate = m_ownRate;
}

EspeakEngine::~EspeakEngine() {
    espeak_Terminate();
}

void EspeakEngine::Synthesize(std::string_view text, std::optional<int> wordsPerMinute,
                              const Sink& sink) {
    const std::string terminated(text);
    std::lock_guard lock(m_mutex);
    // The synthesiser is one for the whole process: each text says the rate it wants.
    const int rate = wordsPerMinute.value_or(m_ownRate);
    if (rate != m_currentRate) {
        if (espeak_SetParameter(espeakRATE, rate, 0) != EE_OK) {
            throw Error("The eSpeak NG speech synthesiser refused the speech rate");
        }
        m_currentRate = rate;
    }
    const espeak_ERROR result =
        espeak_Synth(terminated.c_str(), terminated.size() + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_AUTO, nullptr, const_cast<Sink*>(&sink));
    if (result != EE_OK) {
        throw Error("The eSpeak NG speech synthesiser failed to speak");
    }
}

int WordsPerMinute(int percent) {
    const int clamped = std::clamp(percent, RatePercent::kSlowest, RatePercent::kFastest);
    if (clamped <= RatePercent::kUsual) {
        return espeakRATE_MINIMUM +
               (espeakRATE_NORMAL - espeakRATE_MINIMUM) * clamped / RatePercent::kUsual;
    }
    return espeakRATE_NORMAL + (espeakRATE_MAXIMUM - espeakRATE_NORMAL) *
                                   (clamped - RatePercent::kUsual) /
                                   (RatePercent::kFastest - RatePercent::kUsual);
}

}  // namespace speech
