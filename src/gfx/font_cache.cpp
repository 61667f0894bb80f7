#include "gfx/font_cache.h"

namespace gfx {

FontCache& FontCache::Instance() {
    static FontCache cache;
    return cache;
}

std::jthread FontCache::WarmUp() {
    return std::jthread([] {
        try {
            (void)Instance();
        } catch (const FontError&) {
            // Instance() on the UI thread tries again and raises the same error there.
        }
    });
}

FontCache::FontCache() = default;

FontFace& FontCache::Face(const Font& font) {
    const int style = font.Style & (fsBold | fsItalic);
    const KeyView key{font.Name, font.Height, style};
    auto found = faces_.find(key);
    if (found == faces_.end()) {
        const bool bold = style & fsBold;
        const bool italic = style & fsItalic;
        auto face =
            std::make_unique<FontFace>(library_, resolver_.Resolve(font.Name, bold, italic), font.Height, bold, italic);
        found = faces_.emplace(Key{font.Name, font.Height, style}, std::move(face)).first;
    }
    return *found->second;
}

std::string FontCache::Family(std::string_view logicalName) const {
    return resolver_.Resolve(logicalName, false, false).family;
}

}  // namespace gfx
