#pragma once

#include <string>
#include <vector>

#include "platform/win_control.h"

namespace skin {
class TspSkinData;
}

namespace gallery {

// Where a section puts its controls: a column of the gallery, the skin it draws with (null for the
// built-in look) and a variant of that skin with morphing switched on for the cross-fade samples.
struct SectionContext {
    platform::WinControl& Column;
    skin::TspSkinData* Skin = nullptr;
    skin::TspSkinData* MorphSkin = nullptr;
    int Top = 0;    // first free row of the column
    int Width = 0;  // usable width of the column
    // Controls a test or a viewer may give the focus to, one per section that shows a focused look.
    std::vector<platform::WinControl*>* FocusSamples = nullptr;
};

// Builds one section's controls from ctx.Top down and returns the height it took.
using SectionBuilder = int (*)(SectionContext& ctx);

// One section of the gallery: a heading and the controls of one family.
struct GallerySection {
    std::string Title;
    SectionBuilder Build;
};

// One page of the gallery: its tab caption and the sections it shows one below the other.
struct GalleryPage {
    std::string Title;
    std::vector<GallerySection> Sections;
};

// The pages in the order the gallery shows them, a few sections each so that every page fits a small
// screen. A new family of controls adds its own file under sections/ and one entry here.
[[nodiscard]] const std::vector<GalleryPage>& GalleryPages();

// Binds a control to the column's skin (or leaves it with the built-in look).
template <typename T>
void Bind(T& control, const SectionContext& ctx) {
    if (ctx.Skin) control.SetSkinData(ctx.Skin);
}

}  // namespace gallery
