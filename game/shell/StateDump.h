// The game state as JSON fields, every variable under its own name (the headless `dump`).
#pragma once

#include "platform/json/Json.h"

namespace game {

struct Game;

json::Value::Object DumpState(const Game& game);

}  // namespace game
