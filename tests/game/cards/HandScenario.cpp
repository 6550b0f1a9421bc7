#include "tests/game/cards/HandScenario.h"

#include "game/shell/StartUp.h"
#include "platform/automation/Object.h"
#include "wavecontrol/SonivelIds.h"

namespace game::test {

namespace {

// Answers every call with success; GetErrorCode says 0, so a sound is never played again.
class QuietControl final : public automation::Object<automation::IDispatch> {
public:
    automation::HResult GetIDsOfNames(std::string_view, automation::DispId*) override {
        return automation::E_NOTIMPL;
    }
    automation::HResult Invoke(automation::DispId id, std::span<const automation::Variant>,
                               automation::Variant* result) override {
        if (id == sonivel::dispid::GetErrorCode && result != nullptr) {
            *result = automation::Variant(std::int32_t{0});
        }
        return automation::S_OK;
    }
    automation::HResult GetTypeInfo(const automation::InterfaceInfo**) override {
        return automation::E_NOTIMPL;
    }
};

}  // namespace

void AttachQuietControl(Game& game) {
    game.sonivel.Attach(
        automation::Ref<automation::IDispatch>(automation::MakeObject<QuietControl>().Get()));
}

std::string StartScript(const std::vector<int>& deck) {
    std::string script = "setting Ventrelle StartUp Reader \"JFW\"\n";
    if (!deck.empty()) {
        script += "deck";
        for (const int card : deck) {
            script += " " + std::to_string(card);
        }
        script += "\n";
    }
    return script + "start\nwait 2000\n";
}

std::string HandScript(const std::vector<int>& deck, const std::string& play, int betEntry) {
    return StartScript(deck) + "click btnStakesOK\nselect lstBet " + std::to_string(betEntry) +
           "\nclick btnBetOK\nwait 4000\n" + play;
}

int RunGame(Scenario& scenario, const std::string& script,
            const std::function<void(Game&)>& prepare) {
    return scenario.Run(script, [&](Game& game) {
        ProgramEntry(game);
        AttachQuietControl(game);
        if (prepare) {
            prepare(game);
        }
    });
}

std::size_t IndexOf(const Lines& lines, const std::string& marker, std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].find(marker) != std::string::npos) {
            return i;
        }
    }
    return lines.size();
}

Lines Between(const Lines& lines, const std::string& marker, const std::string& until) {
    const std::size_t first = IndexOf(lines, marker);
    if (first == lines.size()) {
        return {};
    }
    const std::size_t last = until.empty() ? lines.size() : IndexOf(lines, until, first + 1);
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first),
                 lines.begin() + static_cast<std::ptrdiff_t>(last));
}

}  // namespace game::test
