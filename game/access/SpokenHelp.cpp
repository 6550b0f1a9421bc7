#include "game/access/SpokenHelp.h"

#include "game/access/Speech.h"

namespace game {

void SpeakHelp(Game& game, std::span<const std::string_view> sentences) {
    StopSpeech(game);
    for (const std::string_view sentence : sentences) {
        Speak(game, sentence);
    }
}

}  // namespace game
