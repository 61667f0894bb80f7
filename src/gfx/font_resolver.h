#pragma once

#include <string>
#include <string_view>

struct _FcConfig;

namespace gfx {

// A font file fontconfig chose for a family and style, and what that face really is.
struct FontFile {
    std::string path;
    int index = 0;  // face inside the file (font collections hold several)
    std::string family;
    bool bold = false;    // the face is drawn bold by its designer
    bool italic = false;  // the face is italic or oblique by its designer
};

// Resolves family names to scalable font files through a fontconfig configuration of its
// own, so that nothing depends on fontconfig's process-wide state.
class FontResolver {
public:
    // Loads the system's fontconfig configuration; throws FontError when that fails.
    FontResolver();
    ~FontResolver();
    FontResolver(const FontResolver&) = delete;
    FontResolver& operator=(const FontResolver&) = delete;

    // The best installed face for a family (after aliasing) and style; throws FontError
    // only when no font at all is installed.
    [[nodiscard]] FontFile Resolve(std::string_view logicalName, bool bold, bool italic) const;

private:
    _FcConfig* config_;
};

}  // namespace gfx
