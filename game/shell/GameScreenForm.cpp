#include "game/shell/GameScreenForm.h"

namespace game {

using ui::ControlKind;

GameScreenForm::GameScreenForm(ui::Backend& backend)
    : ui::Form(backend, "GameScreen", "Ventrelle"),
      frameGameScreen(AddControl("frameGameScreen", ControlKind::Frame, "", 4)),
      txtPlayer(AddControl("txtPlayer", ControlKind::TextBox, "", 0, &frameGameScreen)),
      lblPlayer(AddControl("lblPlayer", ControlKind::Label, "Player", 1, &frameGameScreen)),
      txtDealer(AddControl("txtDealer", ControlKind::TextBox, "", 5, &frameGameScreen)),
      btnHit(AddControl("btnHit", ControlKind::Button, "Hit", 6, &frameGameScreen)),
      btnStay(AddControl("btnStay", ControlKind::Button, "Stay", 7, &frameGameScreen)),
      btnDouble(AddControl("btnDouble", ControlKind::Button, "Double Down", 8, &frameGameScreen)),
      btnSplit(AddControl("btnSplit", ControlKind::Button, "Split Pair", 9, &frameGameScreen)),
      btnInsurance(
          AddControl("btnInsurance", ControlKind::Button, "Insurance", 10, &frameGameScreen)),
      lblDealer(AddControl("lblDealer", ControlKind::Label, "Dealer", 11, &frameGameScreen)),
      lblStakes(AddControl("lblStakes", ControlKind::Label, "", 12, &frameGameScreen)),
      lblBet(AddControl("lblBet", ControlKind::Label, "", 13, &frameGameScreen)),
      frameStakes(AddControl("frameStakes", ControlKind::Frame, "", 15)),
      btnStakesOK(AddControl("btnStakesOK", ControlKind::Button, "OK", 2, &frameStakes)),
      lblStakesAmount(
          AddControl("lblStakesAmount", ControlKind::Label, "Stakes", 16, &frameStakes)),
      lstStakes(AddControl("lstStakes", ControlKind::ListBox, "", 17, &frameStakes)),
      frameBet(AddControl("frameBet", ControlKind::Frame, "", 18)),
      btnBetOK(AddControl("btnBetOK", ControlKind::Button, "OK", 19, &frameBet)),
      lblBetAmount(AddControl("lblBetAmount", ControlKind::Label, "Bet Amount", 20, &frameBet)),
      lstBet(AddControl("lstBet", ControlKind::ListBox, "", 21, &frameBet)),
      frameResults(AddControl("frameResults", ControlKind::Frame, "", 22)),
      btnExitGame(AddControl("btnExitGame", ControlKind::Button, "E&xit Game", 3, &frameResults)),
      txtResults(AddControl("txtResults", ControlKind::TextBox, "", 23, &frameResults)),
      btnSameBet(AddControl("btnSameBet", ControlKind::Button, "&Same Bet", 24, &frameResults)),
      btnNewBet(AddControl("btnNewBet", ControlKind::Button, "&New Bet", 25, &frameResults)),
      Sonivel1(AddControl("Sonivel1", ControlKind::ObjectHost, "", 14)),
      mnuGame(AddMenu("mnuGame", "&Game")),
      mnuGameNew(mnuGame.Add("mnuGameNew", "&New Game ", 'N')),
      mnuGameReader(mnuGame.Add("mnuGameReader", "&Screen Reader...")),
      mnuGameStatistics(mnuGame.Add("mnuGameStatistics", "S&tatistics...")),
      mnuGameExit(mnuGame.Add("mnuGameExit", "E&xit Program")),
      mnuOptions(AddMenu("mnuOptions", "&Options")),
      mnuOptionsFaster(mnuOptions.Add("mnuOptionsFaster", "Speak &faster")),
      mnuOptionsSlower(mnuOptions.Add("mnuOptionsSlower", "Speak &slower")),
      mnuOptionsLouder(mnuOptions.Add("mnuOptionsLouder", "Sounds &louder")),
      mnuOptionsSofter(mnuOptions.Add("mnuOptionsSofter", "Sounds sof&ter")),
      mnuOptionsSounds(mnuOptions.Add("mnuOptionsSounds", "Sounds &off/on")),
      mnuOptionsCoachWarns(mnuOptions.Add("mnuOptionsCoachWarns", "Coach &warns me")),
      mnuHelp(AddMenu("mnuHelp", "&Help")),
      mnuHelpContents(mnuHelp.Add("mnuHelpContents", "&Help Topics F1 ")),
      mnuHelpAbout(mnuHelp.Add("mnuHelpAbout", "&About Ventrelle...")),
      tmrBeginGame(AddTimer("tmrBeginGame", 1000)),
      tmrPlayerWins(AddTimer("tmrPlayerWins", 100)),
      tmrDealerWins(AddTimer("tmrDealerWins", 100)),
      tmrDraw(AddTimer("tmrDraw", 100)),
      tmrSplit(AddTimer("tmrSplit", 100)) {
    // The four frames share one place in the window; the game shows one at a time.
    for (ui::Control* frame : {&frameGameScreen, &frameStakes, &frameBet, &frameResults}) {
        frame->SetVisible(false);
    }
    // Off until the stored choice is read.
    mnuOptionsCoachWarns.SetMark(ui::CheckMark::Off);
}

}  // namespace game
