#include <cstdlib>
#include <string>

#include "platform/speech/DispatcherVoice.h"
#include "platform/speech/EspeakVoice.h"
#include "platform/speech/LogVoice.h"
#include "platform/speech/Voice.h"

namespace speech {
namespace {

// VENTRA_SPEECH=none: the game runs silently.
class SilentVoice : public Voice {
public:
    void Say(std::string_view) override {}
    void Stop() override {}
    void SetRate(int) override {}
};

}  // namespace

std::string_view ReaderCode(Reader reader) {
    return reader == Reader::Jfw ? "JFW" : "WE";
}

std::unique_ptr<Voice> CreateVoice(Reader reader) {
    const char* setting = std::getenv("VENTRA_SPEECH");
    const std::string_view mode = setting ? setting : "";
    if (mode.empty()) {
        if (reader == Reader::Jfw) {
            return std::make_unique<DispatcherVoice>();
        }
        return std::make_unique<EspeakVoice>();
    }
    if (mode == "none") {
        return std::make_unique<SilentVoice>();
    }
    if (mode.starts_with("log:") && mode.size() > 4) {
        return std::make_unique<LogVoice>(reader, std::string(mode.substr(4)));
    }
    throw Error("VENTRA_SPEECH must be \"none\" or \"log:FILE\", not \"" + std::string(mode) +
                "\"");
}

void RecordingVoice::Say(std::string_view text) {
    if (m_fail) {
        throw Error("Speech service unavailable");
    }
    m_sink(Call::Say, text);
}

void RecordingVoice::Stop() {
    if (m_fail) {
        throw Error("Speech service unavailable");
    }
    m_sink(Call::Stop, {});
}

void RecordingVoice::SetRate(int percent) {
    if (m_fail) {
        throw Error("Speech service unavailable");
    }
    m_sink(Call::Rate, std::to_string(percent));
}

void RecordingVoice::Announce(std::string_view text) {
    if (m_fail) {
        throw Error("Speech service unavailable");
    }
    m_sink(Call::Announce, text);
}

}  // namespace speech
