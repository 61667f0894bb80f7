#pragma once

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "gfx/painter.h"

namespace skin {

class TMenuItem;
class TspDataSkinMenuItem;

// Item backgrounds composed once for a level, as all its items share their width; a
// background of another width is composed again.
struct ItemBackgroundCache {
    gfx::Bitmap normal;
    gfx::Bitmap selected;
    gfx::Bitmap divider;
};

// What every item of one level draws with.
struct MenuItemLook {
    // The menu-item record and its active picture; null record for the plain look.
    const TspDataSkinMenuItem* record = nullptr;
    const gfx::Bitmap* picture = nullptr;
    gfx::Font font;
    // Fades between the normal and the selected look are allowed (record and skin effects).
    bool morphing = false;
    // The level's own background (frame and fill), in popup coordinates, for items that
    // are transparent while not selected.
    const gfx::Bitmap* popupBackground = nullptr;
    // The level's composed item backgrounds; null composes each time.
    ItemBackgroundCache* backgrounds = nullptr;
};

// The object that shows one menu item in a popup: its place, its state and its drawing.
class TspSkinMenuItem {
public:
    explicit TspSkinMenuItem(TMenuItem& item) : item_(item) {}

    [[nodiscard]] TMenuItem& Item() const { return item_; }

    // The item's rectangle in the popup; empty while it is scrolled out of view.
    gfx::Rect ItemRect;
    [[nodiscard]] bool Shown() const { return !ItemRect.empty(); }
    bool Selected = false;
    // Its submenu is open.
    bool Opened = false;
    // 0 shows the normal look, 1 the selected look; between them a fade is under way.
    double MorphFactor = 0;
    // The frame of the record's animation shown while selected; -1 for none.
    int AnimationFrame = -1;

    // Whether the fade still has a step to go toward the current selection.
    [[nodiscard]] bool Fading() const { return Selected ? MorphFactor < 1 : MorphFactor > 0; }
    // Moves the fade one step (0.2) toward the current selection.
    void StepFade();

    // Draws the item at ItemRect (the painter is in popup coordinates).
    void Draw(gfx::Painter& painter, const MenuItemLook& look);

private:
    void DrawLook(gfx::Bitmap& image, const MenuItemLook& look, bool selected);
    void DrawBackground(gfx::Painter& painter, gfx::Bitmap& image, const MenuItemLook& look, bool selected);
    void DrawContent(gfx::Painter& painter, gfx::Size size, const MenuItemLook& look, bool selected);
    void DrawTitledSeparator(gfx::Painter& painter, gfx::Size size, const MenuItemLook& look, gfx::Pixel color);
    // The text rectangle, the image rectangle and the text colour of the item's look.
    [[nodiscard]] gfx::Rect TextRect(gfx::Size size, const MenuItemLook& look) const;
    [[nodiscard]] gfx::Rect ImageRect(gfx::Size size, const MenuItemLook& look) const;
    [[nodiscard]] gfx::Pixel TextColor(const MenuItemLook& look, bool selected) const;

    TMenuItem& item_;
    gfx::Bitmap image_;
};

}  // namespace skin
