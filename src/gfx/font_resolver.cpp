#include "gfx/font_resolver.h"

#include <fontconfig/fontconfig.h>

#include <memory>

#include "gfx/font.h"
#include "gfx/font_alias.h"

namespace gfx {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

}  // namespace

FontResolver::FontResolver() : config_(FcInitLoadConfigAndFonts()) {
    if (!config_) {
        throw FontError("fontconfig could not load its configuration; check that the fontconfig package is installed");
    }
}

FontResolver::~FontResolver() { FcConfigDestroy(config_); }

FontFile FontResolver::Resolve(std::string_view logicalName, bool bold, bool italic) const {
    const std::string family(FontconfigFamily(logicalName));
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) throw FontError("out of memory while resolving font '" + family + "'");
    if (!family.empty()) {
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    // Glyphs are scaled to any pixel size, so bitmap-only faces are never wanted.
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config_, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config_, pattern.get(), &result));
    FcChar8* path = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || !path) {
        throw FontError("no installed font matches '" + std::string(logicalName) +
                        "'; install fonts-liberation2 (or any scalable font)");
    }

    FontFile file;
    file.path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &file.index);
    FcChar8* matchedFamily = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) == FcResultMatch && matchedFamily) {
        file.family = reinterpret_cast<const char*>(matchedFamily);
    }
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
    file.bold = weight >= FC_WEIGHT_DEMIBOLD;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
    file.italic = slant != FC_SLANT_ROMAN;
    return file;
}

}  // namespace gfx
