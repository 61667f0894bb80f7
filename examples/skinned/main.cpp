#include <iostream>
#include <memory>

#include "platform/sdl/sdl_backend.h"
#include "skinned_windows.h"

int main() {
    try {
        platform::Application app(std::make_unique<platform::SdlBackend>());
        app.SetTitle("Burdomir");
        app.CreateForm<skinned::MainWindow>();
        app.Run();
    } catch (const std::exception& e) {
        std::cerr << "burdomir_skinned: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
