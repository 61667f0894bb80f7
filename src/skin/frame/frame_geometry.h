#pragma once

#include "gfx/geometry.h"
#include "skin/records/data_form_info.h"

namespace skin {

// Where the parts of a skinned frame lie for one window size. The skin gives its frame in the
// coordinates of its picture; the window is dx wider and dy taller, and every point right of
// or below the stretching middle moves with those.
struct FrameGeometry {
    gfx::Size picture;  // the frame picture's size
    gfx::Size window;   // the window's size
    int dx = 0;         // window width minus picture width
    int dy = 0;         // window height minus picture height

    // Border thicknesses around the client area.
    int leftBorder = 0;
    int topBorder = 0;
    int rightBorder = 0;
    int bottomBorder = 0;
    gfx::Rect client;  // window coordinates
    gfx::Point leftTop, rightTop, leftBottom, rightBottom;
    gfx::Point hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;
    gfx::Rect maskArea;
    gfx::Rect caption;  // empty when the skin has none
    gfx::Rect buttons;  // empty when the skin has none

    // The geometry of a window of this size on a frame picture of that size.
    [[nodiscard]] static FrameGeometry Compute(const TspDataSkinFormInfo& info, gfx::Size picture, gfx::Size window);
    // A rectangle of the picture placed on the window by the corner zone its corners lie in:
    // corners move with their corner, rectangles spanning zones grow between them.
    [[nodiscard]] gfx::Rect MapByZones(const gfx::Rect& r) const;

private:
    // The corner points in picture coordinates, which the zones are made of.
    gfx::Point pictureLeftTop_, pictureRightTop_, pictureLeftBottom_, pictureRightBottom_;
};

}  // namespace skin
