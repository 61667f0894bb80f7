#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace platform {
namespace {

// Nanoseconds of the raw monotonic clock: the finest counter the system offers.
std::optional<std::uint64_t> PerformanceCounter() {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC_RAW, &now) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(now.tv_nsec);
}

}  // namespace

std::uint64_t Clock::TickMs() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

std::uint32_t Clock::SeedValue() { return PickSeed(PerformanceCounter(), TickMs()); }

std::uint32_t Clock::PickSeed(std::optional<std::uint64_t> counter, std::uint64_t tickMs) {
    return static_cast<std::uint32_t>(counter.value_or(tickMs));
}

}  // namespace platform
