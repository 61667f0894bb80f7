#include "support/golden.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "gfx/png.h"

namespace testsupport {
namespace {

// A golden name becomes a file name, so it may not reach outside the golden folder.
bool IsPlainName(const std::string& name) {
    if (name.empty() || name.front() == '.') return false;
    for (const char c : name) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                             c == '-' || c == '.';
        if (!allowed) return false;
    }
    return true;
}

bool UpdateRequested() {
    const char* value = std::getenv("UPDATE_GOLDEN");
    return value && std::string_view(value) == "1";
}

std::string Hex(gfx::Pixel p) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(p));
    return text;
}

// Saves the image the test produced so that it can be looked at; returns where it went.
std::string SaveFailure(const gfx::Bitmap& image, const std::string& name) {
    const std::filesystem::path dir = "golden-failures";
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / (name + ".png");
    gfx::SavePngFile(image, path.string());
    return std::filesystem::absolute(path).string();
}

}  // namespace

::testing::AssertionResult MatchesGolden(const gfx::Bitmap& image, const std::string& name) {
    if (!IsPlainName(name)) {
        return ::testing::AssertionFailure()
               << "golden name '" << name << "' must use only letters, digits, '_', '-' and '.'";
    }
    const std::string goldenPath = std::string(BURDOMIR_GOLDEN_DIR) + "/" + name + ".png";
    try {
        if (UpdateRequested()) {
            gfx::SavePngFile(image, goldenPath);
            return ::testing::AssertionSuccess() << "wrote " << goldenPath;
        }
        if (!std::filesystem::exists(goldenPath)) {
            return ::testing::AssertionFailure()
                   << "no golden image " << goldenPath << "; run with UPDATE_GOLDEN=1 and look at the result";
        }
        const gfx::Bitmap golden = gfx::LoadPngFile(goldenPath);
        if (golden.size() != image.size()) {
            return ::testing::AssertionFailure()
                   << name << " is " << image.width() << " x " << image.height() << " but " << goldenPath << " is "
                   << golden.width() << " x " << golden.height() << "; actual saved as " << SaveFailure(image, name);
        }
        long differing = 0;
        int firstX = -1;
        int firstY = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.row(y)[x] == golden.row(y)[x]) continue;
                if (differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
        if (differing == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << differing << " pixels differ from " << goldenPath << ", the first at (" << firstX << ", " << firstY
               << "): expected " << Hex(golden.row(firstY)[firstX]) << ", got " << Hex(image.row(firstY)[firstX])
               << "; actual saved as " << SaveFailure(image, name);
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "golden image " << name << ": " << e.what();
    }
}

}  // namespace testsupport
