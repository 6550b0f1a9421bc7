#include "game/shell/HeadlessGame.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <string>

#include "game/shell/StartUp.h"
#include "game/shell/StateDump.h"
#include "platform/ui/headless/ScriptReader.h"

namespace game {

namespace {

constexpr const char* kSpeechUnavailable = "Speech service unavailable";

template <class Number>
Number ParseNumber(const std::string& text, Number low, Number high, const std::string& what) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        throw ui::ScriptError(what + " must be a number from " + std::to_string(low) + " to " +
                              std::to_string(high) + ", not " + ui::QuoteWord(text));
    }
    return value;
}

void ExpectArgs(const std::vector<std::string>& args, std::size_t count, const char* usage) {
    if (args.size() != count) {
        throw ui::ScriptError(std::string("usage: ") + usage);
    }
}

}  // namespace

HeadlessGame::HeadlessGame(ui::HeadlessBackend& backend, const std::filesystem::path& storeFile)
    : m_backend(backend), m_store(storeFile), m_game(backend, m_store, RecordingVoices()) {
    AddCommands();
    m_backend.SetStateProvider([this] { return DumpState(m_game); });
}

int HeadlessGame::Run() {
    return Run([this] { ProgramEntry(m_game); });
}

int HeadlessGame::Run(const std::function<void()>& entry) {
    return m_backend.RunScript(entry);
}

// Every call goes to the trace; while `speech fail` holds, making a voice and every call fail as
// an unreachable speech service would.
VoiceFactory HeadlessGame::RecordingVoices() {
    return [this](speech::Reader reader) -> std::unique_ptr<speech::Voice> {
        if (m_speechFails) {
            throw speech::Error(kSpeechUnavailable);
        }
        return std::make_unique<speech::RecordingVoice>(
            [this, code = std::string(speech::ReaderCode(reader))](
                speech::RecordingVoice::Call call, std::string_view text) {
                if (m_speechFails) {
                    throw speech::Error(kSpeechUnavailable);
                }
                switch (call) {
                    case speech::RecordingVoice::Call::Say:
                        m_backend.Report("speak", {{"reader", code}, {"text", text}});
                        break;
                    case speech::RecordingVoice::Call::Stop:
                        m_backend.Report("stopspeech", {{"reader", code}});
                        break;
                    case speech::RecordingVoice::Call::Rate:
                        m_backend.Report("speechrate", {{"reader", code},
                                                        {"value", std::stoi(std::string(text))}});
                        break;
                    case speech::RecordingVoice::Call::Announce:
                        m_backend.Report("announce", {{"reader", code}, {"text", text}});
                        break;
                }
            });
    };
}

void HeadlessGame::AddCommands() {
    // Writes straight to the store, as an earlier run of the game would have: not a write of
    // this run, so it is not traced.
    m_backend.AddCommand("setting", [this](const std::vector<std::string>& args) {
        ExpectArgs(args, 4, "setting APP SECTION KEY \"VALUE\"");
        settings::Store(m_store.File()).Set(args[0] + "/" + args[1], args[2], args[3]);
    });
    m_backend.AddCommand("seed", [this](const std::vector<std::string>& args) {
        ExpectArgs(args, 1, "seed N");
        m_game.shuffle.seed = ParseNumber<std::uint32_t>(args[0], 0, UINT32_MAX, "the seed");
    });
    m_backend.AddCommand("deck", [this](const std::vector<std::string>& args) {
        if (args.empty() || args.size() > 52) {
            throw ui::ScriptError("usage: deck C1 C2 ... (1 to 52 cards, each 1 to 52)");
        }
        std::vector<std::int16_t> cards;
        for (const std::string& arg : args) {
            const auto card = ParseNumber<std::int16_t>(arg, 1, 52, "a card");
            if (std::find(cards.begin(), cards.end(), card) != cards.end()) {
                throw ui::ScriptError("the card " + arg + " is in the deck twice");
            }
            cards.push_back(card);
        }
        m_game.shuffle.stackedDeck = std::move(cards);
    });
    m_backend.AddCommand("speech", [this](const std::vector<std::string>& args) {
        ExpectArgs(args, 1, "speech fail|ok");
        if (args[0] != "fail" && args[0] != "ok") {
            throw ui::ScriptError("usage: speech fail|ok");
        }
        m_speechFails = args[0] == "fail";
    });
}

int RunHeadless(std::istream& script, std::ostream& trace,
                const std::filesystem::path& programFolder, const std::filesystem::path& storeFile,
                std::optional<SelfVoicingMode> selfVoicing) {
    ui::HeadlessBackend backend(script, trace, programFolder);
    HeadlessGame game(backend, storeFile);
    game.GetGame().selfVoicing.SetCommandLineMode(selfVoicing);
    const int status = game.Run();
    if (!backend.TraceError().empty()) {
        std::cerr << "ventra: cannot write the trace: " << backend.TraceError() << '\n';
    }
    return status;
}

}  // namespace game
