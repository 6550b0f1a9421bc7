#include "game/cards/Cards.h"

#include <array>
#include <optional>
#include <string_view>

#include "game/shell/GameError.h"
#include "game/shell/Text.h"

namespace game {

namespace {

constexpr int kRanksPerSuit = 13;
constexpr std::array<std::string_view, 4> kSuitWords = {" of Spades", " of Diamonds", " of Clubs",
                                                        " of Hearts"};

struct CardFace {
    int suit;  // 0 to 3, in the order of kSuitWords
    int rank;  // 1 (ace) to 13 (king)
};

std::optional<CardFace> FaceOf(Int16 card) {
    if (card < 1 || card > kRanksPerSuit * static_cast<int>(kSuitWords.size())) {
        return std::nullopt;
    }
    const int index = card - 1;
    return CardFace{index / kRanksPerSuit, index % kRanksPerSuit + 1};
}

std::string RankWord(int rank) {
    switch (rank) {
        case 1:
            return "Ace";
        case 11:
            return "Jack";
        case 12:
            return "Queen";
        case 13:
            return "King";
        default:
            return std::to_string(rank);
    }
}

}  // namespace

std::string GetCardString(Int16 card) {
    const std::optional<CardFace> face = FaceOf(card);
    if (!face) {
        return {};
    }
    return std::string(TrimSpaces(RankWord(face->rank) + std::string(kSuitWords[face->suit])));
}

Int16 CardNumberOf(std::string_view name) {
    const std::string_view trimmed = TrimSpaces(name);
    for (Int16 card = 1; card <= kRanksPerSuit * static_cast<int>(kSuitWords.size()); card += 1) {
        if (GetCardString(card) == trimmed) {
            return card;
        }
    }
    throw GameError("No card is named " + std::string(trimmed));
}

Int16 GetCardValue(Int16 card) {
    const std::optional<CardFace> face = FaceOf(card);
    if (!face) {
        return 0;
    }
    if (face->rank == 1) {
        return 11;
    }
    return face->rank > 10 ? 10 : face->rank;
}

}  // namespace game
