#include "game/cards/HandDisplay.h"

#include <string>

#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/Text.h"

namespace game {

namespace {

void AppendLine(ui::Control& box, std::string_view text) {
    std::string content = box.Caption();
    content.append(text).append(kLineBreak);
    box.SetCaption(std::move(content));
}

}  // namespace

void AddToPlayer(Game& game, std::string_view cardName) {
    Guarded(game, Report::MessageBox, " in AddToPlayer()", [&] {
        AppendLine(game.GameScreen.txtPlayer, cardName);
        Speak(game, " you drew the " + std::string(cardName));
    });
}

void AddToDealer(Game& game, std::string_view text) {
    Guarded(game, Report::MessageBox, " in AddToDealer()",
            [&] { AppendLine(game.GameScreen.txtDealer, text); });
}

void ClearPlayerTextBox(Game& game) {
    Guarded(game, Report::MessageBox, " in ClearPlayerTextBox()",
            [&] { game.GameScreen.txtPlayer.SetCaption(std::string(kLineBreak)); });
}

void ClearDealerTextBox(Game& game) {
    Guarded(game, Report::MessageBox, " in ClearDealerTextBox()",
            [&] { game.GameScreen.txtDealer.SetCaption(std::string(kLineBreak)); });
}

void ReadPlayerCards(Game& game) {
    Guarded(game, Report::MessageBox, " in ReadPlayerCards()", [&] {
        const GameState& state = game.state;
        if (!state.GameInProgress) {
            Speak(game, "Can't read player cards.  No game in progress.");
            return;
        }
        Speak(game, "Your cards ");
        for (int slot = 1; slot <= state.PlayerCardCount; ++slot) {
            Speak(game, state.PlayerCardNames[slot].Text());
        }
    });
}

void ReadDealerCards(Game& game) {
    Guarded(game, Report::MessageBox, " in ReadDealerCards()", [&] {
        const GameState& state = game.state;
        if (!state.GameInProgress) {
            Speak(game, "Can't read dealer cards.  No game in progress.");
            return;
        }
        Speak(game, "Dealer's card");
        // Slot 1 is the face-down card.
        for (int slot = 2; slot <= state.DealerCardCount; ++slot) {
            Speak(game, state.DealerCardNames[slot].Text());
        }
    });
}

}  // namespace game
