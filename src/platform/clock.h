#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The time sources the game seeds its random generator from, and the steady millisecond
// tick the real window system and its audio keep their time in.
class Clock {
public:
    // Milliseconds of the system's steady clock: never set back, counted from boot.
    [[nodiscard]] static std::uint64_t TickMs();

    // The low 32 bits of the high-resolution performance counter, or of the millisecond
    // tick count where that counter cannot be read.
    [[nodiscard]] static std::uint32_t SeedValue();

    // The choice SeedValue makes, given what each source returned (nullopt when the
    // counter could not be read).
    [[nodiscard]] static std::uint32_t PickSeed(std::optional<std::uint64_t> counter, std::uint64_t tickMs);
};

}  // namespace platform
