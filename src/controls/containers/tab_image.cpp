#include "controls/containers/tab_image.h"

#include "skin/compose/frame_image.h"
#include "skin/compose/three_part.h"

namespace controls {

gfx::Rect ActiveTabSource(const skin::TspDataSkinTabControl& section) {
    return section.ActiveTabRect.empty() ? section.TabRect : section.ActiveTabRect;
}

gfx::Rect FocusTabSource(const skin::TspDataSkinTabControl& section) {
    return section.FocusTabRect.empty() ? ActiveTabSource(section) : section.FocusTabRect;
}

gfx::Rect TabSource(const skin::TspDataSkinTabControl& section, bool hot, bool selected, bool focused) {
    if (hot && !selected && !section.MouseInTabRect.empty()) return section.MouseInTabRect;
    if (selected) return focused ? FocusTabSource(section) : ActiveTabSource(section);
    return section.TabRect;
}

int SelectedTabGrowth(const skin::TspDataSkinTabControl& section, bool focused) {
    const gfx::Rect selected = focused ? FocusTabSource(section) : ActiveTabSource(section);
    return selected.height() - section.TabRect.height();
}

gfx::Bitmap ComposeTabImage(const gfx::Bitmap& picture, const skin::TspDataSkinTabControl& section,
                            const gfx::Rect& source, int length, int fixedTabHeight, bool selected, bool focused) {
    gfx::Bitmap image;
    if (fixedTabHeight <= 0) {
        skin::ComposeHorzImage(image, picture, source, section.TabLeftOffset, section.TabRightOffset, length,
                               section.TabStretchEffect);
        return image;
    }
    const int quarter = section.TabRect.height() / 4;
    const int sw = source.width();
    const int sh = source.height();
    skin::SkinGeometry g;
    g.SkinRect = source;
    g.LeftTop = {section.TabLeftOffset, quarter};
    g.RightTop = {sw - section.TabRightOffset, quarter};
    g.LeftBottom = {section.TabLeftOffset, sh - quarter};
    g.RightBottom = {sw - section.TabRightOffset, sh - quarter};
    g.ClientRect = {g.LeftTop.x, g.LeftTop.y, g.RightBottom.x, g.RightBottom.y};
    g.LeftStretch = g.TopStretch = g.RightStretch = g.BottomStretch = g.StretchEffect = true;
    gfx::Size size{length, fixedTabHeight + (selected ? SelectedTabGrowth(section, focused) : 0)};
    const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Both, size);
    skin::ComposeFrameImage(image, picture, source, g, r, size.width, size.height, true);
    return image;
}

gfx::Bitmap OrientTabImage(const gfx::Bitmap& image, TabPosition position) {
    switch (position) {
        case TabPosition::Top:
            return image;
        case TabPosition::Bottom:
            return image.FlippedVertically();
        case TabPosition::Left:
            return image.RotatedLeft();
        case TabPosition::Right:
            return image.RotatedRight();
    }
    return image;
}

}  // namespace controls
