// Runs the model's event handlers from toolkit callbacks: nothing may unwind through the
// toolkit's C frames, so an escaped error ends the program loudly instead.
#pragma once

#include <functional>
#include <string_view>

namespace ui::wx {

// Calls handler (if set). An escaped ProgramEnded ends the process quietly; any other escaped
// error is printed with `what` and aborts.
void RunHandler(std::string_view what, const std::function<void()>& handler);

// Flushes standard output and error and ends the process at once with status 0, waiting for no
// other thread.
[[noreturn]] void EndProcessNow();

}  // namespace ui::wx
