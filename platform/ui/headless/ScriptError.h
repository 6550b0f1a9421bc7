// The error a script command raises when the script cannot be followed (bad arguments, unknown
// names); the headless back end reports it as an `error` event and ends the run.
#pragma once

#include <stdexcept>

namespace ui {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace ui
