#pragma once

#include <string>

#include "gfx/bitmap.h"
#include "gfx/painter.h"
#include "platform/input.h"
#include "skin/records/data_skin_object.h"

namespace skin {

class TspSkinForm;

// A live object on a skinned window's frame, made from one skin-object record: its place,
// its looks for the normal, hot and inactive-window states, the fade between normal and hot,
// and the pointer calls the window passes on. Painters given to Draw are in window
// coordinates.
class TspActiveSkinObject {
public:
    TspActiveSkinObject(TspSkinForm& form, const TspDataSkinObject& record);
    virtual ~TspActiveSkinObject() = default;
    TspActiveSkinObject(const TspActiveSkinObject&) = delete;
    TspActiveSkinObject& operator=(const TspActiveSkinObject&) = delete;

    // Fields copied from the record.
    std::string IDName;
    std::string Hint;
    gfx::Rect SkinRect;
    gfx::Rect ActiveSkinRect;  // emptied when the record's active picture does not exist
    gfx::Rect InActiveSkinRect;
    bool Morphing = false;
    TspMorphKind MorphKind = TspMorphKind::Default;
    bool SkinRectInAPicture = false;
    int CursorIndex = -1;
    bool RollUp = false;

    // The frame picture (the roll-up picture for roll-up objects) and the active picture,
    // null when the skin has none.
    const gfx::Bitmap* FramePicture = nullptr;
    const gfx::Bitmap* ActivePicture = nullptr;

    // Where the object lies on the frame now (window coordinates).
    gfx::Rect ObjectRect;
    bool Enabled = true;
    bool Visible = true;
    // The pointer is over the object.
    bool Hot = false;
    // 0 shows the normal look, 1 the hot look; between them a fade is under way.
    double MorphFactor = 0;

    // Paints the object in its present state.
    virtual void Draw(gfx::Painter& p);
    virtual void DblClick() {}
    virtual void MouseDown(int x, int y, platform::MouseButton button);
    virtual void MouseUp(int x, int y, platform::MouseButton button);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Whether a fade is under way.
    [[nodiscard]] virtual bool IsMorphing() const;

    // Whether fades are allowed: the record asks for them and the skin enables effects.
    [[nodiscard]] bool CanMorph() const;
    // Moves the fade one step (0.2) towards the present state; true while one is left.
    bool StepMorph();
    // The owning window's frame.
    [[nodiscard]] TspSkinForm& Form() const { return form_; }

protected:
    // Copies src's part r to ObjectRect.
    void DrawPiece(gfx::Painter& p, const gfx::Bitmap* src, const gfx::Rect& r) const;
    // The picture ObjectRect's size showing src's part r.
    [[nodiscard]] gfx::Bitmap Piece(const gfx::Bitmap* src, const gfx::Rect& r) const;
    // Draws the fade between normal and hot pieces of the active picture at MorphFactor.
    void DrawMorph(gfx::Painter& p, const gfx::Bitmap* normalSrc, const gfx::Rect& normal, const gfx::Rect& hot) const;
    // Where the normal look comes from: the active picture when SkinRectInAPicture, else
    // the frame picture.
    [[nodiscard]] const gfx::Bitmap* NormalSource() const;
    // Starts a fade towards the new hot state, or redraws at once without fades.
    void HotChanged();

private:
    TspSkinForm& form_;
};

}  // namespace skin
