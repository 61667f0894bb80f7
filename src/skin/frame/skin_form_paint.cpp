// The skinned frame's pictures: the border strips with the frame objects on them, the
// client background and the window outline.
#include "gfx/effects.h"
#include "skin/frame/client_background.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/window_outline.h"
#include "skin/skin_data.h"

namespace skin {

namespace {

StripLayout PictureLayout(const TspDataSkinFormInfo& info) {
    return {info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint, info.RightBottomPoint, info.ClientRect,
            info.TopStretch,   info.BottomStretch, info.LeftStretch,     info.RightStretch};
}

void Dim(gfx::Bitmap& strip, TspInactiveEffect effect) {
    // A fixed seed: the inactive frame looks the same at every repaint.
    if (!strip.empty()) gfx::ApplyInactiveEffect(strip, static_cast<gfx::InactiveEffect>(effect), 1);
}

}  // namespace

gfx::Rect TspSkinForm::ClientRect(gfx::Size window) const {
    if (!IsSkinned()) return Fallback().ClientRect(window);
    const gfx::Rect& c = skinData_->FormInfo().ClientRect;
    const gfx::Size picture = skinData_->Picture().size();
    return {c.left, c.top, window.width - (picture.width - c.right), window.height - (picture.height - c.bottom)};
}

const FrameStrips& TspSkinForm::Strips() {
    const TspDataSkinFormInfo& info = skinData_->FormInfo();
    const bool useInactive = !active_ && !skinData_->InactivePicture().empty();
    const gfx::Bitmap* source = useInactive ? &skinData_->InactivePicture() : &skinData_->Picture();
    const bool dimmed = !active_ && info.AutoRenderingInActiveImage && skinData_->InactivePicture().empty();
    const gfx::Size size = form_.BoundsRect().size();
    if (cache_.size == size && cache_.source == source && cache_.dimmed == dimmed && cache_.generation == generation_)
        return cache_.strips;
    cache_.strips = ComposeFrameStrips(*source, PictureLayout(info), size);
    if (dimmed) {
        Dim(cache_.strips.top, info.InActiveEffect);
        Dim(cache_.strips.bottom, info.InActiveEffect);
        Dim(cache_.strips.left, info.InActiveEffect);
        Dim(cache_.strips.right, info.InActiveEffect);
    }
    cache_.size = size;
    cache_.source = source;
    cache_.dimmed = dimmed;
    cache_.generation = generation_;
    return cache_.strips;
}

void TspSkinForm::PaintStrips(gfx::Painter& p, const FrameStrips& s) {
    const gfx::Size size = form_.BoundsRect().size();
    p.Copy(s.top, s.top.rect(), {0, 0});
    p.Copy(s.left, s.left.rect(), {0, geometry_.topBorder});
    p.Copy(s.right, s.right.rect(), {size.width - s.right.width(), geometry_.topBorder});
    p.Copy(s.bottom, s.bottom.rect(), {0, size.height - s.bottom.height()});
}

void TspSkinForm::PaintObjects(gfx::Painter& p) {
    const gfx::Size size = form_.BoundsRect().size();
    const gfx::Rect top{0, 0, size.width, geometry_.topBorder};
    const gfx::Rect bottom{0, size.height - geometry_.bottomBorder, size.width, size.height};
    for (auto& o : objects_) {
        if (!o->Visible) continue;
        const gfx::Rect strip = o->ObjectRect.top >= geometry_.client.bottom ? bottom : top;
        if (!strip.intersects(o->ObjectRect)) continue;
        gfx::PainterSaver saver(p);
        p.ClipRect(strip);
        o->Draw(p);
    }
}

void TspSkinForm::PaintNonClient(gfx::Painter& painter, gfx::Size window) {
    if (!IsSkinned() || !AtLeastMinimum(window)) {
        Fallback().PaintNonClient(painter, window);
        return;
    }
    if (geometry_.window != window) UpdateGeometry();
    PaintStrips(painter, Strips());
    PaintObjects(painter);
}

bool TspSkinForm::EraseClient(gfx::Painter& painter, gfx::Size client) {
    if (!SupportNCArea || !skinnable_ || !SkinLoaded()) return Fallback().EraseClient(painter, client);
    PaintClientBackground(painter, client, *skinData_);
    if (!LogoBitMap.empty()) {
        if (LogoBitMapTransparent)
            painter.CopyTransparent(LogoBitMap, LogoBitMap.rect(), LogoBitMap.rect(),
                                    LogoBitMap.at(0, LogoBitMap.height() - 1));
        else
            painter.Copy(LogoBitMap, LogoBitMap.rect(), {0, 0});
    }
    return true;
}

void TspSkinForm::UpdateOutline() {
    if (form_.BorderStyle == platform::BorderStyle::None) return;
    form_.SetWindowOutline(BuildWindowOutline(*skinData_, geometry_));
}

}  // namespace skin
