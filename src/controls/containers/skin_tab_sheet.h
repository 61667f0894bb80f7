#pragma once

#include "controls/containers/tab_sheet.h"
#include "gfx/bitmap.h"

namespace controls {

class TspSkinPageControl;

// A page of the skinned page control: it paints its background from the page control's section
// (its background picture or the client part of its picture), or tiles its own wallpaper.
class TspSkinCustomTabSheet : public TTabSheet {
public:
    explicit TspSkinCustomTabSheet(platform::Component* owner = nullptr) : TTabSheet(owner) {}

    // A picture tiled over the page instead of the skin's background.
    [[nodiscard]] const gfx::Bitmap& WallPaper() const { return wallPaper_; }
    void SetWallPaper(gfx::Bitmap wallPaper);

    void EraseBackground(gfx::Painter& painter) override;
    void Resized() override;

private:
    [[nodiscard]] TspSkinPageControl* SkinPageControl() const;

    gfx::Bitmap wallPaper_;
};

// The page class the game's windows use.
class TspSkinTabSheet : public TspSkinCustomTabSheet {
public:
    using TspSkinCustomTabSheet::TspSkinCustomTabSheet;
};

}  // namespace controls
