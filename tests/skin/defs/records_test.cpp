#include <gtest/gtest.h>

#include "skin/definition/ini_file.h"
#include "skin/records/data_form_info.h"
#include "skin/records/data_hint_window.h"
#include "skin/records/data_popup_window.h"
#include "skin/records/data_skin_control_buttons.h"
#include "skin/records/data_skin_control_containers.h"
#include "skin/records/data_skin_control_lists.h"
#include "skin/records/data_skin_control_ranges.h"
#include "skin/records/data_skin_control_text.h"
#include "skin/records/data_skin_object.h"
#include "skin/records/skin_colors.h"

namespace {

using skin::IniFile;

template <class Record>
Record Load(const std::string& name, const std::string& text) {
    Record r;
    r.IDName = name;
    r.LoadFromIni(IniFile::FromText(text));
    return r;
}

constexpr const char* kFrame =
    "[FORMINFO]\n"
    "lefttoppoint=10,33\nrighttoppoint=209,33\nleftbottompoint=10,159\nrightbottompoint=212,158\n"
    "clientrect=6,33,218,163\n";

TEST(FormInfoCorrections, WithMaskAnEmptyMaskAreaBecomesTheClientRect) {
    skin::TspDataSkinFormInfo f;
    f.LoadFromIni(IniFile::FromText(std::string(kFrame) + "maskrectarea=0,0,0,0\n"), true);
    EXPECT_EQ(f.MaskRectArea, (gfx::Rect{6, 33, 218, 163}));
}

TEST(FormInfoCorrections, WithMaskTheMaskAreaIsWidenedToHoldTheClientRect) {
    skin::TspDataSkinFormInfo f;
    f.LoadFromIni(IniFile::FromText(std::string(kFrame) + "maskrectarea=5,40,100,164\n"), true);
    EXPECT_EQ(f.MaskRectArea, (gfx::Rect{5, 33, 218, 164}));
}

TEST(FormInfoCorrections, WithMaskUnsetHitTestCornersTakeTheFrameCorners) {
    skin::TspDataSkinFormInfo f;
    f.LoadFromIni(IniFile::FromText(std::string(kFrame) +
                                    "hittestlefttoppoint=6,7\nhittestrighttoppoint=0,7\nhittestleftbottompoint=7,0\n"),
                  true);
    EXPECT_EQ(f.HitTestLeftTopPoint, (gfx::Point{6, 7}));
    EXPECT_EQ(f.HitTestRightTopPoint, (gfx::Point{209, 33}));
    EXPECT_EQ(f.HitTestLeftBottomPoint, (gfx::Point{10, 159}));
    EXPECT_EQ(f.HitTestRightBottomPoint, (gfx::Point{212, 158}));
}

TEST(FormInfoCorrections, WithoutMaskTheMaskAreaAndHitTestCornersStayAsWritten) {
    skin::TspDataSkinFormInfo f;
    f.LoadFromIni(IniFile::FromText(kFrame), false);
    EXPECT_TRUE(f.MaskRectArea.empty());
    EXPECT_EQ(f.HitTestLeftTopPoint, (gfx::Point{0, 0}));
}

TEST(FormInfoCorrections, CornersArePulledIntoTheClientRect) {
    skin::TspDataSkinFormInfo f;
    f.LoadFromIni(IniFile::FromText("[FORMINFO]\nlefttoppoint=2,3\nrighttoppoint=300,1\nleftbottompoint=1,400\n"
                                    "rightbottompoint=250,170\nclientrect=6,33,218,163\n"),
                  false);
    EXPECT_EQ(f.LeftTopPoint, (gfx::Point{6, 33}));
    EXPECT_EQ(f.RightTopPoint, (gfx::Point{218, 33}));
    EXPECT_EQ(f.LeftBottomPoint, (gfx::Point{6, 163}));
    EXPECT_EQ(f.RightBottomPoint, (gfx::Point{218, 163}));
}

TEST(FormInfoCorrections, CornersStayWhenTheFrameHasNoExtentInOneDirection) {
    skin::TspDataSkinFormInfo f;
    f.LoadFromIni(IniFile::FromText("[FORMINFO]\nlefttoppoint=2,3\nrightbottompoint=2,170\nclientrect=6,33,218,163\n"),
                  false);
    EXPECT_EQ(f.LeftTopPoint, (gfx::Point{2, 3}));
    EXPECT_EQ(f.RightBottomPoint, (gfx::Point{2, 170}));
}

TEST(FormInfoCorrections, HitTestCornersTakeTheCornersBeforeTheyArePulledIn) {
    skin::TspDataSkinFormInfo f;
    f.LoadFromIni(
        IniFile::FromText("[FORMINFO]\nlefttoppoint=2,3\nrightbottompoint=250,170\nclientrect=6,33,218,163\n"), true);
    EXPECT_EQ(f.HitTestLeftTopPoint, (gfx::Point{2, 3}));
    EXPECT_EQ(f.LeftTopPoint, (gfx::Point{6, 33}));
}

TEST(FormInfoDefaults, EmptySectionGivesTheDefaults) {
    skin::TspDataSkinFormInfo f;
    f.BorderWidth = 9;
    f.LoadFromIni(IniFile{}, true);
    EXPECT_EQ(f.BGPictureIndex, -1);
    EXPECT_EQ(f.MDIBGPictureIndex, -1);
    EXPECT_EQ(f.CursorIndex, -1);
    EXPECT_EQ(f.BorderWidth, 0);
    EXPECT_EQ(f.StretchType, skin::TspStretchType::Full);
    EXPECT_EQ(f.InActiveEffect, skin::TspInactiveEffect::Brightness);
    EXPECT_TRUE(f.StatusBarName.empty());
}

TEST(WindowRecords, PopupAndHintDefaultsAndKeys) {
    const IniFile ini = IniFile::FromText(
        "[POPUPWINDOW]\nwindowpictureindex=1\nitemsrect=3,3,21,21\nscrollmarkercolor=7365724\nstretchtype=sthorz\n"
        "[HINTWINDOW]\nclientrect=4,4,20,20\nfontstyle=fsbold\n");
    skin::TspDataSkinPopupWindow popup;
    popup.LoadFromIni(ini);
    EXPECT_EQ(popup.WindowPictureIndex, 1);
    EXPECT_EQ(popup.MaskPictureIndex, -1);
    EXPECT_EQ(popup.CursorIndex, -1);
    EXPECT_EQ(popup.ItemsRect, (gfx::Rect{3, 3, 21, 21}));
    EXPECT_EQ(popup.ScrollMarkerColor, 7365724u);
    EXPECT_EQ(popup.StretchType, skin::TspStretchType::Horz);
    skin::TspDataSkinHintWindow hint;
    hint.LoadFromIni(ini);
    EXPECT_EQ(hint.WindowPictureIndex, -1);
    EXPECT_EQ(hint.ClientRect, (gfx::Rect{4, 4, 20, 20}));
    EXPECT_EQ(hint.Font.Name, "Arial");
    EXPECT_EQ(hint.Font.Height, 14);
    EXPECT_EQ(hint.Font.Style, gfx::fsBold);
    EXPECT_EQ(hint.Font.FontColor, gfx::clBlack);
}

TEST(SkinColors, SystemColoursWhenEmptyAndBlackForKeysALoadedSkinLacks) {
    EXPECT_EQ(skin::TspDataSkinColors::SystemColors().cBtnFace, gfx::clBtnFace);
    EXPECT_EQ(skin::TspDataSkinColors::SystemColors().c3DDkShadow, gfx::cl3DDkShadow);
    skin::TspDataSkinColors colors = skin::TspDataSkinColors::SystemColors();
    colors.LoadFromIni(IniFile::FromText("[SKINCOLORS]\ncbtnface=12033930\ncwindow=16777215\n"));
    EXPECT_EQ(colors.cBtnFace, 12033930u);
    EXPECT_EQ(colors.cWindow, gfx::clWhite);
    EXPECT_EQ(colors.c3DLight, gfx::clBlack);
    EXPECT_EQ(colors.c3DDkShadow, gfx::clBlack);
}

TEST(ControlRecordFixUps, UpDownClearsCornersAndClientRectWhateverTheSectionSays) {
    const auto r = Load<skin::TspDataSkinUpDownControl>(
        "vupdown",
        "[vupdown]\npictureindex=4\nskinrect=202,173,217,204\nlefttoppoint=3,3\nrightbottompoint=9,9\n"
        "clientrect=1,1,14,30\nupbuttonrect=0,0,15,15\ndownbuttonrect=0,16,15,31\nleftstretch=1\n");
    EXPECT_EQ(r.PictureIndex, 4);
    EXPECT_EQ(r.SkinRect, (gfx::Rect{202, 173, 217, 204}));
    EXPECT_EQ(r.UpButtonRect, (gfx::Rect{0, 0, 15, 15}));
    EXPECT_EQ(r.DownButtonRect, (gfx::Rect{0, 16, 15, 31}));
    EXPECT_EQ(r.LeftTopPoint, (gfx::Point{}));
    EXPECT_EQ(r.RightBottomPoint, (gfx::Point{}));
    EXPECT_TRUE(r.ClientRect.empty());
    EXPECT_TRUE(r.LeftStretch);
}

TEST(ObjectRecordSpecifics, AnimateNeverMorphs) {
    const auto r = Load<skin::TspDataSkinAnimate>("anim", "[anim]\nmorphing=1\nmorphkind=mkpush\ncountframes=4\n");
    EXPECT_FALSE(r.Morphing);
    EXPECT_EQ(r.MorphKind, skin::TspMorphKind::Push);
    EXPECT_EQ(r.CountFrames, 4);
    EXPECT_EQ(r.TimerInterval, 50);
    EXPECT_EQ(r.Command, skin::TspCommand::Default);
}

TEST(ObjectRecordSpecifics, UserObjectReadsAndWritesOnlyRollupSkinRectAndCursor) {
    const auto r = Load<skin::TspDataUserObject>(
        "user", "[user]\nhint=ignored\nactivepictureindex=3\nrollup=1\nskinrect=1,2,3,4\ncursorindex=2\nmorphing=1\n");
    EXPECT_TRUE(r.Hint.empty());
    EXPECT_EQ(r.ActivePictureIndex, -1);
    EXPECT_FALSE(r.Morphing);
    EXPECT_TRUE(r.RollUp);
    EXPECT_EQ(r.SkinRect, (gfx::Rect{1, 2, 3, 4}));
    EXPECT_EQ(r.CursorIndex, 2);
    IniFile out;
    r.SaveToIni(out);
    EXPECT_EQ(out.Lines(), (std::vector<std::string>{"[user]", "rollup=1", "skinrect=1,2,3,4", "cursorindex=2", ""}));
}

TEST(ObjectRecordSpecifics, ButtonDisabledRectUsesItsOddKeySpelling) {
    const auto r = Load<skin::TspDataSkinButton>("b", "[b]\ndisableskinrsect=1,1,5,5\ndisableskinrect=2,2,6,6\n");
    EXPECT_EQ(r.DisableSkinRect, (gfx::Rect{1, 1, 5, 5}));
    EXPECT_EQ(r.GroupIndex, -1);
}

TEST(ObjectRecordSpecifics, KeysMatchWhateverTheirCase) {
    const auto item =
        Load<skin::TspDataSkinMainMenuBarItem>("mainmenubaritem", "[mainmenubaritem]\nunenabledfontColor=7766662\n");
    EXPECT_EQ(item.UnEnabledFontColor, 7766662u);
    const auto label = Load<skin::TspDataSkinLabel>("lbl", "[lbl]\nfontName=Tahoma\nalignment=tacenter\n");
    EXPECT_EQ(label.Font.Name, "Tahoma");
    EXPECT_EQ(label.Alignment, skin::TspAlignment::Center);
}

TEST(RecordDefaults, MissingKeysTakeTheirListedDefaults) {
    const auto caption = Load<skin::TspDataSkinCaption>("c", "");
    EXPECT_EQ(caption.Font, (gfx::Font{"Arial", 14, 0, gfx::clBlack}));
    EXPECT_EQ(caption.Alignment, skin::TspAlignment::Center);
    EXPECT_EQ(caption.AnimateInterval, 25);
    EXPECT_EQ(caption.ActivePictureIndex, -1);
    EXPECT_EQ(Load<skin::TspDataSkinStdLabelControl>("s", "").ActiveFontColor, 16711680u);
    EXPECT_EQ(Load<skin::TspDataSkinBitLabel>("b", "").TransparentColor, 16711935u);
    const auto list = Load<skin::TspDataSkinListBox>("l", "");
    EXPECT_EQ(list.VScrollBarName, "vscrollbar");
    EXPECT_EQ(list.HScrollBarName, "hscrollbar");
    EXPECT_EQ(list.BothHScrollBarName, "bothhscrollbar");
    EXPECT_EQ(list.CaptionFont.Name, "Arial");
    const auto bar = Load<skin::TspDataSkinControlBar>("cb", "");
    EXPECT_EQ(bar.ItemOffset1, 3);
    EXPECT_EQ(bar.ItemOffset2, 3);
    EXPECT_EQ(Load<skin::TspDataSkinFrameGauge>("fg", "").FramesCount, 1);
    EXPECT_EQ(Load<skin::TspDataSkinStdButton>("sb", "").Command, skin::TspCommand::Default);
    const auto tab = Load<skin::TspDataSkinTabControl>("tab", "[tab]\nupdown=hupdown\n");
    EXPECT_EQ(tab.UpDown, "hupdown");
    EXPECT_EQ(tab.BGPictureIndex, -1);
    EXPECT_EQ(tab.PictureIndex, -1);
}

TEST(RecordDefaults, EmptyFontNameStaysEmpty) {
    EXPECT_EQ(Load<skin::TspDataSkinButtonControl>("b", "[b]\nfontname=\n").Font.Name, "");
}

TEST(RecordFormatErrors, RectWithoutNumbersStopsTheRecord) {
    EXPECT_THROW(Load<skin::TspDataSkinButtonControl>("button", "[button]\nskinrect=0,0,20\n"), skin::SkinFormatError);
    EXPECT_THROW(Load<skin::TspDataSkinLabelControl>("c", "[c]\nlefttoppoint=\n"), skin::SkinFormatError);
}

}  // namespace
