#include "contact_sheet.h"

#include <algorithm>

#include "gfx/painter.h"
#include "gfx/text.h"

namespace skinpack {

namespace {

constexpr int kMargin = 8;
constexpr int kLabelHeight = 18;
constexpr int kSheetWidth = 1400;
constexpr gfx::Pixel kBackground = gfx::MakePixel(0x60, 0x60, 0x60);
constexpr gfx::Pixel kFrame = gfx::MakePixel(0xFF, 0x00, 0xFF);

struct Placement {
    gfx::Point at;
    const SheetEntry* entry;
};

}  // namespace

gfx::Bitmap ContactSheet(const std::vector<SheetEntry>& entries) {
    const gfx::Font font{"Arial", 14, 0, gfx::clWhite};
    std::vector<Placement> placements;
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    int width = 0;
    for (const SheetEntry& entry : entries) {
        const int cellWidth = std::max(entry.picture.width(), gfx::TextWidth(font, entry.label)) + 2;
        const int cellHeight = entry.picture.height() + 2 + kLabelHeight;
        if (x > kMargin && x + cellWidth > kSheetWidth) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        placements.push_back({{x, y}, &entry});
        x += cellWidth + kMargin;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, cellHeight);
    }
    gfx::Bitmap sheet(std::max(width, 1), y + rowHeight + kMargin, kBackground);
    gfx::Painter painter(sheet);
    for (const Placement& p : placements) {
        const gfx::Bitmap& picture = p.entry->picture;
        painter.FrameRect(gfx::Rect::from_size(p.at.x, p.at.y, picture.width() + 2, picture.height() + 2), kFrame);
        painter.Copy(picture, picture.rect(), {p.at.x + 1, p.at.y + 1});
        const gfx::Rect label = gfx::Rect::from_size(p.at.x, p.at.y + picture.height() + 2, kSheetWidth, kLabelHeight);
        painter.DrawText(font, p.entry->label, label, gfx::dtLeft | gfx::dtSingleLine | gfx::dtNoPrefix);
    }
    return sheet;
}

}  // namespace skinpack
