// The wave control library as an in-process server: its three classes with their factories,
// in registration order, and what the library does when it starts and ends.
#pragma once

#include "platform/automation/ServerModule.h"

namespace sonivel {

const automation::ServerModule& SonivelServer();

// The library has been loaded: the clipboard starts empty.
void ModuleStart();
// The library is being unloaded: the clipboard file goes.
void ModuleEnd();

}  // namespace sonivel
