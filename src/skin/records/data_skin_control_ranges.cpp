#include "skin/records/data_skin_control_ranges.h"

namespace skin {

void TspDataSkinTrackBarControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("trackarea", TrackArea);
    io.Rect("buttonrect", ButtonRect);
    io.Rect("activebuttonrect", ActiveButtonRect);
    io.Bool("vertical", Vertical);
    io.Bool("buttontransparent", ButtonTransparent);
    io.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TspDataSkinSlider::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Color("bgcolor", BGColor);
    io.Rect("hrulerrect", HRulerRect);
    io.Rect("hthumbrect", HThumbRect);
    io.Rect("vrulerrect", VRulerRect);
    io.Rect("vthumbrect", VThumbRect);
    io.Int("edgesize", EdgeSize);
    io.Color("pointscolor", PointsColor);
}

void TspDataSkinGaugeControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("progressarea", ProgressArea);
    io.Rect("progressrect", ProgressRect);
    io.Int("beginoffset", BeginOffset);
    io.Int("endoffset", EndOffset);
    io.Bool("vertical", Vertical);
    io.Font("", Font);
    io.Bool("progresstransparent", ProgressTransparent);
    io.Color("progresstransparentcolor", ProgressTransparentColor);
    io.Bool("progressstretch", ProgressStretch);
    io.Rect("animationskinrect", AnimationSkinRect);
    io.Int("animationcountframes", AnimationCountFrames);
    io.Int("animationtimerinterval", AnimationTimerInterval);
    io.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
    io.Int("progressanimationcountframes", ProgressAnimationCountFrames);
    io.Int("progressanimationtimerinterval", ProgressAnimationTimerInterval);
    io.Int("animationbeginoffset", AnimationBeginOffset);
    io.Int("animationendoffset", AnimationEndOffset);
}

void TspDataSkinScrollBarControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("trackarea", TrackArea);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
    io.Rect("thumbrect", ThumbRect);
    io.Rect("activethumbrect", ActiveThumbRect);
    io.Rect("downthumbrect", DownThumbRect);
    io.Int("thumboffset1", ThumbOffset1);
    io.Int("thumboffset2", ThumbOffset2);
    io.Bool("thumbtransparent", ThumbTransparent);
    io.Color("thumbtransparentcolor", ThumbTransparentColor);
    io.Bool("thumbstretcheffect", ThumbStretchEffect);
    io.Int("thumbminsize", ThumbMinSize);
    io.Int("thumbminpagesize", ThumbMinPageSize);
    io.Rect("glyphrect", GlyphRect);
    io.Rect("activeglyphrect", ActiveGlyphRect);
    io.Rect("downglyphrect", DownGlyphRect);
    io.Bool("glyphtransparent", GlyphTransparent);
    io.Color("glyphtransparentcolor", GlyphTransparentColor);
}

void TspDataSkinFrameRegulator::Exchange(KeyExchange& io) {
    TspDataSkinFrameControl::Exchange(io);
    io.Enum("kind", Kind, kRegulatorKindTexts);
}

}  // namespace skin
