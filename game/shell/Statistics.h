// The player's statistics: what the hands of this game and of all games so far came to. "All
// time" is kept in the settings store (section "Statistics"); "this game" starts again with each
// new stake.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace game {

// The figures of one column.
struct Tally {
    std::int64_t handsPlayed = 0;  // every hand settled; each hand of a split counts
    std::int64_t handsWon = 0;
    std::int64_t handsLost = 0;
    std::int64_t handsDrawn = 0;
    std::int64_t blackjacks = 0;  // the player's, whatever the dealer held
    std::int64_t fiveCardWins = 0;
    std::int64_t doublesWon = 0;
    std::int64_t doublesLost = 0;
    std::int64_t splits = 0;
    std::int64_t insuranceWon = 0;
    std::int64_t insuranceLost = 0;
    std::int64_t highestStakes = 0;  // the most money held at the start or after a hand
    std::int64_t netMoney = 0;       // what the hands won, less what they lost

    friend bool operator==(const Tally&, const Tally&) = default;
};

// How a figure is kept, told and added up.
enum class FigureKind { Count, HighestMoney, NetMoney };

struct Figure {
    std::int64_t Tally::*field;
    std::string_view storeName;  // its value name in the settings store
    std::string_view label;      // how the statistics window names it
    FigureKind kind;
};

inline constexpr std::array<Figure, 13> kFigures{{
    {&Tally::handsPlayed, "HandsPlayed", "Hands played", FigureKind::Count},
    {&Tally::handsWon, "HandsWon", "Won", FigureKind::Count},
    {&Tally::handsLost, "HandsLost", "Lost", FigureKind::Count},
    {&Tally::handsDrawn, "HandsDrawn", "Drawn", FigureKind::Count},
    {&Tally::blackjacks, "Blackjacks", "Blackjacks", FigureKind::Count},
    {&Tally::fiveCardWins, "FiveCardWins", "Five-card wins", FigureKind::Count},
    {&Tally::doublesWon, "DoublesWon", "Doubles won", FigureKind::Count},
    {&Tally::doublesLost, "DoublesLost", "Doubles lost", FigureKind::Count},
    {&Tally::splits, "Splits", "Splits", FigureKind::Count},
    {&Tally::insuranceWon, "InsuranceWon", "Insurance bets won", FigureKind::Count},
    {&Tally::insuranceLost, "InsuranceLost", "Insurance bets lost", FigureKind::Count},
    {&Tally::highestStakes, "HighestStakes", "Highest stakes", FigureKind::HighestMoney},
    {&Tally::netMoney, "NetMoney", "Net money", FigureKind::NetMoney},
}};

class Statistics {
public:
    const Tally& ThisGame() const { return m_thisGame; }
    const Tally& AllTime() const { return m_allTime; }

    // The all-time figures as stored.
    void SetAllTime(const Tally& allTime) { m_allTime = allTime; }
    // A new game with this stake: this game's figures start again.
    void BeginGame(std::int64_t stakes);
    // Adds a settled deal (its counts; its money comes from the stakes, which it left at
    // `stakes`) to both columns.
    void CountDeal(Tally deal, std::int64_t stakes);
    void ResetAllTime() { m_allTime = {}; }

private:
    Tally m_thisGame;
    Tally m_allTime;
    // The stakes after the last deal counted, or at the start of the game.
    std::optional<std::int64_t> m_stakes;
};

// `into` with every figure of `deal` added (the highest stakes: the higher of the two).
Tally Added(Tally into, const Tally& deal);

// F7's account of a game: "12 hands: 5 won, 6 lost, 1 drawn. Up $150."
std::string GameSummary(const Tally& game);

// Both columns, one figure a line ("Hands played: 12 this game, 340 all time"), lines joined
// with CR LF.
std::string StatisticsText(const Statistics& statistics);

}  // namespace game
