#include "tools/coach-chart/BestPlays.h"

#include <stdexcept>
#include <vector>

#include "game/rules/HandValue.h"

namespace coachchart {

namespace {

using game::coach::Play;
using game::rules::kAceValue;

struct Hand {
    int first;
    int second;
};

std::string CardWord(int value) {
    return value == kAceValue ? "ace" : std::to_string(value);
}

std::string Capitalised(std::string text) {
    text.front() = static_cast<char>(text.front() >= 'a' ? text.front() - 'a' + 'A' : text.front());
    return text;
}

std::string HandLabel(const Hand& hand) {
    if (hand.first == hand.second) {
        return "Pair of " + CardWord(hand.first) + (hand.first == 6 ? "es" : "s");
    }
    if (hand.second == kAceValue) {
        return "Ace and " + CardWord(hand.first) + " (soft " +
               std::to_string(hand.first + kAceValue) + ")";
    }
    return Capitalised(CardWord(hand.second)) + " and " + CardWord(hand.first) + " (" +
           std::to_string(hand.first + hand.second) + ")";
}

// Hard hands by total (the higher card first within a total), then soft hands, then pairs.
std::vector<Hand> OpeningHands() {
    std::vector<Hand> hands;
    for (int total = 5; total <= 19; ++total) {
        for (int second = 10; second >= 2; --second) {
            const int first = total - second;
            if (first >= 2 && first < second) {
                hands.push_back({first, second});
            }
        }
    }
    for (int first = 2; first <= 10; ++first) {
        hands.push_back({first, kAceValue});
    }
    for (int value = 2; value <= kAceValue; ++value) {
        hands.push_back({value, value});
    }
    return hands;
}

}  // namespace

Play BestOpeningPlay(const game::rules::Rules& rules, int first, int second, int up) {
    game::coach::Situation situation;
    situation.playerCards = {first, second};
    situation.dealerUpCard = up;
    return game::coach::BestPlay(game::coach::Evaluate(rules, situation));
}

std::string BestPlaysTable(const game::rules::Rules& rules) {
    std::string html =
        "<table id=\"best-plays\">\n"
        "<caption>The best play of each opening hand against the dealer's face-up "
        "card</caption>\n<thead>\n<tr><th scope=\"col\">Your cards</th>";
    for (int up = 2; up <= kAceValue; ++up) {
        html += "<th scope=\"col\">" + Capitalised(CardWord(up)) + "</th>";
    }
    html += "</tr>\n</thead>\n<tbody>\n";
    for (const Hand& hand : OpeningHands()) {
        html += "<tr><th scope=\"row\">" + HandLabel(hand) + "</th>";
        for (int up = 2; up <= kAceValue; ++up) {
            html += "<td>" +
                    std::string(game::coach::PlayName(
                        BestOpeningPlay(rules, hand.first, hand.second, up))) +
                    "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</tbody>\n</table>\n";
}

std::string FillIn(std::string_view document, std::string_view table) {
    const std::size_t at = document.find(kTableMarker);
    if (at == std::string_view::npos) {
        throw std::runtime_error("the help document has no line " + std::string(kTableMarker));
    }
    std::size_t end = at + kTableMarker.size();
    if (end < document.size() && document[end] == '\n') {
        ++end;
    }
    return std::string(document.substr(0, at)) + std::string(table) +
           std::string(document.substr(end));
}

}  // namespace coachchart
