#include "controls/containers/skin_tab_sheet.h"

#include "controls/containers/skin_page_control.h"
#include "controls/containers/tab_background.h"
#include "skin/compose/tiling.h"

namespace controls {

void TspSkinCustomTabSheet::SetWallPaper(gfx::Bitmap wallPaper) {
    wallPaper_ = std::move(wallPaper);
    Invalidate();
}

TspSkinPageControl* TspSkinCustomTabSheet::SkinPageControl() const {
    return dynamic_cast<TspSkinPageControl*>(Parent());
}

void TspSkinCustomTabSheet::EraseBackground(gfx::Painter& painter) {
    const gfx::Rect all = ClientRect();
    if (!wallPaper_.empty()) {
        skin::TileRect(painter, wallPaper_, wallPaper_.rect(), all);
        return;
    }
    const TspSkinPageControl* pc = SkinPageControl();
    if (!pc || !pc->Section() || !pc->SkinData()) {
        painter.FillRect(all, gfx::ColorToPixel(gfx::clBtnFace));
        return;
    }
    const skin::TspDataSkinTabControl& section = *pc->Section();
    // A stretched background spans the whole page control, so each page shows its own part of it.
    const gfx::Rect area = section.StretchEffect ? pc->ClientRect().translated(-Left(), -Top()) : all;
    PaintTabBackground(painter, *pc->SkinData(), section, area, all);
}

void TspSkinCustomTabSheet::Resized() {
    Invalidate();
    const TspSkinPageControl* pc = SkinPageControl();
    if (pc && pc->Section() && pc->Section()->StretchEffect)
        NotifyControls({platform::Message::BackgroundChanged, this}, true);
}

}  // namespace controls
