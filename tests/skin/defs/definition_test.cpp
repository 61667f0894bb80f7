#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "skin/definition/ini_file.h"
#include "skin/definition/skin_definition.h"
#include "skin/records/data_skin_control_buttons.h"
#include "skin/records/data_skin_control_containers.h"

namespace {

using skin::IniFile;

IniFile Fixture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return IniFile::FromText(text.str());
}

int IndexOfControl(const skin::SkinDefinition& d, std::string_view name) {
    for (std::size_t i = 0; i < d.Controls.size(); ++i) {
        if (d.Controls[i]->IDName == name) return static_cast<int>(i);
    }
    return -1;
}

TEST(RecordLists, EntriesAreNameColonKindAndUnknownKindsAreSkipped) {
    skin::SkinDefinition d;
    d.LoadFromIni(
        IniFile::FromText("[SKINCONTROLS]\ncount=6\n0=button:button\n1=fancy:sparkle\n2=Big:BUTTON\n3=nocolon\n"
                          "4=a:b:checkradio\n5=radiobox:checkradio\n"
                          "[button]\nskinrect=0,0,20,21\n[radiobox]\nskinrect=0,0,33,19\n"));
    ASSERT_EQ(d.Controls.size(), 2u);
    EXPECT_EQ(d.Controls[0]->IDName, "button");
    EXPECT_NE(dynamic_cast<skin::TspDataSkinButtonControl*>(d.Controls[0].get()), nullptr);
    EXPECT_EQ(d.Controls[0]->SkinRect, (gfx::Rect{0, 0, 20, 21}));
    EXPECT_EQ(d.Controls[1]->IDName, "radiobox");
    EXPECT_EQ(d.Controls[1]->SkinRect, (gfx::Rect{0, 0, 33, 19}));
}

TEST(RecordLists, NameBeforeTheFirstColonKeepsItsCase) {
    skin::SkinDefinition d;
    d.LoadFromIni(IniFile::FromText("[SKINOBJECTS]\ncount=2\n0=Caption:caption\n1=x:caption:extra\n"));
    ASSERT_EQ(d.Objects.size(), 1u);
    EXPECT_EQ(d.Objects[0]->IDName, "Caption");
}

TEST(RecordLists, MissingSectionsAndHugeCountsGiveEmptyLists) {
    skin::SkinDefinition d;
    d.LoadFromIni(IniFile::FromText("[SKINOBJECTS]\ncount=2147483647\n[SKINCONTROLS]\ncount=0\n0=button:button\n"));
    EXPECT_TRUE(d.Objects.empty());
    EXPECT_TRUE(d.Controls.empty());
    EXPECT_TRUE(d.Areas.empty());
}

TEST(SkinAreas, NameColonRect) {
    skin::SkinDefinition d;
    d.LoadFromIni(IniFile::FromText("[SKINAREAS]\ncount=2\n0=status:1,2,3,4\n1=logo:5, 6, 70, 80\n"));
    ASSERT_EQ(d.Areas.size(), 2u);
    EXPECT_EQ(d.Areas[0], (skin::TspDataSkinArea{"status", {1, 2, 3, 4}}));
    EXPECT_EQ(d.Areas[1], (skin::TspDataSkinArea{"logo", {5, 6, 70, 80}}));
}

TEST(SkinAreas, EntryWithoutRectIsAFormatErrorAndEarlierAreasStay) {
    skin::SkinDefinition d;
    EXPECT_THROW(d.LoadFromIni(IniFile::FromText("[SKINAREAS]\ncount=3\n0=status:1,2,3,4\n1=broken\n")),
                 skin::SkinFormatError);
    ASSERT_EQ(d.Areas.size(), 1u);
    EXPECT_EQ(d.Areas[0].IDName, "status");
    EXPECT_THROW(d.LoadFromIni(IniFile::FromText("[SKINAREAS]\ncount=2000000000\n")), skin::SkinFormatError);
}

TEST(SkinDefinitionLoad, FormatErrorKeepsWhatWasReadBefore) {
    skin::SkinDefinition d;
    EXPECT_THROW(d.LoadFromIni(IniFile::FromText("[VERSION]\nskinname=Broken\n[PICTURES]\nmask=mask.bmp\n"
                                                 "[FORMINFO]\nborderwidth=5\nclientrect=1,2\n"
                                                 "[SKINCONTROLS]\ncount=1\n0=button:button\n")),
                 skin::SkinFormatError);
    EXPECT_EQ(d.SkinName, "Broken");
    EXPECT_EQ(d.MaskName, "mask.bmp");
    EXPECT_TRUE(d.Controls.empty());
}

TEST(SkinDefinitionLoad, LoadingAgainStartsFromNothing) {
    skin::SkinDefinition d;
    d.LoadFromIni(IniFile::FromText("[VERSION]\nskinname=One\n[SKINCONTROLS]\ncount=1\n0=button:button\n"));
    d.LoadFromIni(IniFile::FromText("[SKINCOLORS]\ncbtnface=5\n"));
    EXPECT_TRUE(d.SkinName.empty());
    EXPECT_TRUE(d.Controls.empty());
    EXPECT_EQ(d.SkinColors.cBtnFace, 5u);
    EXPECT_EQ(d.SkinColors.cBtnText, gfx::clBlack);
    d.Clear();
    EXPECT_EQ(d.SkinColors.cBtnText, gfx::clBtnText);
}

