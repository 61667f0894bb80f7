#include "skin/menu/skin_menu_item.h"

#include <algorithm>
#include <string>

#include "gfx/morph.h"
#include "gfx/text.h"
#include "skin/menu/menu_glyphs.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/menu_look.h"
#include "skin/records/data_skin_object.h"

namespace skin {

namespace {

constexpr int kPlainImageColumn = 19;
constexpr int kPlainArrowColumn = 17;  // with the text's two pixels left of it, the level's width fits the text
constexpr int kArrowColumn = 16;
constexpr gfx::Color kPlainSelectedFrame = 8388608;  // dark blue
constexpr gfx::Color kPlainSelectedFill = 13811126;

// Copies the whole of part (picture coordinates) centred in box.
void CopyCentred(gfx::Painter& p, const gfx::Bitmap& picture, const gfx::Rect& part, const gfx::Rect& box) {
    p.Copy(picture, part,
           {box.left + box.width() / 2 - part.width() / 2, box.top + box.height() / 2 - part.height() / 2});
}

}  // namespace

void TspSkinMenuItem::StepFade() { MorphFactor = std::clamp(MorphFactor + (Selected ? 0.2 : -0.2), 0.0, 1.0); }

void TspSkinMenuItem::Draw(gfx::Painter& painter, const MenuItemLook& look) {
    if (!Shown()) return;
    const gfx::Size size = ItemRect.size();
    if (look.morphing && MorphFactor > 0 && MorphFactor < 1) {
        gfx::Bitmap normal(size.width, size.height);
        gfx::Bitmap active(size.width, size.height);
        DrawLook(normal, look, false);
        DrawLook(active, look, true);
        image_ = gfx::Morph(normal, active, MorphFactor, static_cast<gfx::MorphKind>(look.record->MorphKind));
    } else {
        if (image_.size() != size) image_.Reset(size.width, size.height);
        DrawLook(image_, look, Selected);
    }
    painter.Copy(image_, image_.rect(), ItemRect.top_left());
}

void TspSkinMenuItem::DrawLook(gfx::Bitmap& image, const MenuItemLook& look, bool selected) {
    gfx::Painter p(image);
    DrawBackground(p, image, look, selected);
    DrawContent(p, image.size(), look, selected);
}

void TspSkinMenuItem::DrawBackground(gfx::Painter& p, gfx::Bitmap& image, const MenuItemLook& look, bool selected) {
    const gfx::Rect all = image.rect();
    const bool separator = item_.IsSeparator();
    if (look.record) {
        if (!selected && !separator && look.record->InActiveTransparent && look.popupBackground) {
            p.Copy(*look.popupBackground, ItemRect, {0, 0});
            return;
        }
        DrawSkinnedItemBackground(image, look, separator, selected, AnimationFrame);
        return;
    }
    if (selected && !separator) {
        p.FillRect(all, gfx::ColorToPixel(kPlainSelectedFill));
        p.FrameRect(all, gfx::ColorToPixel(kPlainSelectedFrame));
        return;
    }
    p.FillRect({0, 0, kPlainImageColumn, all.bottom}, gfx::ColorToPixel(gfx::clBtnFace));
    p.FillRect({kPlainImageColumn, 0, all.right, all.bottom}, gfx::ColorToPixel(gfx::clWindow));
    if (separator) {
        const int mid = all.height() / 2;
        p.FillRect({kPlainImageColumn, mid - 1, all.right, mid}, gfx::ColorToPixel(gfx::clBtnShadow));
        p.FillRect({kPlainImageColumn, mid, all.right, mid + 1}, gfx::ColorToPixel(gfx::clBtnHighlight));
    }
}

gfx::Rect TspSkinMenuItem::TextRect(gfx::Size size, const MenuItemLook& look) const {
    if (!look.record) return {kPlainImageColumn + 2, 0, size.width - kPlainArrowColumn, size.height};
    const TspDataSkinMenuItem& r = *look.record;
    return {r.TextRect.left, r.TextRect.top, r.TextRect.right + size.width - r.SkinRect.width(),
            r.TextRect.bottom + size.height - r.SkinRect.height()};
}

gfx::Rect TspSkinMenuItem::ImageRect(gfx::Size size, const MenuItemLook& look) const {
    if (!look.record) return {0, 0, kPlainImageColumn, size.height};
    const TspDataSkinMenuItem& r = *look.record;
    if (r.ImageRect.empty()) {
        const int left = TextRect(size, look).left + 2;
        return {left, 0, left + kArrowColumn, size.height};
    }
    // The image keeps its place relative to the item's vertical middle.
    return r.ImageRect.translated({0, (size.height - r.SkinRect.height()) / 2});
}

gfx::Pixel TspSkinMenuItem::TextColor(const MenuItemLook& look, bool selected) const {
    if (!look.record) return gfx::ColorToPixel(item_.Enabled ? gfx::clWindowText : gfx::clBtnShadow);
    if (!item_.Enabled) return gfx::ColorToPixel(look.record->UnEnabledFontColor);
    return gfx::ColorToPixel(selected ? look.record->ActiveFontColor : look.record->Font.FontColor);
}

void TspSkinMenuItem::DrawTitledSeparator(gfx::Painter& p, gfx::Size size, const MenuItemLook& look, gfx::Pixel color) {
    const std::string title = item_.Caption.substr(1, item_.Caption.size() - 2);
    const int width = gfx::TextWidth(look.font, title);
    const int textLeft = size.width / 2 - width / 2;
    // The divider runs on both sides of the title, four pixels clear of it.
    const gfx::Rect pieces[] = {{2, 0, textLeft - 4, size.height},
                                {textLeft + width + 4, 0, size.width - 2, size.height}};
    for (const gfx::Rect& piece : pieces) {
        if (piece.width() <= 0) continue;
        const int mid = size.height / 2;
        if (look.record && !look.record->DividerRect.empty()) {
            gfx::Bitmap divider(piece.width(), look.record->DividerRect.height());
            DrawSkinnedItemBackground(divider, look, true, false, -1);
            p.Copy(divider, divider.rect(), {piece.left, mid - divider.height() / 2});
        } else {
            p.FillRect({piece.left, mid - 1, piece.right, mid}, gfx::ColorToPixel(gfx::clBtnShadow));
            p.FillRect({piece.left, mid, piece.right, mid + 1}, gfx::ColorToPixel(gfx::clBtnHighlight));
        }
    }
    p.DrawText(look.font, title, gfx::Rect{0, 2, size.width, size.height + 2},
               gfx::dtSingleLine | gfx::dtVCenter | gfx::dtCenter | gfx::dtNoPrefix, color);
}

void TspSkinMenuItem::DrawContent(gfx::Painter& p, gfx::Size size, const MenuItemLook& look, bool selected) {
    const gfx::Pixel color = TextColor(look, selected);
    const gfx::Rect text = TextRect(size, look);
    // Centred on the item's height, two pixels lower, as the menu font sits best there.
    const gfx::Rect line = text.translated({0, 2});
    const unsigned format = gfx::dtSingleLine | gfx::dtVCenter;
    if (item_.IsTitledSeparator()) {
        DrawTitledSeparator(p, size, look, color);
        return;
    }
    if (item_.IsSeparator()) return;

    p.DrawText(look.font, item_.Caption, line, format, color);
    if (!item_.ShortCutText.empty())
        p.DrawText(look.font, item_.ShortCutText, line, format | gfx::dtRight | gfx::dtNoPrefix, color);

    if (item_.Count() > 0) {
        const gfx::Rect arrow =
            look.record ? (selected ? look.record->ActiveArrowImageRect : look.record->ArrowImageRect) : gfx::Rect{};
        if (!arrow.empty() && look.picture) {
            p.Copy(*look.picture, arrow, {size.width - 5 - arrow.width(), size.height / 2 - arrow.height() / 2});
        } else {
            const int right = look.record ? size.width - 5 : size.width - 7;
            DrawMenuGlyph(p, MenuGlyph::SubmenuArrow, {right - 8, 0, right, size.height}, color);
        }
    }

    const gfx::Rect box = ImageRect(size, look);
    gfx::Pixel glyphColor = color;
    if (look.record && look.record->UseImageColor)
        glyphColor = gfx::ColorToPixel(selected ? look.record->ActiveImageColor : look.record->ImageColor);
    if (const MenuGlyph glyph = SystemCommandGlyph(item_.Name); glyph != MenuGlyph::None) {
        DrawMenuGlyph(p, glyph, box, glyphColor);
        return;
    }
    if (!item_.Checked) return;
    gfx::Rect mark;
    if (look.record) {
        if (item_.RadioItem)
            mark = selected ? look.record->ActiveRadioImageRect : look.record->RadioImageRect;
        else
            mark = selected ? look.record->ActiveCheckImageRect : look.record->CheckImageRect;
    }
    if (!mark.empty() && look.picture)
        CopyCentred(p, *look.picture, mark, box);
    else
        DrawMenuGlyph(p, item_.RadioItem ? MenuGlyph::Radio : MenuGlyph::Check, box, glyphColor);
}

}  // namespace skin
