#include "skin/menu/menu_glyphs.h"

namespace skin {

namespace {

// A triangle of rows growing by two pixels, for arrows; dir says which way it points.
void Triangle(gfx::Painter& p, gfx::Point tip, int rows, int dx, int dy, gfx::Pixel c) {
    for (int i = 0; i < rows; ++i) {
        if (dx != 0)
            p.FillRect({tip.x + dx * i, tip.y - i, tip.x + dx * i + 1, tip.y + i + 1}, c);
        else
            p.FillRect({tip.x - i, tip.y + dy * i, tip.x + i + 1, tip.y + dy * i + 1}, c);
    }
}

}  // namespace

MenuGlyph SystemCommandGlyph(std::string_view name) {
    if (name == "SKF_CLOSE" || name == "TRAY_SKF_CLOSE") return MenuGlyph::Close;
    if (name == "SKF_MINITEM") return MenuGlyph::Minimize;
    if (name == "SKF_MAXITEM") return MenuGlyph::Maximize;
    if (name == "SKF_RESTORE" || name == "TRAY_SKF_RESTORE") return MenuGlyph::Restore;
    if (name == "SKF_ROLLUP") return MenuGlyph::RollUp;
    if (name == "SKF_MINTOTRAY") return MenuGlyph::MinimizeToTray;
    return MenuGlyph::None;
}

void DrawMenuGlyph(gfx::Painter& p, MenuGlyph glyph, const gfx::Rect& box, gfx::Pixel c) {
    const int cx = box.left + box.width() / 2;
    const int cy = box.top + box.height() / 2;
    switch (glyph) {
        case MenuGlyph::None:
            return;
        case MenuGlyph::SubmenuArrow:
            Triangle(p, {cx + 2, cy}, 4, -1, 0, c);
            return;
        case MenuGlyph::Check:
            for (int i = 0; i < 3; ++i) p.FillRect({cx - 3 + i, cy - 1 + i, cx - 2 + i, cy + 2 + i}, c);
            for (int i = 0; i < 4; ++i) p.FillRect({cx + i, cy + 1 - i, cx + i + 1, cy + 4 - i}, c);
            return;
        case MenuGlyph::Radio:
            p.FillRect({cx - 1, cy - 3, cx + 2, cy + 4}, c);
            p.FillRect({cx - 3, cy - 1, cx + 4, cy + 2}, c);
            p.FillRect({cx - 2, cy - 2, cx + 3, cy + 3}, c);
            return;
        case MenuGlyph::Close:
            for (int i = -3; i <= 3; ++i) {
                p.FillRect({cx + i, cy + i, cx + i + 2, cy + i + 1}, c);
                p.FillRect({cx + i, cy - i, cx + i + 2, cy - i + 1}, c);
            }
            return;
        case MenuGlyph::Minimize:
            p.FillRect({cx - 4, cy + 2, cx + 3, cy + 4}, c);
            return;
        case MenuGlyph::Maximize:
            p.FrameRect({cx - 4, cy - 4, cx + 5, cy + 4}, c);
            p.FillRect({cx - 4, cy - 3, cx + 5, cy - 2}, c);
            return;
        case MenuGlyph::Restore:
            p.FrameRect({cx - 2, cy - 5, cx + 5, cy}, c);
            p.FillRect({cx - 2, cy - 4, cx + 5, cy - 3}, c);
            p.FrameRect({cx - 5, cy - 2, cx + 2, cy + 4}, c);
            p.FillRect({cx - 5, cy - 1, cx + 2, cy}, c);
            return;
        case MenuGlyph::RollUp:
            Triangle(p, {cx, cy - 2}, 4, 0, 1, c);
            return;
        case MenuGlyph::MinimizeToTray:
            p.FrameRect({cx - 4, cy - 4, cx + 5, cy + 5}, c);
            p.FillRect({cx, cy + 1, cx + 4, cy + 4}, c);
            return;
    }
}

void DrawScrollArrow(gfx::Painter& p, bool up, const gfx::Rect& box, gfx::Pixel c) {
    const int cx = box.left + box.width() / 2;
    const int cy = box.top + box.height() / 2;
    if (up)
        Triangle(p, {cx, cy - 2}, 4, 0, 1, c);
    else
        Triangle(p, {cx, cy + 1}, 4, 0, -1, c);
}

}  // namespace skin
