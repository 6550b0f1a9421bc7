// The bet window's hint from several sets of seen cards, against the figures the engine gave when
// it worked out the dealer's odds one set of cards at a time in a plain pass over every hand the
// dealer can draw to: the faster passes must not move them.
#include <gtest/gtest.h>

#include <vector>

#include "game/coach/Coach.h"
#include "game/rules/HandValue.h"

namespace game::coach::test {

using namespace rules;
namespace {

constexpr int A = kAceValue;
constexpr double kSame = 1e-12;

struct Known {
    std::vector<int> seen;
    double value;
};

TEST(NextHandReturn, MatchesTheFiguresOfTheOneSetAtATimeEngine) {
    const std::vector<Known> known = {
        {{2, 3, 4, 5, 6, 7, 8, 9, 10, A}, 0.052588660012338133},
        {{10, 10, 10, 10, 9, 8, 7, 7, 6, 5, 5, 4, 3, 3, 2, A, 10, 10, 9, 6, 4, 2, 8, 10, 5},
         0.092598439489869594},
        {{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, A, A, A, 9,
          9,  9,  9,  8,  8,  8,  8,  7,  7,  7,  7,  6,  6, 6, 6},
         0.35000646061720864},
        {{2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, A, A, A},
         0.19233261649698036},
    };
    const Rules game;
    for (const Known& set : known) {
        SCOPED_TRACE(set.seen.size());
        EXPECT_NEAR(NextHandReturn(game, set.seen, static_cast<int>(set.seen.size())), set.value,
                    kSame);
    }
    const std::vector<int> oneOfEach = known.front().seen;
    EXPECT_NEAR(NextHandReturn(UsualTable(1), oneOfEach, 10), 0.023665867644558074, kSame);
    EXPECT_NEAR(NextHandReturn(UsualTable(Rules::kInfiniteDecks), {}, 0), -0.0065253825410144933,
                kSame);
}

TEST(NextHandReturn, FromAFullDeckMatchesTheOneSetAtATimeEngine) {
    EXPECT_NEAR(NextHandReturn(Rules{}, {}, 0), 0.037904217883139253, kSame);
}

}  // namespace
}  // namespace game::coach::test
