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
    std::pair<std::string, int> key{logicalName, style};
    if (const auto found = files_.find(key); found != files_.end()) return found->second;
    FontFile file = resolver_.Resolve(logicalName, style & fsBold, style & fsItalic);
    return files_.emplace(std::move(key), std::move(file)).first->second;
}

}  // namespace gfx
