#include "game/shell/Statistics.h"

#include <algorithm>

#include "game/shell/Text.h"

namespace game {

namespace {

std::string Money(std::int64_t amount) {
    return "$" + std::to_string(amount);
}

// "up $150", "down $40" or "even".
std::string NetWords(std::int64_t net) {
    if (net > 0) {
        return "up " + Money(net);
    }
    if (net < 0) {
        return "down " + Money(-net);
    }
    return "even";
}

std::string Told(const Figure& figure, std::int64_t value) {
    switch (figure.kind) {
        case FigureKind::Count:
            return std::to_string(value);
        case FigureKind::HighestMoney:
            return Money(value);
        case FigureKind::NetMoney:
            return NetWords(value);
    }
    return {};
}

}  // namespace

void Statistics::BeginGame(std::int64_t stakes) {
    m_thisGame = {};
    m_thisGame.highestStakes = stakes;
    m_allTime.highestStakes = std::max(m_allTime.highestStakes, stakes);
    m_stakes = stakes;
}

void Statistics::CountDeal(Tally deal, std::int64_t stakes) {
    // Without a game begun there is nothing to measure the money against.
    deal.netMoney = stakes - m_stakes.value_or(stakes);
    deal.highestStakes = stakes;
    m_stakes = stakes;
    m_thisGame = Added(m_thisGame, deal);
    m_allTime = Added(m_allTime, deal);
}

Tally Added(Tally into, const Tally& deal) {
    for (const Figure& figure : kFigures) {
        std::int64_t& value = into.*figure.field;
        const std::int64_t more = deal.*figure.field;
        value = figure.kind == FigureKind::HighestMoney ? std::max(value, more) : value + more;
    }
    return into;
}

std::string GameSummary(const Tally& game) {
    if (game.handsPlayed == 0) {
        return "No hands played in this game yet.";
    }
    std::string net = NetWords(game.netMoney);
    net[0] = static_cast<char>(net[0] - 'a' + 'A');
    return std::to_string(game.handsPlayed) + (game.handsPlayed == 1 ? " hand: " : " hands: ") +
           std::to_string(game.handsWon) + " won, " + std::to_string(game.handsLost) + " lost, " +
           std::to_string(game.handsDrawn) + " drawn. " + net + ".";
}

std::string StatisticsText(const Statistics& statistics) {
    std::string text;
    for (const Figure& figure : kFigures) {
        if (!text.empty()) {
            text += kLineBreak;
        }
        text += std::string(figure.label) + ": " +
                Told(figure, statistics.ThisGame().*figure.field) + " this game, " +
                Told(figure, statistics.AllTime().*figure.field) + " all time";
    }
    return text;
}

}  // namespace game
