#include "gfx/font.h"

#include "gfx/font_cache.h"

namespace gfx {

FontMetrics GetFontMetrics(const Font& font) { return FontCache::Instance().Face(font).Metrics(); }

std::string ResolvedFamily(const std::string& name) { return FontCache::Instance().Family(name); }

}  // namespace gfx
