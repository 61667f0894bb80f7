#include "skin/objects/caption_object.h"

#include "gfx/effects.h"
#include "gfx/text.h"
#include "skin/frame/skin_form.h"
#include "skin/skin_data.h"

namespace skin {

namespace {
constexpr int kAnimationTick = 25;
}

TspSkinCaptionObject::TspSkinCaptionObject(TspSkinForm& form, const TspDataSkinCaption& record)
    : TspActiveSkinObject(form, record),
      DefaultCaption(record.DefaultCaption),
      Font(record.Font),
      ActiveFontColor(record.ActiveFontColor),
      Alignment(record.Alignment),
      TextRect(record.TextRect),
      Shadow(record.Shadow),
      ShadowColor(record.ShadowColor),
      ActiveShadowColor(record.ActiveShadowColor),
      Light(record.Light),
      LightColor(record.LightColor),
      ActiveLightColor(record.ActiveLightColor),
      FrameRect(record.FrameRect),
      ActiveFrameRect(record.ActiveFrameRect),
      FrameTextRect(record.FrameTextRect),
      FrameLeftOffset(record.FrameLeftOffset),
      FrameRightOffset(record.FrameRightOffset),
      StretchEffect(record.StretchEffect),
      AnimateSkinRect(record.AnimateSkinRect),
      FrameCount(record.FrameCount),
      AnimateInterval(record.AnimateInterval),
      InActiveAnimation(record.InActiveAnimation),
      FullFrame(record.FullFrame) {
    if (!ActivePicture) AnimateSkinRect = {};
}

gfx::Rect TspSkinCaptionObject::TextArea() const {
    gfx::Rect r = TextRect.translated(ObjectRect.top_left());
    r.right += ObjectRect.width() - SkinRect.width();
    return r;
}

std::string TspSkinCaptionObject::FittedText(const std::string& text, int width) const {
    if (gfx::TextWidth(Font, text) <= width) return text;
    return gfx::EllipsizeEnd(Font, text, width);
}

bool TspSkinCaptionObject::Animates() const {
    const TspSkinData* data = Form().SkinData();
    return data && data->EnableSkinEffects && !AnimateSkinRect.empty() && FrameCount > 0;
}

bool TspSkinCaptionObject::StepAnimation() {
    if (!Animates()) return false;
    const bool active = Form().IsActive();
    const int target = active ? FrameCount - 1 : 0;
    if (CurrentFrame == target) return false;
    AnimationElapsed += kAnimationTick;
    if (AnimationElapsed >= AnimateInterval) {
        AnimationElapsed = 0;
        CurrentFrame += active ? 1 : -1;
        Form().RedrawObject(*this);
    }
    return CurrentFrame != target;
}

gfx::Bitmap TspSkinCaptionObject::AnimationFrame(int frame) const {
    const gfx::Rect& a = AnimateSkinRect;
    gfx::Rect piece;
    // Frames are stacked when the strip is taller than the caption, side by side otherwise.
    if (a.height() > SkinRect.height()) {
        const int h = a.height() / FrameCount;
        piece = gfx::Rect::from_size(a.left, a.top + frame * h, a.width(), h);
    } else {
        const int w = a.width() / FrameCount;
        piece = gfx::Rect::from_size(a.left + frame * w, a.top, w, a.height());
    }
    gfx::Bitmap out(ObjectRect.size());
    gfx::Painter(out).Stretch(*ActivePicture, piece, out.rect());
    return out;
}

void TspSkinCaptionObject::Draw(gfx::Painter& p) {
    TspSkinForm& form = Form();
    if (!form.SkinLoaded()) return;
    const bool active = form.IsActive();
    if (form.OnCaptionPaint) {
        form.OnCaptionPaint(form, p, ObjectRect, active);
        return;
    }
    const TspSkinData& data = *form.SkinData();
    if (Animates()) {
        const gfx::Bitmap frame = AnimationFrame(CurrentFrame);
        p.Copy(frame, frame.rect(), ObjectRect.top_left());
    } else if (!ActiveSkinRect.empty() && (active || IsMorphing())) {
        // The caption's own background, faded between its inactive and active looks.
        gfx::Bitmap inactive = Piece(NormalSource(), SkinRect);
        if (!active && data.FormInfo().AutoRenderingInActiveImage)
            gfx::ApplyInactiveEffect(inactive, static_cast<gfx::InactiveEffect>(data.FormInfo().InActiveEffect), 1);
        gfx::Bitmap look = Piece(ActivePicture, ActiveSkinRect);
        const double level = IsMorphing() ? MorphFactor : 1.0;
        if (level < 1) gfx::BlendImages(look, inactive, 1 - level);
        p.Copy(look, look.rect(), ObjectRect.top_left());
    } else {
        TspActiveSkinObject::Draw(p);
    }
    DrawText(p, active);
}

void TspSkinCaptionObject::DrawText(gfx::Painter& p, bool active) {
    const std::string& caption = Form().CaptionText();
    const gfx::Rect area = TextArea();
    if (caption.empty() || TextRect.empty() || area.empty()) return;
    const std::string text = FittedText(caption, area.width());
    const int width = gfx::TextWidth(Font, text);
    const int height = gfx::TextHeight(Font);
    const int y = area.top + area.height() / 2 - height / 2;
    int x = area.left;
    if (Alignment == TspAlignment::Right) x = area.right - width;
    if (Alignment == TspAlignment::Center) x = area.left + area.width() / 2 - width / 2;
    const unsigned format = gfx::dtSingleLine | gfx::dtNoPrefix | gfx::dtNoClip;
    const auto draw = [&](int dx, int dy, gfx::Color colour) {
        p.DrawText(Font, text, gfx::Rect::from_size(x + dx, y + dy, width + 1, height), format,
                   gfx::ColorToPixel(colour));
    };
    if (Light) draw(-1, -1, active ? ActiveLightColor : LightColor);
    if (Shadow) draw(1, 1, active ? ActiveShadowColor : ShadowColor);
    draw(0, 0, active ? ActiveFontColor : Font.FontColor);
}

}  // namespace skin
