#include "skin/objects/active_skin_object.h"

#include <algorithm>

#include "gfx/morph.h"
#include "skin/frame/skin_form.h"
#include "skin/skin_data.h"

namespace skin {

namespace {
constexpr double kMorphStep = 0.2;
}

TspActiveSkinObject::TspActiveSkinObject(TspSkinForm& form, const TspDataSkinObject& record)
    : IDName(record.IDName),
      Hint(record.Hint),
      SkinRect(record.SkinRect),
      ActiveSkinRect(record.ActiveSkinRect),
      InActiveSkinRect(record.InActiveSkinRect),
      Morphing(record.Morphing),
      MorphKind(record.MorphKind),
      SkinRectInAPicture(record.SkinRectInAPicture),
      CursorIndex(record.CursorIndex),
      RollUp(record.RollUp),
      ObjectRect(record.SkinRect),
      form_(form) {
    if (const TspSkinData* data = form.SkinData()) {
        FramePicture = RollUp ? &data->RollUpPicture() : &data->Picture();
        ActivePicture = data->ActivePicture(record.ActivePictureIndex);
    }
    // Without its picture an object has no hot look to show.
    if (!ActivePicture) ActiveSkinRect = {};
}

bool TspActiveSkinObject::CanMorph() const {
    const TspSkinData* data = form_.SkinData();
    return Morphing && data && data->EnableSkinEffects;
}

bool TspActiveSkinObject::IsMorphing() const {
    return CanMorph() && !ActiveSkinRect.empty() && ((Hot && MorphFactor < 1) || (!Hot && MorphFactor > 0));
}

bool TspActiveSkinObject::StepMorph() {
    if (!IsMorphing()) return false;
    MorphFactor = std::clamp(MorphFactor + (Hot ? kMorphStep : -kMorphStep), 0.0, 1.0);
    // Five steps of 0.2 must land exactly on the ends.
    if (MorphFactor > 1 - 1e-9) MorphFactor = 1;
    if (MorphFactor < 1e-9) MorphFactor = 0;
    form_.RedrawObject(*this);
    return IsMorphing();
}

const gfx::Bitmap* TspActiveSkinObject::NormalSource() const {
    return SkinRectInAPicture ? ActivePicture : FramePicture;
}

gfx::Bitmap TspActiveSkinObject::Piece(const gfx::Bitmap* src, const gfx::Rect& r) const {
    gfx::Bitmap piece(ObjectRect.size());
    if (src) gfx::Painter(piece).Copy(*src, r, {0, 0});
    return piece;
}

void TspActiveSkinObject::DrawPiece(gfx::Painter& p, const gfx::Bitmap* src, const gfx::Rect& r) const {
    if (src && !r.empty()) p.Copy(*src, r, ObjectRect.top_left());
}

void TspActiveSkinObject::DrawMorph(gfx::Painter& p, const gfx::Bitmap* normalSrc, const gfx::Rect& normal,
                                    const gfx::Rect& hot) const {
    const gfx::Bitmap blend = gfx::Morph(Piece(normalSrc, normal), Piece(ActivePicture, hot), MorphFactor,
                                         static_cast<gfx::MorphKind>(MorphKind));
    p.Copy(blend, blend.rect(), ObjectRect.top_left());
}

void TspActiveSkinObject::Draw(gfx::Painter& p) {
    if (!form_.SkinLoaded()) return;
    if (Enabled && !form_.IsActive() && !InActiveSkinRect.empty()) {
        DrawPiece(p, ActivePicture, InActiveSkinRect);
    } else if (IsMorphing()) {
        DrawMorph(p, NormalSource(), SkinRect, ActiveSkinRect);
    } else if (Hot && !ActiveSkinRect.empty()) {
        DrawPiece(p, ActivePicture, ActiveSkinRect);
    } else if (SkinRectInAPicture) {
        DrawPiece(p, ActivePicture, SkinRect);
    }
    // An object of the frame picture is already in the frame strip it lies on.
}

void TspActiveSkinObject::HotChanged() {
    if (ActiveSkinRect.empty()) return;
    if (CanMorph())
        form_.StartMorphTimer();
    else
        form_.RedrawObject(*this);
}

void TspActiveSkinObject::MouseEnter() {
    Hot = true;
    HotChanged();
}

void TspActiveSkinObject::MouseLeave() {
    Hot = false;
    HotChanged();
}

void TspActiveSkinObject::MouseDown(int x, int y, platform::MouseButton button) {
    form_.ObjectMouseDown(*this, x, y, button);
}

void TspActiveSkinObject::MouseUp(int x, int y, platform::MouseButton button) {
    form_.ObjectMouseUp(*this, x, y, button);
}

void TspActiveSkinObject::MouseMove(int x, int y) { form_.ObjectMouseMove(*this, x, y); }

}  // namespace skin
