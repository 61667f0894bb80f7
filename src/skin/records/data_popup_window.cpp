#include "skin/records/data_popup_window.h"

#include "skin/definition/ini_file.h"
#include "skin/definition/key_exchange.h"

namespace skin {

namespace {
constexpr std::string_view kSection = "POPUPWINDOW";
}

void TspDataSkinPopupWindow::Exchange(KeyExchange& io) {
    io.Int("windowpictureindex", WindowPictureIndex);
    io.Int("maskpictureindex", MaskPictureIndex);
    io.Point("lefttoppoint", LeftTopPoint);
    io.Point("righttoppoint", RightTopPoint);
    io.Point("leftbottompoint", LeftBottomPoint);
    io.Point("rightbottompoint", RightBottomPoint);
    io.Int("cursorindex", CursorIndex);
    io.Rect("itemsrect", ItemsRect);
    io.Color("scrollmarkercolor", ScrollMarkerColor);
    io.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
    io.Bool("leftstretch", LeftStretch);
    io.Bool("rightstretch", RightStretch);
    io.Bool("topstretch", TopStretch);
    io.Bool("bottomstretch", BottomStretch);
    io.Bool("stretcheffect", StretchEffect);
    io.Enum("stretchtype", StretchType, kStretchTypeTexts);
}

void TspDataSkinPopupWindow::LoadFromIni(const IniFile& ini) {
    *this = TspDataSkinPopupWindow{};
    ReadSection(ini, kSection, *this);
}

void TspDataSkinPopupWindow::SaveToIni(IniFile& ini) const { WriteSection(ini, kSection, *this); }

}  // namespace skin
