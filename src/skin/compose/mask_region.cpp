#include "skin/compose/mask_region.h"

#include <vector>

#include "skin/compose/border_strips.h"

namespace skin {

gfx::Region MaskToRegion(const gfx::Bitmap& mask, const gfx::Rect& part, gfx::Point offset) {
    const gfx::Rect area = part.intersected(mask.rect());
    if (area.empty()) return {};
    const gfx::Point shift = offset - part.top_left();
    std::vector<gfx::Rect> runs;
    for (int y = area.top; y < area.bottom; ++y) {
        const gfx::Pixel* row = mask.row(y);
        int x = area.left;
        while (x < area.right) {
            if ((row[x] & 0x00FFFFFFu) != 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < area.right && (row[x] & 0x00FFFFFFu) == 0) ++x;
            runs.push_back(gfx::Rect{start, y, x, y + 1}.translated(shift));
        }
    }
    return gfx::Region::FromRects(runs);
}

std::optional<gfx::Region> MaskRegion(const gfx::Bitmap& mask, const gfx::Rect& source, const SkinGeometry& g,
                                      const ResizedGeometry& r, ResizeMode mode, int width, int height) {
    if (mask.empty() || mode == ResizeMode::None) return std::nullopt;
    if (mode == ResizeMode::Fixed) return MaskToRegion(mask, source, {0, 0});
    if (r.RightTop.x < r.LeftTop.x || r.LeftBottom.y < r.LeftTop.y) return std::nullopt;
    const BorderStrips s = ComposeBorderStrips(mask, source, g, r, width, height);
    const int top = s.Top.height();
    gfx::Region region = MaskToRegion(s.Top, s.Top.rect(), {0, 0});
    region.Unite(MaskToRegion(s.Left, s.Left.rect(), {0, top}));
    region.Unite(MaskToRegion(s.Right, s.Right.rect(), {width - s.Right.width(), top}));
    region.Unite(MaskToRegion(s.Bottom, s.Bottom.rect(), {0, height - s.Bottom.height()}));
    region.Unite(r.ClientRect);
    return region;
}

}  // namespace skin
