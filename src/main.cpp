// Burdomir: builds the game's ten windows on the real display and runs them until the game ends.
#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "gfx/font_cache.h"
#include "platform/application.h"
#include "platform/sdl/sdl_backend.h"
#include "ui/program.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: burdomir [--help] [--version] [--seed N]\n"
    "A life-simulation game: keep a down-and-out drunkard alive hour by hour.\n"
    "Needs a graphical display (X11); reads its sound cues from sound/ in the working folder.\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "  --seed N   pin the dice: every throw starts from N (0 to 4294967295), so the same\n"
    "             moves meet the same luck; for testing the game\n";

// The whole text as a number that fits the generator's seed, or nothing.
std::optional<std::uint32_t> ParseSeed(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::uint32_t> seed;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (option == "--version") {
            std::cout << "burdomir " << BURDOMIR_VERSION << "\n";
            return 0;
        }
        if (option == "--seed") {
            seed = i + 1 < argc ? ParseSeed(argv[++i]) : std::nullopt;
            if (!seed) {
                std::cerr << "burdomir: --seed needs a number from 0 to 4294967295\n" << kUsage;
                return 2;
            }
            continue;
        }
        std::cerr << "burdomir: unknown option '" << option << "'\n" << kUsage;
        return 2;
    }
    try {
        // The display's start is the longest strand of the start-up, so its thread goes first:
        // with two cores, a thread started later waits for one while the others run.
        platform::Application app(std::make_unique<platform::SdlBackend>());
        const std::jthread fonts = gfx::FontCache::WarmUp();
        ui::Program program = seed ? ui::Program(app, [pinned = *seed] { return pinned; }) : ui::Program(app);
        program.Run();
    } catch (const std::exception& e) {
        std::cerr << "burdomir: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
