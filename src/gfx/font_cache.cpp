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
        auto face = std::make_unique<FontFace>(library_, File(font.Name, style), font.Height, bold, italic);
        found = faces_.emplace(Key{font.Name, font.Height, style}, std::move(face)).first;
    }
    return *found->second;
}

std::string FontCache::Family(std::string_view logicalName) { return File(logicalName, 0).family; }

const FontFile& FontCache::File(std::string_view logicalName, int style) {
    auto [found, added] = files_.try_emplace({std::string(logicalName), style});
    if (added) {
        try {
            found->second = resolver_.Resolve(logicalName, style & fsBold, style & fsItalic);
        } catch (...) {
            files_.erase(found);
            throw;
        }
    }
    return found->second;
}

}  // namespace gfx
