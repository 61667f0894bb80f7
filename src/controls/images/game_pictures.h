#pragma once

#include <span>

#include "controls/images/png_image_list.h"
#include "gfx/geometry.h"

namespace controls {

// The game's pictures as the main window keeps them, embedded at build time from
// assets/pictures (target pictures).

// The size of every picture of the first list, and of the portrait in the second.
inline constexpr gfx::Size kGamePictureSize{96, 96};
inline constexpr gfx::Size kPortraitSize{128, 146};

// The first list's twelve pictures: 0 to 9 the goods (beer, wine, vodka, bread, stewed meat,
// herring, vitamins, an injection, moonshine, roses), 10 the brigade of bottle collectors,
// 11 the shop assistant being courted.
[[nodiscard]] std::span<const StoredPngImage> GamePictures();
// The second list's one picture: the drunkard's portrait.
[[nodiscard]] std::span<const StoredPngImage> PortraitPictures();

// Fills a list with the first list's size and pictures, replacing what it held.
void LoadGamePictures(TspPngImageList& list);
// Fills a list with the portrait's size and picture, replacing what it held.
void LoadPortraitPicture(TspPngImageList& list);

}  // namespace controls
