#include "gfx/font_library.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

#include "gfx/font.h"

namespace gfx {

FontLibrary::FontLibrary() {
    if (const FT_Error error = FT_Init_FreeType(&library_)) {
        throw FontError("FreeType could not start (error " + std::to_string(error) + ")");
    }
}

FontLibrary::~FontLibrary() { FT_Done_FreeType(library_); }

}  // namespace gfx
