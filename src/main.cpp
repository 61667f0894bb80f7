// Burdomir: builds the game's ten windows on the real display and runs them until the game ends.
#include <exception>
#include <iostream>
#include <memory>
#include <string_view>

#include "platform/application.h"
#include "platform/sdl/sdl_backend.h"
#include "ui/program.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: burdomir [--help] [--version]\n"
    "A life-simulation game: keep a down-and-out drunkard alive hour by hour.\n"
    "Needs a graphical display (X11); reads its sound cues from sound/ in the working folder.\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
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
        std::cerr << "burdomir: unknown option '" << option << "'\n" << kUsage;
        return 2;
    }
    try {
        platform::Application app(std::make_unique<platform::SdlBackend>());
        ui::Program program(app);
        program.Run();
    } catch (const std::exception& e) {
        std::cerr << "burdomir: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
