// The main window: four frames shown one at a time (the table, stakes, bet and results), the
// hidden wave control's place, the Game, Options and Help menus and the five timers.
#pragma once

#include "platform/ui/Form.h"

namespace game {

class GameScreenForm : public ui::Form {
public:
    explicit GameScreenForm(ui::Backend& backend);

    // The table.
    ui::Control& frameGameScreen;
    ui::Control& txtPlayer;
    ui::Control& lblPlayer;
    ui::Control& txtDealer;
    ui::Control& btnHit;
    ui::Control& btnStay;
    ui::Control& btnDouble;
    ui::Control& btnSplit;
    ui::Control& btnInsurance;
    ui::Control& lblDealer;
    ui::Control& lblStakes;
    ui::Control& lblBet;

    ui::Control& frameStakes;
    ui::Control& btnStakesOK;
    ui::Control& lblStakesAmount;
    ui::Control& lstStakes;

    ui::Control& frameBet;
    ui::Control& btnBetOK;
    ui::Control& lblBetAmount;
    ui::Control& lstBet;

    ui::Control& frameResults;
    ui::Control& btnExitGame;
    ui::Control& txtResults;
    ui::Control& btnSameBet;
    ui::Control& btnNewBet;

    // Where the wave control that plays the sounds is created; never shown.
    ui::Control& Sonivel1;

    ui::MenuItem& mnuGame;
    ui::MenuItem& mnuGameNew;
    ui::MenuItem& mnuGameReader;
    ui::MenuItem& mnuGameStatistics;
    ui::MenuItem& mnuGameExit;
    // The player's own settings; a new item goes in this list and in the constructor.
    ui::MenuItem& mnuOptions;
    ui::MenuItem& mnuOptionsFaster;
    ui::MenuItem& mnuOptionsSlower;
    ui::MenuItem& mnuOptionsLouder;
    ui::MenuItem& mnuOptionsSofter;
    ui::MenuItem& mnuOptionsSounds;
    // The coach's warning after a costly play, on or off.
    ui::MenuItem& mnuOptionsCoachWarns;
    ui::MenuItem& mnuHelp;
    ui::MenuItem& mnuHelpContents;
    ui::MenuItem& mnuHelpAbout;

    ui::Timer& tmrBeginGame;
    ui::Timer& tmrPlayerWins;
    ui::Timer& tmrDealerWins;
    ui::Timer& tmrDraw;
    ui::Timer& tmrSplit;

    // Forces a reshuffle at the next deal.
    bool ShuffleNeeded = false;
};

}  // namespace game
