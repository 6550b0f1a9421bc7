// The end of a split: the dealer plays once against every hand still standing, each hand is
// settled on the bet, and the results of all the hands are presented together.
#pragma once

namespace game {

struct Game;

// The dealer's turn after the last split hand: draws to 17, then settles each standing hand.
void SplitDealToDealer(Game& game);
// One more card to the dealer; over 21 settles the standing hands at once.
void SplitDealerDraw(Game& game);
// The dealer went over 21: every standing hand wins its bet.
void SplitDealerBusted(Game& game);
// Ends the split and arms tmrSplit, whose tick presents the results.
void SplitDisplayResults(Game& game);
// Gathers the insurance report (settling the side bet, the one time it is settled) and each
// hand's result into the results text, and opens the results frame.
void tmrSplit_Timer(Game& game);

}  // namespace game
