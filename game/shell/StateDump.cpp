#include "game/shell/StateDump.h"

#include <string>

#include "game/shell/Game.h"

namespace game {

namespace {

json::Value Number(std::int64_t value) {
    return json::Value(value);
}

template <class Item, std::size_t N>
json::Value Numbers(const CheckedArray<Item, N>& items) {
    json::Value::Array array;
    for (const Item& item : items) {
        array.emplace_back(Number(item));
    }
    return array;
}

template <class Item, std::size_t N>
json::Value Texts(const CheckedArray<Item, N>& items) {
    json::Value::Array array;
    for (const Item& item : items) {
        array.emplace_back(static_cast<const std::string&>(item));
    }
    return array;
}

json::Value SplitHands(const GameState& state) {
    json::Value::Array hands;
    for (const SplitHand& hand : state.SplitHands) {
        hands.emplace_back(json::Value::Object{{"CardCount", Number(hand.CardCount)},
                                               {"Total", Number(hand.Total)},
                                               {"CardValues", Numbers(hand.CardValues)},
                                               {"CardNames", Texts(hand.CardNames)},
                                               {"Outcome", Number(hand.Outcome)},
                                               {"ResultText", hand.ResultText}});
    }
    return hands;
}

}  // namespace

json::Value::Object DumpState(const Game& game) {
    const GameState& s = game.state;
    return {
        {"Stakes", Number(s.Stakes)},
        {"Bet", Number(s.Bet)},
        {"BetListIndex", Number(s.BetListIndex)},
        {"BetBeforeDouble", Number(s.BetBeforeDouble)},
        {"InsuranceBet", Number(s.InsuranceBet)},
        {"PlayerCardValues", Numbers(s.PlayerCardValues)},
        {"PlayerCardNames", Texts(s.PlayerCardNames)},
        {"PlayerCardCount", Number(s.PlayerCardCount)},
        {"PlayerTotal", Number(s.PlayerTotal)},
        {"DealerCardValues", Numbers(s.DealerCardValues)},
        {"DealerCardNames", Texts(s.DealerCardNames)},
        {"DealerCardCount", Number(s.DealerCardCount)},
        {"DealerTotal", Number(s.DealerTotal)},
        {"Deck", Numbers(s.Deck)},
        {"DealPosition", Number(s.DealPosition)},
        {"ShuffleNeeded", game.GameScreen.ShuffleNeeded},
        {"GameInProgress", s.GameInProgress},
        {"InsuranceAvailable", s.InsuranceAvailable},
        {"InsuranceTaken", s.InsuranceTaken},
        {"DoubledDown", s.DoubledDown},
        {"PlayerWinsText", s.PlayerWinsText},
        {"DealerWinsText", s.DealerWinsText},
        {"DrawText", s.DrawText},
        {"ResultsText", s.ResultsText},
        {"NextHandChoice", Number(s.NextHandChoice)},
        {"SplitHands", SplitHands(s)},
        {"SplitHandIndex", Number(s.SplitHandIndex)},
        {"SplitInProgress", s.SplitInProgress},
        {"SplitCount", Number(s.SplitCount)},
        {"SplitAces", s.SplitAces},
        {"ScreenReader", s.ScreenReader},
        // An object reference: whether a Window-Eyes voice is held.
        {"WESpeech", s.WESpeech != nullptr},
    };
}

}  // namespace game
