#include <vector>

#include "controls/containers/skin_page_control.h"
#include "controls/containers/tab_background.h"
#include "controls/containers/tab_image.h"
#include "gfx/text.h"
#include "skin/compose/border_strips.h"
#include "skin/compose/tiling.h"

// Painting of the skinned page control: the body (frame and page background), the tab strip and
// every tab, with a section or in the plain look.

namespace controls {
namespace {

constexpr gfx::Color kPlainHotTab = 0xD2BDB6;
constexpr gfx::Color kPlainFocusedTab = 0xB59385;
constexpr gfx::Color kPlainSelectedFrame = 0x800000;
constexpr int kCaptionShift = 2;  // unselected captions move when tabs differ in height

// outer without inner, as at most four rectangles.
gfx::Region Without(const gfx::Rect& outer, const gfx::Rect& inner) {
    const gfx::Rect cut = inner.intersected(outer);
    if (cut.empty()) return gfx::Region(outer);
    const gfx::Rect parts[] = {
        {outer.left, outer.top, outer.right, cut.top},
        {outer.left, cut.bottom, outer.right, outer.bottom},
        {outer.left, cut.top, cut.left, cut.bottom},
        {cut.right, cut.top, outer.right, cut.bottom},
    };
    std::vector<gfx::Rect> kept;
    for (const gfx::Rect& p : parts)
        if (!p.empty()) kept.push_back(p);
    return gfx::Region::FromRects(kept);
}

bool Vertical(TabPosition p) { return p == TabPosition::Left || p == TabPosition::Right; }

}  // namespace

void TspSkinPageControl::EraseBackground(gfx::Painter& painter) {
    // Paint covers everything while there are tabs; without them the body is all there is.
    if (!VisibleTabs().empty()) return;
    if (section_ && skinData_)
        PaintTabBackground(painter, *skinData_, *section_, ClientRect(), ClientRect());
    else
        TPageControl::EraseBackground(painter);
}

void TspSkinPageControl::Paint(gfx::Painter& painter) {
    if (Width() <= 0 || Height() <= 0) return;
    FetchSkinData();
    if (!section_) {
        PaintPlainBody(painter);
        const std::vector<gfx::Rect>& rects = TabRects();
        for (int i = 0; i < static_cast<int>(rects.size()); ++i) PaintPlainTab(painter, i, rects[i]);
        return;
    }
    PaintSkinBody(painter);
    PaintSkinStrip(painter);
}

void TspSkinPageControl::PaintPlainBody(gfx::Painter& painter) const {
    painter.FillRect(ClientRect(), gfx::ColorToPixel(gfx::clBtnFace));
    painter.FrameRect(FrameRect(), gfx::ColorToPixel(gfx::clBtnShadow));
}

void TspSkinPageControl::PaintPlainTab(gfx::Painter& painter, int tab, const gfx::Rect& rect) const {
    if (rect.empty()) return;
    const bool selected = tab == TabIndex();
    const bool hot = tab == hotTab_;
    gfx::Bitmap image(rect.width(), rect.height());
    gfx::Painter p(image);
    const gfx::Rect all = image.rect();
    if (selected) {
        p.FillRect(all, gfx::ColorToPixel(Focused() ? kPlainFocusedTab : kPlainHotTab));
        p.FrameRect(all, gfx::ColorToPixel(kPlainSelectedFrame));
    } else {
        p.FillRect(all, gfx::ColorToPixel(hot ? kPlainHotTab : gfx::clBtnFace));
    }
    PaintCaption(p, tab, all, Font(), Font().FontColor);
    painter.Copy(image, all, rect.top_left());
}

void TspSkinPageControl::PaintSkinBody(gfx::Painter& painter) const {
    const gfx::Rect page = DisplayRect();
    // A shown page paints the same background over the whole page area itself.
    const bool covered = ActivePage() && ActivePage()->Visible() && ActivePage()->BoundsRect() == page;
    if (!covered) PaintTabBackground(painter, *skinData_, *section_, ClientRect(), page);
    if (section_->BGPictureIndex >= 0 && skinData_->ActivePicture(section_->BGPictureIndex)) return;
    const gfx::Bitmap* picture = skinData_->ActivePicture(section_->PictureIndex);
    if (!picture) return;
    const gfx::Rect f = FrameRect();
    const skin::SkinGeometry g = TabGeometry(*section_);
    gfx::Size size = f.size();
    const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Both, size);
    const skin::BorderStrips strips =
        skin::ComposeBorderStrips(*picture, section_->SkinRect, g, r, f.width(), f.height());
    gfx::PainterSaver saver(painter);
    painter.ClipRegion(Without(ClientRect(), SelectedTabArea()));
    painter.Translate(f.top_left());
    skin::DrawBorderStrips(painter, strips, f.width(), f.height());
}

void TspSkinPageControl::PaintSkinStrip(gfx::Painter& painter) const {
    const gfx::Rect strip = StripRect();
    if (strip.empty()) return;
    gfx::Bitmap image(strip.width(), strip.height());
    gfx::Painter p(image);
    if (tabsBGTransparent_) {
        gfx::Bitmap behind;
        platform::CaptureParentImage(*this, behind);
        p.Copy(behind, strip, {0, 0});
    } else if (const gfx::Bitmap* picture = skinData_->ActivePicture(section_->PictureIndex)) {
        const gfx::Rect bg = section_->TabsBGRect.empty()
                                 ? section_->ClientRect.translated(section_->SkinRect.top_left())
                                 : section_->TabsBGRect;
        skin::TileRect(p, *picture, bg, image.rect());
    }
    const std::vector<gfx::Rect>& rects = TabRects();
    const int selected = TabIndex();
    p.Translate({-strip.left, -strip.top});
    for (int i = 0; i < static_cast<int>(rects.size()); ++i)
        if (i != selected) PaintSkinTab(p, i, rects[i]);
    {
        gfx::PainterSaver saver(painter);
        painter.ClipRegion(Without(ClientRect(), SelectedTabArea()));
        painter.Copy(image, image.rect(), strip.top_left());
    }
    if (selected >= 0) {
        gfx::Rect r = rects[selected];
        const int back = -SelectedTabGrowth(*section_, Focused());
        if (TabPosition() == TabPosition::Bottom) r = r.translated(0, back);
        if (TabPosition() == TabPosition::Right) r = r.translated(back, 0);
        PaintSkinTab(painter, selected, r);
    }
}

