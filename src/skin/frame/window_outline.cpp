#include "skin/frame/window_outline.h"

#include "skin/compose/mask_region.h"
#include "skin/frame/frame_strips.h"
#include "skin/skin_data.h"

namespace skin {

namespace {

void Add(gfx::Region& outline, const gfx::Bitmap& strip, gfx::Point at) {
    if (!strip.empty()) outline.Unite(MaskToRegion(strip, strip.rect(), at));
}

}  // namespace

std::optional<gfx::Region> BuildWindowOutline(const TspSkinData& skin, const FrameGeometry& g) {
    const gfx::Bitmap& mask = skin.Mask();
    if (mask.empty()) return std::nullopt;
    const TspDataSkinFormInfo& info = skin.FormInfo();
    const StripLayout layout{info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint, info.RightBottomPoint,
                             info.MaskRectArea};
    const FrameStrips strips = ComposeFrameStrips(mask, layout, g.window);
    gfx::Region outline(g.maskArea);
    Add(outline, strips.top, {0, 0});
    Add(outline, strips.bottom, {0, g.maskArea.bottom});
    Add(outline, strips.left, {0, g.maskArea.top});
    Add(outline, strips.right, {g.maskArea.right, g.maskArea.top});
    return outline;
}

}  // namespace skin
