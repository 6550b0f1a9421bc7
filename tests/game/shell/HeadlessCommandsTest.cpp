// The game's own script commands: setting, seed, deck and speech, and their mistakes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/settings/Store.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

using Lines = std::vector<std::string>;

TEST(HeadlessCommands, SettingWritesTheStoreWithoutTracing) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"a \\\"b\\\" c\"\n"), 0);
    EXPECT_TRUE(scenario.Lines().empty());
    settings::Store store(scenario.StoreFile());
    EXPECT_EQ(settings::GetSetting(store, "Ventrelle", "StartUp", "Reader", ""), "a \"b\" c");
}

TEST(HeadlessCommands, SeedAndDeckAreKeptForTheShuffle) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("seed 4294967295\ndeck 1 14 52 2\ndeck 10 11\n"), 0);
    const Game& game = scenario.LastGame();
    EXPECT_EQ(game.shuffle.seed, 4294967295u);
    EXPECT_EQ(game.shuffle.stackedDeck, (std::vector<std::int16_t>{10, 11}));
}

TEST(HeadlessCommands, BadArgumentsEndTheScriptWithAnError) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"seed -1", R"(line 1: the seed must be a number from 0 to 4294967295, not \"-1\")"},
        {"seed", "line 1: usage: seed N"},
        {"deck 0", R"(line 1: a card must be a number from 1 to 52, not \"0\")"},
        {"deck 53", R"(line 1: a card must be a number from 1 to 52, not \"53\")"},
        {"deck", "line 1: usage: deck C1 C2 ... (1 to 52 cards, each 1 to 52)"},
        {"speech loud", "line 1: usage: speech fail|ok"},
        {"setting Ventrelle StartUp Reader", R"(line 1: usage: setting APP SECTION KEY \"VALUE\")"},
    };
    for (const auto& [script, text] : cases) {
        Scenario scenario;
        EXPECT_EQ(scenario.Run(script + "\n"), 2) << script;
        EXPECT_EQ(scenario.Lines(), Lines{R"({"t":0,"ev":"error","text":")" + text + "\"}"})
            << script;
    }
}

TEST(HeadlessCommands, AMessageBoxLeftOpenIsAnError) {
    Scenario scenario;
    EXPECT_EQ(scenario.Run("start\nclose\n"), 2);
    EXPECT_EQ(
        scenario.Lines().back(),
        R"({"t":0,"ev":"error","text":"the script ended with a message box open and no answer queued"})");
}

}  // namespace
}  // namespace game::test
