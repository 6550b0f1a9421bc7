#include "game/shell/StatisticsKeeping.h"

#include <cstdint>
#include <exception>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "game/shell/StoredNumber.h"

namespace game {

namespace {

constexpr std::string_view kSection = "Statistics";

void SaveAllTime(Game& game, const Tally& allTime) {
    std::vector<settings::Store::NamedValue> values;
    values.reserve(kFigures.size());
    for (const Figure& figure : kFigures) {
        values.emplace_back(std::string(figure.storeName), std::to_string(allTime.*figure.field));
    }
    // Written after every deal, so the trace would fill with them: the copy reports nothing.
    settings::Store quiet = game.store;
    quiet.onWrite = nullptr;
    quiet.SetValues(SectionKey(kSection), values);
}

}  // namespace

void LoadStatistics(Game& game) {
    Tally allTime;
    for (const Figure& figure : kFigures) {
        const std::int64_t lowest =
            figure.kind == FigureKind::NetMoney ? std::numeric_limits<std::int64_t>::min() : 0;
        allTime.*figure.field = ReadStoredNumber(game.store, kSection, figure.storeName, lowest,
                                                 std::numeric_limits<std::int64_t>::max())
                                    .value_or(0);
    }
    game.statistics.SetAllTime(allTime);
}

void BeginGameStatistics(Game& game) {
    game.dealTally = {};
    game.statistics.BeginGame(game.state.Stakes);
}

void CountHand(Game& game, const CountedHand& hand) {
    Tally& deal = game.dealTally;
    ++deal.handsPlayed;
    switch (hand.result) {
        case rules::Result::Win:
        case rules::Result::BlackjackWin:
            ++deal.handsWon;
            deal.fiveCardWins += hand.fiveCards ? 1 : 0;
            deal.doublesWon += hand.doubled ? 1 : 0;
            break;
        case rules::Result::Lose:
            ++deal.handsLost;
            deal.doublesLost += hand.doubled ? 1 : 0;
            break;
        case rules::Result::Draw:
            ++deal.handsDrawn;
            break;
    }
    deal.blackjacks += hand.blackJack ? 1 : 0;
}

void CountInsurance(Game& game, rules::Result result) {
    if (result == rules::Result::Win) {
        ++game.dealTally.insuranceWon;
    } else {
        ++game.dealTally.insuranceLost;
    }
}

void CountSplit(Game& game) {
    ++game.dealTally.splits;
}

void EndDealStatistics(Game& game) {
    game.statistics.CountDeal(game.dealTally, game.state.Stakes);
    game.dealTally = {};
    try {
        SaveAllTime(game, game.statistics.AllTime());
    } catch (const std::exception& error) {
        // A hand must not stop for its bookkeeping: the figures stay in memory and the next
        // deal writes all of them again.
        std::cerr << "ventra: the statistics could not be stored: " << error.what() << '\n';
    }
}

void ResetAllTimeStatistics(Game& game) {
    // Stored first: when the store fails, the figures stay as they are, as the player is told.
    SaveAllTime(game, Tally{});
    game.statistics.ResetAllTime();
}

}  // namespace game
