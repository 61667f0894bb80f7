#pragma once

#include "gfx/geometry.h"
#include "skin/definition/skin_enums.h"

namespace skin {

class TspDataSkinCustomControl;
class TspDataSkinFormInfo;

// How a skin picture follows its control's size.
enum class ResizeMode { None = -1, Fixed = 0, Both = 1, Horizontal = 2, Vertical = 3 };

// The nine-part layout of a skin picture: four anchor points and the client rectangle, relative to
// the top-left of SkinRect, and how edges and middle fill a larger size. Controls and the window
// frame describe their pictures with it, so both compose through the same routines.
struct SkinGeometry {
    gfx::Rect SkinRect;
    gfx::Point LeftTop;
    gfx::Point RightTop;
    gfx::Point LeftBottom;
    gfx::Point RightBottom;
    gfx::Rect ClientRect;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = TspStretchType::Full;

    friend bool operator==(const SkinGeometry&, const SkinGeometry&) = default;
};

// The anchors and the client rectangle moved to the size a control or window has now.
struct ResizedGeometry {
    gfx::Point LeftTop;
    gfx::Point RightTop;
    gfx::Point LeftBottom;
    gfx::Point RightBottom;
    gfx::Rect ClientRect;

    friend bool operator==(const ResizedGeometry&, const ResizedGeometry&) = default;
};

// The geometry a control section stores.
[[nodiscard]] SkinGeometry GeometryOf(const TspDataSkinCustomControl& section);
// The geometry of the window frame, whose picture is the whole of frameRect.
[[nodiscard]] SkinGeometry GeometryOf(const TspDataSkinFormInfo& form, const gfx::Rect& frameRect);

// None for an empty SkinRect; Both when RightBottom has non-zero x and y; else Horizontal when
// RightTop is not at the origin; else Vertical when LeftBottom is not; else Fixed.
[[nodiscard]] ResizeMode ResizeModeOf(const SkinGeometry& g);

// The geometry unmoved, as at the picture's own size.
[[nodiscard]] ResizedGeometry Unresized(const SkinGeometry& g);

// Adjusts size to what the mode allows (a horizontal picture keeps its height, a vertical one its
// width, a fixed one both) and returns the anchors and client rectangle moved to that size. Anchors
// on the side that does not move stay where the picture has them, so the result never depends on
// an earlier size. None leaves the size and returns the geometry unmoved.
[[nodiscard]] ResizedGeometry FitSkinSize(const SkinGeometry& g, ResizeMode mode, gfx::Size& size);

// Places a rectangle given in skin-picture coordinates (a check-mark area, a text area) on a
// control of the given size, moving it with the corner or edge it belongs to.
[[nodiscard]] gfx::Rect MapSkinRect(const gfx::Rect& r, const SkinGeometry& g, ResizeMode mode, gfx::Size size);

// The geometry for drawing a picture at any size: anchored at the client rectangle's corners with
// every edge and the middle stretched (a button or label that ignores the skin's size).
[[nodiscard]] SkinGeometry StretchedAroundClient(const SkinGeometry& g);

}  // namespace skin
