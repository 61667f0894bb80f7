#include "skin/records/data_skin_control_buttons.h"

namespace skin {

void TspDataSkinButtonControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Color("disabledfontcolor", DisabledFontColor);
    io.Color("downfontcolor", DownFontColor);
    io.Bool("morphing", Morphing);
    io.Enum("morphkind", MorphKind, kMorphKindTexts);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("downskinrect", DownSkinRect);
    io.Rect("focusedskinrect", FocusedSkinRect);
    io.Rect("disabledskinrect", DisabledSkinRect);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Int("framecount", FrameCount);
    io.Int("animateinterval", AnimateInterval);
    io.Bool("showfocus", ShowFocus);
    io.Rect("menumarkerflatrect", MenuMarkerFlatRect);
    io.Rect("menumarkerrect", MenuMarkerRect);
    io.Rect("menumarkeractiverect", MenuMarkerActiveRect);
    io.Rect("menumarkerdownrect", MenuMarkerDownRect);
    io.Color("menumarkertransparentcolor", MenuMarkerTransparentColor);
}

void TspDataSkinMenuButtonControl::Exchange(KeyExchange& io) {
    TspDataSkinButtonControl::Exchange(io);
    io.Rect("trackbuttonrect", TrackButtonRect);
}

void TspDataSkinCheckRadioControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Color("unenabledfontcolor", UnEnabledFontColor);
    io.Color("framefontcolor", FrameFontColor);
    io.Bool("morphing", Morphing);
    io.Enum("morphkind", MorphKind, kMorphKindTexts);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("checkimagearea", CheckImageArea);
    io.Rect("textarea", TextArea);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("uncheckimagerect", UnCheckImageRect);
    io.Rect("activecheckimagerect", ActiveCheckImageRect);
    io.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
    io.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    io.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
    io.Rect("grayedcheckimagerect", GrayedCheckImageRect);
    io.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
}

void TspDataSkinUpDownControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TspDataSkinUpDownControl::LoadFromIni(const IniFile& ini) {
    TspDataSkinCustomControl::LoadFromIni(ini);
    LeftTopPoint = {};
    RightTopPoint = {};
    LeftBottomPoint = {};
    RightBottomPoint = {};
    ClientRect = {};
}

}  // namespace skin
