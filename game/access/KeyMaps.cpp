#include "game/access/KeyMaps.h"

#include <algorithm>

#include "game/access/ScreenReader.h"

namespace game {

const KeyMap& KeyMapInForce(const Game& game) {
    return ReaderIs(game, kJfw) ? kJawsKeyMap : kLetterKeyMap;
}

const KeyBinding* FindKey(const KeyMap& map, int keyCode) {
    const auto found =
        std::find_if(map.keys.begin(), map.keys.end(),
                     [keyCode](const KeyBinding& key) { return key.keyCode == keyCode; });
    return found != map.keys.end() ? &*found : nullptr;
}

}  // namespace game
