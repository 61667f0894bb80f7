#include "game/random.h"

#include <gtest/gtest.h>

#include <vector>

#include "fixture.h"
#include "game/rules_error.h"

using game::Random;

namespace {

TEST(RandomTest, FollowsTheFixedRecurrenceFromAZeroState) {
    Random r([] { return 0u; });
    r.Reseed();
    std::vector<uint32_t> draws;
    for (int i = 0; i < 5; ++i) draws.push_back(r.Next(100));
    EXPECT_EQ(draws, (std::vector<uint32_t>{0, 3, 86, 20, 27}));
    EXPECT_EQ(r.State(), 1172187917u);
}

TEST(RandomTest, ScalesTheStateByTheRangeAtBothEnds) {
    Random r([] { return 123456789u; });
    r.Reseed();
    EXPECT_EQ(r.Next(1), 0u);
    EXPECT_EQ(r.Next(2), 0u);
    EXPECT_EQ(r.Next(101), 39u);
    EXPECT_EQ(r.Next(420), 14u);
    EXPECT_EQ(r.Next(0xFFFFFFFFu), 3478552677u);
}

TEST(RandomTest, RefusesAnEmptyRangeAndAMissingClock) {
    Random r([] { return 1u; });
    EXPECT_THROW((void)r.Next(0), game::RulesError);
    EXPECT_THROW(Random(nullptr), game::RulesError);
}

TEST(RandomTest, SeedForDrawHitsEveryValueOfSmallAndOddRanges) {
    for (uint32_t n : {1u, 5u, 20u, 100u, 101u, 165u, 420u}) {
        for (uint32_t want = 0; want < n; ++want) {
            Random r([&] { return gametest::SeedForDraw(want, n); });
            r.Reseed();
            ASSERT_EQ(r.Next(n), want) << "range " << n;
        }
    }
}

}  // namespace
