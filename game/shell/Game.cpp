#include "game/shell/Game.h"

#include <string>

#include "game/access/AboutWindow.h"
#include "game/access/ProgramKeys.h"
#include "game/access/ReaderWindow.h"
#include "game/shell/GameScreenEvents.h"
#include "game/shell/OptionsMenu.h"
#include "game/shell/StatisticsWindow.h"

namespace game {

namespace {

// The store names keys "<app>/<section>"; the trace shows the two parts.
json::Value::Object SettingFields(std::string_view key, std::string_view name,
                                  std::string_view value) {
    const auto slash = key.find('/');
    const std::string_view app = key.substr(0, slash);
    const std::string_view section =
        slash == std::string_view::npos ? std::string_view() : key.substr(slash + 1);
    return {{"app", app}, {"section", section}, {"key", name}, {"value", value}};
}

}  // namespace

Game::Game(ui::Backend& backend, settings::Store& store, VoiceFactory makeVoice)
    : backend(backend),
      store(store),
      makeVoice(std::move(makeVoice)),
      GameScreen(backend),
      frmReader(backend),
      frmAbout(backend),
      frmStatistics(backend) {
    store.onWrite = [&backend](std::string_view key, std::string_view name,
                               std::string_view value) {
        backend.Report("setting", SettingFields(key, name, value));
    };
    ConnectGameScreen(*this);
    ConnectReaderWindow(*this);
    ConnectAboutWindow(*this);
    ConnectStatisticsWindow(*this);
    ConnectProgramKeys(*this);
    ConnectOptionsMenu(*this);
}

}  // namespace game
