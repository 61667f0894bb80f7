#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The time sources the game seeds its random generator from.
class Clock {
public:
    // The low 32 bits of the high-resolution performance counter, or of the millisecond
    // tick count where that counter cannot be read.
    [[nodiscard]] static std::uint32_t SeedValue();

    // The choice SeedValue makes, given what each source returned (nullopt when the
    // counter could not be read).
    [[nodiscard]] static std::uint32_t PickSeed(std::optional<std::uint64_t> counter, std::uint64_t tickMs);
};

}  // namespace platform
