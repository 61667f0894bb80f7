#include <iostream>
#include <memory>

#include "gallery_window.h"
#include "platform/application.h"
#include "platform/sdl/sdl_backend.h"

int main() {
    try {
        platform::Application app(std::make_unique<platform::SdlBackend>());
        app.SetTitle("Burdomir");
        app.CreateForm<gallery::GalleryWindow>();
        app.Run();
    } catch (const std::exception& e) {
        std::cerr << "burdomir_gallery: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
