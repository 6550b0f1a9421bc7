// Creates the windowed UI back end (wxWidgets on GTK 3). Includes no wx header, so the program's
// entry can choose between this and the headless back end without seeing the toolkit.
#pragma once

#include <memory>

#include "platform/ui/Backend.h"

namespace ui {

// Starts the toolkit so forms can be built before Run(). Returns nullptr, after one line on
// stderr saying why, when there is no display to open.
std::unique_ptr<Backend> CreateWxBackend(int& argc, char** argv);

}  // namespace ui