class GameSkinDefinition : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string path = std::string(BURDOMIR_SOURCE_DIR) + "/assets/skin/Default.ini";
        ASSERT_TRUE(std::ifstream(path).good()) << path;
        def.LoadFromIni(Fixture(path));
    }
    skin::SkinDefinition def;
};

TEST_F(GameSkinDefinition, FrameGeometryAfterTheCorrections) {
    const skin::TspDataSkinFormInfo& f = def.FormInfo;
    EXPECT_EQ(def.PictureName, "main.bmp");
    EXPECT_EQ(def.MaskName, "mask.bmp");
    EXPECT_EQ(f.LeftTopPoint, (gfx::Point{10, 33}));
    EXPECT_EQ(f.RightTopPoint, (gfx::Point{209, 33}));
    EXPECT_EQ(f.LeftBottomPoint, (gfx::Point{10, 159}));
    EXPECT_EQ(f.RightBottomPoint, (gfx::Point{212, 158}));
    EXPECT_EQ(f.ClientRect, (gfx::Rect{6, 33, 218, 163}));
    EXPECT_EQ(f.CaptionRect, (gfx::Rect{7, 1, 217, 31}));
    EXPECT_EQ(f.MaskRectArea, (gfx::Rect{5, 5, 219, 164}));
    EXPECT_EQ(f.HitTestLeftTopPoint, (gfx::Point{6, 7}));
    EXPECT_EQ(f.HitTestRightBottomPoint, (gfx::Point{218, 162}));
    EXPECT_TRUE(f.LeftStretch && f.RightStretch && f.TopStretch);
    EXPECT_FALSE(f.BottomStretch);
    EXPECT_EQ(f.BorderWidth, 5);
    EXPECT_EQ(f.FormMinWidth, 200);
    EXPECT_EQ(f.MDIBGPictureIndex, 5);
    EXPECT_EQ(f.InActiveEffect, skin::TspInactiveEffect::Brightness);
    EXPECT_TRUE(f.ButtonsRect.empty());
}

TEST_F(GameSkinDefinition, ListsInTheirOrderWithExactCaseLookup) {
    ASSERT_EQ(def.Objects.size(), 11u);
    EXPECT_EQ(def.Objects[0]->IDName, "menuitem");
    EXPECT_EQ(def.Objects[1]->IDName, "caption");
    ASSERT_EQ(def.Controls.size(), 64u);
    EXPECT_EQ(IndexOfControl(def, "button"), 0);
    EXPECT_EQ(IndexOfControl(def, "BUTTON"), -1);
    EXPECT_EQ(IndexOfControl(def, "vupdown"), 26);
}

TEST_F(GameSkinDefinition, UpDownRecord) {
    const auto* updown = dynamic_cast<const skin::TspDataSkinUpDownControl*>(def.Controls.at(26).get());
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(updown->PictureIndex, 4);
    EXPECT_EQ(updown->SkinRect, (gfx::Rect{202, 173, 217, 204}));
    EXPECT_EQ(updown->UpButtonRect, (gfx::Rect{0, 0, 15, 15}));
    EXPECT_EQ(updown->DownButtonRect, (gfx::Rect{0, 16, 15, 31}));
    EXPECT_EQ(updown->LeftTopPoint, (gfx::Point{}));
    EXPECT_TRUE(updown->ClientRect.empty());
}

TEST_F(GameSkinDefinition, ColoursWithoutThe3DKeysAreBlack) {
    EXPECT_EQ(def.SkinColors.c3DLight, gfx::clBlack);
    EXPECT_EQ(def.SkinColors.c3DDkShadow, gfx::clBlack);
}

TEST_F(GameSkinDefinition, WholeDefinitionWritesBackToTheSameRecords) {
    IniFile written;
    def.SaveToIni(written);
    skin::SkinDefinition again;
    again.LoadFromIni(IniFile(written.Lines()));
    IniFile rewritten;
    again.SaveToIni(rewritten);
    EXPECT_EQ(rewritten.Lines(), written.Lines());
    EXPECT_EQ(again.FormInfo, def.FormInfo);
    EXPECT_EQ(again.ActivePictureNames, def.ActivePictureNames);
    EXPECT_EQ(again.Controls.size(), 64u);
}

}  // namespace

namespace {

// A key the reader spells differently from the skin would silently read its default; the
// game skin writes every key of its records, so each key a record visits must be there.
TEST_F(GameSkinDefinition, EveryKeyTheRecordsReadIsWrittenInTheSkin) {
    const IniFile source = Fixture(std::string(BURDOMIR_SOURCE_DIR) + "/assets/skin/Default.ini");
    auto check = [&](const skin::DataRecord& record) {
        IniFile written;
        record.SaveToIni(written);
        for (const std::string& line : written.Lines()) {
            const std::size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq);
            EXPECT_TRUE(source.ValueExists(record.IDName, key)) << "[" << record.IDName << "] " << key;
        }
    };
    for (const auto& o : def.Objects) check(*o);
    for (const auto& c : def.Controls) check(*c);
}

}  // namespace
