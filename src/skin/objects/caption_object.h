#pragma once

#include <string>

#include "gfx/font.h"
#include "skin/objects/active_skin_object.h"

namespace skin {

// The caption bar's text: the window's caption in the skin's font and colours, shortened
// with "..." to fit, with optional light and shadow copies.
class TspSkinCaptionObject : public TspActiveSkinObject {
public:
    TspSkinCaptionObject(TspSkinForm& form, const TspDataSkinCaption& record);

    bool DefaultCaption = false;
    gfx::Font Font;  // name, height, style and the inactive colour
    gfx::Color ActiveFontColor = 0;
    TspAlignment Alignment = TspAlignment::Center;
    gfx::Rect TextRect;  // relative to the object
    bool Shadow = false;
    gfx::Color ShadowColor = 0;
    gfx::Color ActiveShadowColor = 0;
    bool Light = false;
    gfx::Color LightColor = 0;
    gfx::Color ActiveLightColor = 0;
    gfx::Rect FrameRect;
    gfx::Rect ActiveFrameRect;
    gfx::Rect FrameTextRect;
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    bool StretchEffect = false;
    gfx::Rect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;
    bool FullFrame = false;
    // The animation frame shown now.
    int CurrentFrame = 0;
    // Milliseconds gathered towards the next animation frame.
    int AnimationElapsed = 0;

    void Draw(gfx::Painter& p) override;
    // Whether the caption animation can run at all.
    [[nodiscard]] bool Animates() const;
    // Moves the animation on by one 25 ms tick; true while it has frames left to go.
    bool StepAnimation();
    // Where the text goes, in window coordinates: the record's text rectangle, grown with
    // the object.
    [[nodiscard]] gfx::Rect TextArea() const;
    // The text as drawn into a rectangle that wide: whole, or cut and ended with "...".
    [[nodiscard]] std::string FittedText(const std::string& text, int width) const;

private:
    void DrawText(gfx::Painter& p, bool active);
    [[nodiscard]] gfx::Bitmap AnimationFrame(int frame) const;
};

}  // namespace skin
