// Burdomir: builds the game's ten windows on the real display and runs them until the game ends.
#include <exception>
#include <iostream>
#include <memory>

#include "platform/application.h"
#include "platform/sdl/sdl_backend.h"
#include "ui/program.h"

int main() {
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
