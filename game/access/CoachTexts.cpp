#include "game/access/CoachTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace game {

namespace {

using coach::Play;
using coach::PlayValues;

struct Figure {
    Play play;
    double value;
};

std::string NameOf(Play play) {
    return std::string(coach::PlayName(play));
}

std::string Capitalised(std::string text) {
    if (!text.empty()) {
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    }
    return text;
}

long WholeCents(double perDollar) {
    return std::lround(std::abs(perDollar) * 100.0);
}

std::string Cents(long cents) {
    return std::to_string(cents) + (cents == 1 ? " cent" : " cents");
}

// "wins 4 cents a dollar", "loses 17 cents a dollar" or "breaks even".
std::string Outcome(double perDollar) {
    const long cents = WholeCents(perDollar);
    if (cents == 0) {
        return "breaks even";
    }
    return (perDollar > 0.0 ? "wins " : "loses ") + Cents(cents) + " a dollar";
}

// The open plays, best first; of equal values the engine's order (stay, hit, double, split).
std::vector<Figure> Ranked(const PlayValues& values) {
    std::vector<Figure> figures;
    for (const Play play : {Play::Stay, Play::Hit, Play::DoubleDown, Play::Split}) {
        if (const std::optional<double> value = values.ValueOf(play)) {
            figures.push_back({play, *value});
        }
    }
    std::stable_sort(figures.begin(), figures.end(),
                     [](const Figure& a, const Figure& b) { return a.value > b.value; });
    return figures;
}

// How the better play compares with the other: "wins 4 cents a dollar more than hit".
std::string Margin(const Figure& better, const Figure& other) {
    const std::string cents = Cents(WholeCents(better.value - other.value)) + " a dollar ";
    const std::string than = "than " + NameOf(other.play);
    return better.value > 0.0 ? "wins " + cents + "more " + than
                              : "loses " + cents + "less " + than;
}

std::string InsuranceWorthTaking(const PlayValues& values) {
    if (!values.insurance || WholeCents(*values.insurance) == 0 || *values.insurance < 0.0) {
        return "";
    }
    return " Take insurance: it " + Outcome(*values.insurance) + ".";
}

}  // namespace

std::string BestPlayText(const PlayValues& values) {
    const std::vector<Figure> figures = Ranked(values);
    const Figure& best = figures.front();
    std::string text;
    if (figures.size() == 1) {
        text = "Only " + NameOf(best.play) + " is open: it " + Outcome(best.value) + ".";
    } else if (WholeCents(best.value - figures[1].value) == 0) {
        text = "Best: " + NameOf(best.play) + " or " + NameOf(figures[1].play) +
               ", equal to the cent: each " + Outcome(best.value) + ".";
    } else {
        text = "Best: " + NameOf(best.play) + ". " + Capitalised(NameOf(best.play)) + " " +
               Margin(best, figures[1]) + ".";
    }
    return text + InsuranceWorthTaking(values);
}

std::string FiguresText(const PlayValues& values) {
    std::string text;
    for (const Figure& figure : Ranked(values)) {
        text += (text.empty() ? "" : " ") + Capitalised(NameOf(figure.play)) + " " +
                Outcome(figure.value) + ".";
    }
    if (values.insurance) {
        text += " Insurance " + Outcome(*values.insurance) + ".";
    }
    return text;
}

std::string WarningText(const PlayValues& values, Play chosen) {
    const std::optional<double> value = values.ValueOf(chosen);
    if (!value) {
        return "";
    }
    const Figure best = Ranked(values).front();
    if (best.value - *value <= kWarningCost) {
        return "";
    }
    return "Coach: " + NameOf(best.play) + " was better. It " +
           Margin(best, Figure{chosen, *value}) + ".";
}

std::string NextHandText(double value) {
    char tenths[32];
    std::snprintf(tenths, sizeof tenths, "%.1f", std::abs(value) * 100.0);
    const std::string cents = std::string(tenths) + " cents a dollar";
    return "Played at its best, the next hand " +
           (value >= 0.0 ? "wins " + cents : "loses " + cents) + " on average.";
}

}  // namespace game
