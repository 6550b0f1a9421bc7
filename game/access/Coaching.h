// The coach at the table: F8's hint on the hand in play (the figures of every play at a second
// press), F8's worth of the next hand in the stakes and bet windows, and the option "Coach warns
// me". None of it changes the game's state, speech order or pauses.
#pragma once

#include <optional>

#include "game/coach/Coach.h"

namespace game {

struct Game;

// The hand the player is deciding on, as the coach sees it; none while no play may be made now.
std::optional<coach::Situation> CoachSituation(const Game& game);

// F8 at the table: the best play and by how much, or, at the next F8 on the same hand, the
// figures of every play. Silences the reader first.
void SpeakCoachHint(Game& game);

// A key on the table's other controls (the dealer's cards and the play buttons): F8 is the coach's,
// taken from the control; every other key keeps its usual meaning there.
void TableControl_KeyDown(Game& game, int& keyCode);

// F8 in the stakes or bet window: the next hand's expected return per dollar.
void SpeakNextHandValue(Game& game);

// Runs a play's handler; with the warning on and the play costing more than two cents a dollar
// against the best one, a sentence naming the better play follows the play's first words.
void CoachedPlay(Game& game, coach::Play play, void (*handler)(Game&));

// The option "Coach warns me": read from the settings store at start, switched by its menu item.
void LoadCoachWarns(Game& game);
void mnuOptionsCoachWarns_Click(Game& game);

}  // namespace game
