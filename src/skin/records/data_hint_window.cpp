#include "skin/records/data_hint_window.h"

#include "skin/definition/ini_file.h"

namespace skin {

namespace {
constexpr std::string_view kSection = "HINTWINDOW";
}

void TspDataSkinHintWindow::Exchange(KeyExchange& io) {
    io.Int("windowpictureindex", WindowPictureIndex);
    io.Int("maskpictureindex", MaskPictureIndex);
    io.Point("lefttoppoint", LeftTopPoint);
    io.Point("righttoppoint", RightTopPoint);
    io.Point("leftbottompoint", LeftBottomPoint);
    io.Point("rightbottompoint", RightBottomPoint);
    io.Rect("clientrect", ClientRect);
    io.Font("", Font);
    io.Bool("leftstretch", LeftStretch);
    io.Bool("rightstretch", RightStretch);
    io.Bool("topstretch", TopStretch);
    io.Bool("bottomstretch", BottomStretch);
    io.Bool("stretcheffect", StretchEffect);
    io.Enum("stretchtype", StretchType, kStretchTypeTexts);
}

void TspDataSkinHintWindow::LoadFromIni(const IniFile& ini) {
    *this = TspDataSkinHintWindow{};
    ReadSection(ini, kSection, *this);
}

void TspDataSkinHintWindow::SaveToIni(IniFile& ini) const { WriteSection(ini, kSection, *this); }

}  // namespace skin