void TspSkinPageControl::PaintSkinTab(gfx::Painter& painter, int tab, const gfx::Rect& rect) const {
    const gfx::Bitmap* picture = skinData_->ActivePicture(section_->PictureIndex);
    if (!picture || rect.empty()) return;
    const bool selected = tab == TabIndex();
    const bool focused = Focused();
    const bool hot = tab == hotTab_;
    const controls::TabPosition position = TabPosition();
    const int length = Vertical(position) ? rect.height() : rect.width();
    const gfx::Rect source = TabSource(*section_, hot, selected, focused);
    gfx::Bitmap image = ComposeTabImage(*picture, *section_, source, length, TabHeight(), selected, focused);
    if (position == TabPosition::Bottom) image = image.FlippedVertically();

    gfx::Color color = section_->Font.FontColor;
    if (hot && !selected)
        color = section_->MouseInFontColor;
    else if (selected)
        color = focused ? section_->FocusFontColor : section_->ActiveFontColor;
    gfx::Rect area = image.rect();
    if (!selected && section_->TabRect.height() != ActiveTabSource(*section_).height()) {
        switch (position) {
            case TabPosition::Top:
                area = area.translated(0, kCaptionShift);
                break;
            case TabPosition::Bottom:
                area = area.translated(0, -kCaptionShift);
                break;
            case TabPosition::Left:
            case TabPosition::Right:
                area = area.translated(-kCaptionShift, 0);
                break;
        }
    }
    {
        gfx::Painter p(image);
        PaintCaption(p, tab, area, CaptionFont(), color);
        if (section_->ShowFocus && focused && selected)
            p.DrawFocusRect(image.rect().shrunk(section_->FocusOffsetX, section_->FocusOffsetY));
    }
    if (Vertical(position)) image = OrientTabImage(image, position);
    painter.Copy(image, image.rect(), rect.top_left());
}

gfx::Font TspSkinPageControl::CaptionFont() const {
    if (section_ && UseSkinFont) return section_->Font;
    return Font();
}

void TspSkinPageControl::PaintCaption(gfx::Painter& painter, int tab, gfx::Rect area, const gfx::Font& font,
                                      gfx::Color color) const {
    if (showCloseButtons_) {
        const int size = CloseButtonSize();
        area.right -= size + 2 + (section_ ? 3 : 0);
        const gfx::Rect button = gfx::Rect::from_size(area.right, area.top + area.height() / 2 - size / 2, size, size);
        const bool pressed = tab == closePressed_;
        const bool hot = tab == closeHot_;
        if (section_ && !section_->CloseButtonRect.empty()) {
            const gfx::Rect& src = pressed && !section_->CloseButtonDownRect.empty() ? section_->CloseButtonDownRect
                                   : hot && !section_->CloseButtonActiveRect.empty() ? section_->CloseButtonActiveRect
                                                                                     : section_->CloseButtonRect;
            const gfx::Rect dst = gfx::Rect::from_size(button.left, area.top + area.height() / 2 - src.height() / 2,
                                                       src.width(), src.height());
            if (const gfx::Bitmap* picture = skinData_->ActivePicture(section_->PictureIndex)) {
                if (section_->ButtonTransparent)
                    painter.CopyTransparent(*picture, src, dst, gfx::ColorToPixel(section_->ButtonTransparentColor));
                else
                    painter.Copy(*picture, src, dst.top_left());
            }
        } else {
            const gfx::Pixel mark = gfx::ColorToPixel(hot ? gfx::clWhite : gfx::clBlack);
            const gfx::Rect m = button.shrunk(3, 3);
            painter.DrawLine(m.top_left(), m.bottom_right(), mark);
            painter.DrawLine({m.right - 1, m.top}, {m.left - 1, m.bottom}, mark);
        }
    }
    if (OnDrawSkinTab) {
        OnDrawSkinTab(tab, area, painter, tab == hotTab_, tab == TabIndex());
        return;
    }
    const std::vector<TTabSheet*> tabs = VisibleTabs();
    const TTabSheet& page = *tabs[tab];
    const unsigned format = gfx::dtSingleLine | gfx::dtVCenter;
    const gfx::Pixel pixel = gfx::ColorToPixel(color);
    platform::ImageList* images = Images();
    if (images && page.ImageIndex() >= 0 && page.ImageIndex() < images->Count()) {
        const int captionWidth = gfx::TextWidth(font, page.Caption()) + 2;
        const int total = images->Width() + 2 + captionWidth;
        const int x = area.left + (area.width() - total) / 2;
        images->Draw(painter, page.ImageIndex(), x, area.top + (area.height() - images->Height()) / 2, IsEnabled());
        const int textLeft = x + images->Width() + 2;
        painter.DrawText(font, page.Caption(), {textLeft, area.top, textLeft + captionWidth, area.bottom},
                         format | gfx::dtLeft, pixel);
        return;
    }
    painter.DrawText(font, page.Caption(), area, format | gfx::dtCenter, pixel);
}

}  // namespace controls
