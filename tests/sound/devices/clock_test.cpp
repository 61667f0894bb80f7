#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using platform::Clock;

TEST(Clock, SeedIsTheCountersLowBitsOrElseTheTickCount) {
    EXPECT_EQ(Clock::PickSeed(0x1234'5678'9ABC'DEF0u, 77), 0x9ABC'DEF0u);
    EXPECT_EQ(Clock::PickSeed(std::nullopt, 0x1'0000'0007u), 7u);
}

TEST(Clock, SeedsMoveOnBetweenCalls) {
    const std::uint32_t first = Clock::SeedValue();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_NE(Clock::SeedValue(), first);
}

}  // namespace
