// The common error handler of the game's operations: a failure in an operation's body is shown in
// a message box (OK only, the application's title) and the operation is left; its caller goes on.
#pragma once

#include <exception>
#include <string_view>
#include <type_traits>
#include <utility>

#include "game/shell/Game.h"

namespace game {

enum class Report {
    // The description followed by the place text, e.g. " in Delay()".
    MessageBox,
    // ShowError(description, place), e.g. place " Speak()" or "Form_Unload()".
    ShowError,
};

// Shows one failure as `report` says.
void ReportError(Game& game, Report report, std::string_view place, std::string_view description);

// Runs an operation's body under the common error handler, counted as running meanwhile
// (Operations.h). A body with a result gives the result's default value when it fails. Only
// std::exception is caught: the end of the program (ui::ProgramEnded) passes through.
template <class Body>
std::invoke_result_t<Body> Guarded(Game& game, Report report, std::string_view place, Body&& body) {
    const Operations::Scope running(game.operations);
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception& error) {
        ReportError(game, report, place, error.what());
    }
    return std::invoke_result_t<Body>();
}

// The shared error report: the description, one space and the place. A failure while showing it
// is shown as its own description, one space and " ShowError()".
void ShowError(Game& game, std::string_view description, std::string_view place);

}  // namespace game
