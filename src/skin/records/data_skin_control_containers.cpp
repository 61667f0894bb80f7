#include "skin/records/data_skin_control_containers.h"

namespace skin {

void TspDataSkinPanelControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Int("bgpictureindex", BGPictureIndex);
    io.Rect("captionrect", CaptionRect);
    io.Enum("alignment", Alignment, kAlignmentTexts);
    io.Font("", Font);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("uncheckimagerect", UnCheckImageRect);
    io.Rect("markframerect", MarkFrameRect);
    io.Rect("framerect", FrameRect);
    io.Rect("frametextrect", FrameTextRect);
    io.Int("frameleftoffset", FrameLeftOffset);
    io.Int("framerightoffset", FrameRightOffset);
    io.Rect("gripperrect", GripperRect);
    io.Bool("grippertransparent", GripperTransparent);
    io.Color("grippertransparentcolor", GripperTransparentColor);
}

void TspDataSkinExPanelControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("rollhskinrect", RollHSkinRect);
    io.Rect("rollvskinrect", RollVSkinRect);
    io.Int("rollleftoffset", RollLeftOffset);
    io.Int("rollrightoffset", RollRightOffset);
    io.Int("rolltopoffset", RollTopOffset);
    io.Int("rollbottomoffset", RollBottomOffset);
    io.Rect("rollvcaptionrect", RollVCaptionRect);
    io.Rect("rollhcaptionrect", RollHCaptionRect);
    io.Rect("closebuttonrect", CloseButtonRect);
    io.Rect("closebuttonactiverect", CloseButtonActiveRect);
    io.Rect("closebuttondownrect", CloseButtonDownRect);
    io.Rect("hrollbuttonrect", HRollButtonRect);
    io.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    io.Rect("hrollbuttondownrect", HRollButtonDownRect);
    io.Rect("hrestorebuttonrect", HRestoreButtonRect);
    io.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    io.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    io.Rect("vrollbuttonrect", VRollButtonRect);
    io.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    io.Rect("vrollbuttondownrect", VRollButtonDownRect);
    io.Rect("vrestorebuttonrect", VRestoreButtonRect);
    io.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    io.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    io.Rect("captionrect", CaptionRect);
    io.Font("", Font);
    io.Bool("buttonstransparent", ButtonsTransparent);
    io.Color("buttonstransparentcolor", ButtonsTransparentColor);
}

void TspDataSkinTabControl::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Rect("tabrect", TabRect);
    io.Rect("activetabrect", ActiveTabRect);
    io.Rect("focustabrect", FocusTabRect);
    io.Rect("mouseintabrect", MouseInTabRect);
    io.Rect("clientrect", ClientRect);
    io.Int("bgpictureindex", BGPictureIndex);
    io.Point("lefttoppoint", LeftTopPoint);
    io.Point("righttoppoint", RightTopPoint);
    io.Point("leftbottompoint", LeftBottomPoint);
    io.Point("rightbottompoint", RightBottomPoint);
    io.Int("tableftoffset", TabLeftOffset);
    io.Int("tabrightoffset", TabRightOffset);
    io.Rect("tabsbgrect", TabsBGRect);
    io.Bool("tabstretcheffect", TabStretchEffect);
    io.Bool("leftstretch", LeftStretch);
    io.Bool("topstretch", TopStretch);
    io.Bool("rightstretch", RightStretch);
    io.Bool("bottomstretch", BottomStretch);
    io.Bool("stretcheffect", StretchEffect);
    io.Enum("stretchtype", StretchType, kStretchTypeTexts);
    io.Font("", Font);
    io.Color("activefontcolor", ActiveFontColor);
    io.Color("focusfontcolor", FocusFontColor);
    io.Color("mouseinfontcolor", MouseInFontColor);
    io.String("updown", UpDown);
    io.Bool("showfocus", ShowFocus);
    io.Int("focusoffsetx", FocusOffsetX);
    io.Int("focusoffsety", FocusOffsetY);
    io.Rect("closebuttonrect", CloseButtonRect);
    io.Rect("closebuttonactiverect", CloseButtonActiveRect);
    io.Rect("closebuttondownrect", CloseButtonDownRect);
    io.Bool("buttontransparent", ButtonTransparent);
    io.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TspDataSkinScrollBoxControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Int("bgpictureindex", BGPictureIndex);
}

void TspDataSkinControlBar::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("itemrect", ItemRect);
    io.Int("bgpictureindex", BGPictureIndex);
    io.Rect("hgriprect", HGripRect);
    io.Rect("vgriprect", VGripRect);
    io.Int("gripoffset1", GripOffset1);
    io.Int("gripoffset2", GripOffset2);
    io.Bool("itemstretcheffect", ItemStretchEffect);
    io.Int("itemoffset1", ItemOffset1);
    io.Int("itemoffset2", ItemOffset2);
    io.Bool("itemtransparent", ItemTransparent);
    io.Color("itemtransparentcolor", ItemTransparentColor);
    io.Bool("griptransparent", GripTransparent);
    io.Color("griptransparentcolor", GripTransparentColor);
}

void TspDataSkinMainMenuBar::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Rect("itemsrect", ItemsRect);
    io.String("menubaritem", MenuBarItem);
    io.String("closebutton", CloseButton);
    io.String("minbutton", MinButton);
    io.String("maxbutton", MaxButton);
    io.String("sysmenubutton", SysMenuButton);
    io.Color("trackmarkcolor", TrackMarkColor);
    io.Color("trackmarkactivecolor", TrackMarkActiveColor);
    io.Bool("stretcheffect", StretchEffect);
    io.Bool("itemtransparent", ItemTransparent);
}

void TspDataSkinBevel::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Color("lightcolor", LightColor);
    io.Color("darkcolor", DarkColor);
}

void TspDataSkinSplitterControl::Exchange(KeyExchange& io) {
    TspDataSkinCustomControl::Exchange(io);
    io.Rect("gripperrect", GripperRect);
    io.Bool("grippertransparent", GripperTransparent);
    io.Color("grippertransparentcolor", GripperTransparentColor);
}

}  // namespace skin
