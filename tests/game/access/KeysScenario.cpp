#include "tests/game/access/KeysScenario.h"

namespace game::test {

std::string KeysScript(const std::string& reader, const std::vector<int>& deck,
                       const std::string& play) {
    std::string script = "setting Ventrelle StartUp Reader \"" + reader + "\"\ndeck";
    for (const int card : deck) {
        script += " " + std::to_string(card);
    }
    return script + "\nstart\nwait 2000\nclick btnStakesOK\nclick btnBetOK\nwait 4000\n" + play;
}

std::string SpeakLine(int t, std::string_view reader, std::string_view text) {
    return R"({"t":)" + std::to_string(t) + R"(,"ev":"speak","reader":")" + std::string(reader) +
           R"(","text":")" + std::string(text) + R"("})";
}

}  // namespace game::test
