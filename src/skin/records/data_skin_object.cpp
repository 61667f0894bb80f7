#include "skin/records/data_skin_object.h"

namespace skin {

void TspDataSkinObject::Exchange(KeyExchange& io) {
    io.String("hint", Hint);
    io.Bool("rollup", RollUp);
    io.Int("activepictureindex", ActivePictureIndex);
    io.Bool("skinrectinapicture", SkinRectInAPicture);
    io.Int("cursorindex", CursorIndex);
    io.Rect("skinrect", SkinRect);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("inactiveskinrect", InActiveSkinRect);
    io.Bool("morphing", Morphing);
    io.Enum("morphkind", MorphKind, kMorphKindTexts);
}

void TspDataSkinButton::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Rect("downrect", DownRect);
    io.Rect("disableskinrsect", DisableSkinRect);
    io.Int("groupindex", GroupIndex);
}

void TspDataSkinStdButton::Exchange(KeyExchange& io) {
    TspDataSkinButton::Exchange(io);
    io.Enum("command", Command, kCommandTexts);
    io.Rect("restorerect", RestoreRect);
    io.Rect("restoreactiverect", RestoreActiveRect);
    io.Rect("restoredownrect", RestoreDownRect);
    io.Rect("restoreinactiverect", RestoreInActiveRect);
}

void TspDataSkinCaption::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Bool("defaultcaption", DefaultCaption);
    io.Rect("textrect", TextRect);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Enum("alignment", Alignment, kAlignmentTexts);
    io.Bool("shadow", Shadow);
    io.Color("shadowcolor", ShadowColor);
    io.Bool("light", Light);
    io.Color("lightcolor", LightColor);
    io.Color("activelightcolor", ActiveLightColor);
    io.Color("activeshadowcolor", ActiveShadowColor);
    io.Rect("framerect", FrameRect);
    io.Rect("activeframerect", ActiveFrameRect);
    io.Rect("frametextrect", FrameTextRect);
    io.Int("frameleftoffset", FrameLeftOffset);
    io.Int("framerightoffset", FrameRightOffset);
    io.Bool("stretcheffect", StretchEffect);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Int("framecount", FrameCount);
    io.Int("animateinterval", AnimateInterval);
    io.Bool("inactiveanimation", InActiveAnimation);
    io.Bool("fullframe", FullFrame);
}

void TspDataSkinMenuItem::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Int("itemleftoffset", ItemLeftOffset);
    io.Int("itemrightoffset", ItemRightOffset);
    io.Rect("dividerrect", DividerRect);
    io.Int("dividerleftoffset", DividerLeftOffset);
    io.Int("dividerrightoffset", DividerRightOffset);
    io.Rect("textrect", TextRect);
    io.Rect("imagerect", ImageRect);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Color("unenabledfontcolor", UnEnabledFontColor);
    io.Bool("stretcheffect", StretchEffect);
    io.Bool("inactivestretcheffect", InActiveStretchEffect);
    io.Bool("dividerstretcheffect", DividerStretchEffect);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Int("framecount", FrameCount);
    io.Int("animateinterval", AnimateInterval);
    io.Bool("inactiveanimation", InActiveAnimation);
    io.Bool("useimagecolor", UseImageColor);
    io.Color("imagecolor", ImageColor);
    io.Color("activeimagecolor", ActiveImageColor);
    io.Bool("inactivetransparent", InActiveTransparent);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("activecheckimagerect", ActiveCheckImageRect);
    io.Rect("radioimagerect", RadioImageRect);
    io.Rect("activeradioimagerect", ActiveRadioImageRect);
    io.Rect("arrowimagerect", ArrowImageRect);
    io.Rect("activearrowimagerect", ActiveArrowImageRect);
}

void TspDataSkinMainMenuItem::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Int("itemleftoffset", ItemLeftOffset);
    io.Int("itemrightoffset", ItemRightOffset);
    io.Rect("downrect", DownRect);
    io.Rect("textrect", TextRect);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Color("downfontcolor", DownFontColor);
    io.Color("unenabledfontcolor", UnEnabledFontColor);
    io.Bool("stretcheffect", StretchEffect);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Int("framecount", FrameCount);
    io.Int("animateinterval", AnimateInterval);
    io.Bool("inactiveanimation", InActiveAnimation);
}

void TspDataSkinTrackBar::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Rect("buttonrect", ButtonRect);
    io.Rect("activebuttonrect", ActiveButtonRect);
    io.Point("beginpoint", BeginPoint);
    io.Point("endpoint", EndPoint);
    io.Int("minvalue", MinValue);
    io.Int("maxvalue", MaxValue);
    io.Bool("mousedownchangevalue", MouseDownChangeValue);
    io.Bool("buttontransparent", ButtonTransparent);
    io.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TspDataSkinGauge::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Int("minvalue", MinValue);
    io.Int("maxvalue", MaxValue);
    io.Enum("kind", Kind, kGaugeKindTexts);
}

void TspDataSkinFrameGaugeObject::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Int("minvalue", MinValue);
    io.Int("maxvalue", MaxValue);
    io.Int("countframes", CountFrames);
    io.Enum("framesplacement", FramesPlacement, kFramesPlacementTexts);
}

void TspDataSkinFrameRegulatorObject::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Int("minvalue", MinValue);
    io.Int("maxvalue", MaxValue);
    io.Int("countframes", CountFrames);
    io.Enum("framesplacement", FramesPlacement, kFramesPlacementTexts);
    io.Enum("kind", Kind, kRegulatorKindTexts);
}

void TspDataSkinLabel::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Enum("alignment", Alignment, kAlignmentTexts);
    io.String("textvalue", TextValue);
}

void TspDataSkinBitLabel::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.String("textvalue", TextValue);
    io.Int("symbolwidth", SymbolWidth);
    io.Int("symbolheight", SymbolHeight);
    io.Lines("symbols", Symbols);
    io.Bool("transparent", Transparent);
    io.Color("transparentcolor", TransparentColor);
}

void TspDataSkinAnimate::Exchange(KeyExchange& io) {
    TspDataSkinObject::Exchange(io);
    io.Int("countframes", CountFrames);
    io.Bool("cycle", Cycle);
    io.Bool("buttonstyle", ButtonStyle);
    io.Int("timerinterval", TimerInterval);
    io.Enum("command", Command, kCommandTexts);
    io.Rect("downskinrect", DownSkinRect);
    io.Rect("restorerect", RestoreRect);
    io.Rect("restoreactiverect", RestoreActiveRect);
    io.Rect("restoredownrect", RestoreDownRect);
    io.Rect("restoreinactiverect", RestoreInActiveRect);
}

void TspDataSkinAnimate::LoadFromIni(const IniFile& ini) {
    TspDataSkinObject::LoadFromIni(ini);
    Morphing = false;
}

void TspDataUserObject::Exchange(KeyExchange& io) {
    io.Bool("rollup", RollUp);
    io.Rect("skinrect", SkinRect);
    io.Int("cursorindex", CursorIndex);
}

}  // namespace skin
