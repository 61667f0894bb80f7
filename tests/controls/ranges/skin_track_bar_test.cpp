#include "controls/ranges/skin_track_bar.h"

#include <gtest/gtest.h>

#include "controls/support/skinned_form.h"

namespace {

using controls::TspSkinTrackBar;
using platform::Key;

class TrackBarTest : public controltest::SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        bar = &form->Make<TspSkinTrackBar>();
        bar->SetBounds(10, 10, 100, 20);
        bar->OnChange = [this](platform::Control&) { log += "change " + std::to_string(bar->Value()) + ";"; };
        bar->OnLastChange = [this](platform::Control&) { log += "last;"; };
        bar->OnStartDragButton = [this](platform::Control&) { log += "start;"; };
    }
    // The window point of the thumb's centre.
    gfx::Point Thumb() {
        const gfx::Rect t = bar->ThumbRect().thumb;
        return At(*bar, {t.left + t.width() / 2, t.top + t.height() / 2});
    }

    TspSkinTrackBar* bar = nullptr;
    std::string log;
};

TEST_F(TrackBarTest, ShippedSectionAtWidth100) {
    bar->SetSkinData(data);
    EXPECT_EQ(bar->Height(), 19);
    const gfx::Rect track = bar->TrackArea();
    EXPECT_EQ(track.left, 2);
    EXPECT_EQ(track.right, 97);
    bar->SetMinValue(1);
    bar->SetMaxValue(10);
    const auto p = bar->ThumbRect();
    EXPECT_EQ(p.start, 6);
    EXPECT_EQ(p.end, 93);
    EXPECT_EQ(p.thumb.size(), (gfx::Size{9, 17}));
    EXPECT_EQ(bar->ValueFromOffset(87), 10);
    EXPECT_EQ(bar->ValueFromOffset(10), 2) << "one step is about 9.7 pixels";
    EXPECT_TRUE(log.empty()) << "moving the bounds raises nothing";
}

TEST_F(TrackBarTest, ValueFromOffsetRoundsHalvesToEvenInTheDefaultLook) {
    // Default look at 100 x 20: thumb 8 wide, centre from 6 to 94, 88 pixels.
    bar->SetMaxValue(22);
    EXPECT_EQ(bar->ValueFromOffset(2), 0) << "0.5";
    EXPECT_EQ(bar->ValueFromOffset(6), 2) << "1.5";
    EXPECT_EQ(bar->ValueFromOffset(10), 2) << "2.5";
}

TEST_F(TrackBarTest, ValueSetterClampsAndReportsOnlyRealChanges) {
    bar->SetValue(500);
    bar->SetValue(100);
    bar->SetMaxValue(40);
    bar->SetMinValue(60);
    EXPECT_EQ(bar->Value(), 60);
    EXPECT_EQ(log, "change 100;");
}

TEST_F(TrackBarTest, EqualBoundsPinTheThumbAtTheStartForEveryDrag) {
    bar->SetSkinData(data);
    bar->SetMaxValue(0);
    EXPECT_EQ(bar->ThumbRect().offset, 0);
    const gfx::Point from = Thumb();
    driver.Drag(*form, from, {from.x + 60, from.y});
    EXPECT_EQ(bar->Value(), 0);
    EXPECT_EQ(log, "start;last;");
}

TEST_F(TrackBarTest, DragChangesAsItGoesAndEndsWithOneLastChange) {
    bar->SetSkinData(data);
    bar->SetMinValue(1);
    bar->SetMaxValue(10);
    bar->SetValue(1);
    log.clear();
    const gfx::Point from = Thumb();
    driver.MouseDown(*form, from);
    EXPECT_TRUE(bar->Dragging());
    driver.MoveTo(*form, {from.x + 20, from.y});
    driver.MoveTo(*form, {from.x + 200, from.y + 40});
    EXPECT_EQ(bar->Value(), 10) << "the pointer may leave the bar while dragging";
    driver.MouseUp(*form, {from.x + 200, from.y + 40});
    EXPECT_FALSE(bar->Dragging());
    EXPECT_EQ(log, "start;change 3;change 10;last;");
}

// A neighbour that counts its paints.
class PaintCounter : public platform::Control {
public:
    void Paint(gfx::Painter& /*painter*/) override { ++paints; }
    int paints = 0;
};

TEST_F(TrackBarTest, DraggingRepaintsTheTrackBarAlone) {
    bar->SetSkinData(data);
    auto& neighbour = form->Make<PaintCounter>();
    neighbour.SetBounds(10, 40, 100, 20);
    (void)driver.Pixels(*form);
    const int before = neighbour.paints;
    ASSERT_GT(before, 0) << "a full paint reaches the neighbour";
    const gfx::Point from = Thumb();
    driver.Drag(*form, from, {from.x + 30, from.y}, 10);
    EXPECT_EQ(neighbour.paints, before);
    EXPECT_NE(bar->Value(), 50);
}

TEST_F(TrackBarTest, TrackClicksJumpOnlyWhenAskedAndNeverRaiseLastChange) {
    bar->SetSkinData(data);
    bar->SetValue(0);
    log.clear();
    driver.Click(*form, At(*bar, {80, 9}));
    EXPECT_EQ(bar->Value(), 0) << "a plain click on the track changes nothing";
    bar->JumpWhenClick = true;
    driver.Click(*form, At(*bar, {80, 9}));
    // Offset 80 - 4 - 2 = 74 of 87.
    EXPECT_EQ(bar->Value(), 85);
    EXPECT_EQ(log, "change 85;");
}

TEST_F(TrackBarTest, KeysAndWheelNeedCanFocusedAndEachEndWithLastChange) {
    bar->SetValue(0);
    log.clear();
    bar->SetFocus();
    driver.PressKey(Key::Right);
    EXPECT_EQ(bar->Value(), 0) << "not focusable: keys do nothing";
    bar->SetCanFocused(true);
    driver.Click(*form, At(*bar, {90, 10}));
    ASSERT_TRUE(bar->Focused());
    driver.PressKey(Key::Left);
    EXPECT_EQ(log, "last;") << "at the minimum: no change, still the end of an interaction";
    driver.PressKey(Key::Up);
    driver.PressKey(Key::Right);
    EXPECT_EQ(bar->Value(), 2);
    driver.Wheel(*form, At(*bar, {50, 10}), 120);
    EXPECT_EQ(bar->Value(), 1) << "a horizontal bar moves left when the wheel turns away";
    driver.Wheel(*form, At(*bar, {50, 10}), -120);
    EXPECT_EQ(bar->Value(), 2);
    EXPECT_EQ(log, "last;change 1;last;change 2;last;change 1;last;change 2;last;");
}

TEST_F(TrackBarTest, AVerticalSectionMakesTheBarVertical) {
    EXPECT_FALSE(bar->Vertical());
    bar->SetSkinDataName("trackbar");
    bar->SetSkinData(data);
    EXPECT_TRUE(bar->Vertical());
    bar->SetValue(bar->MinValue());
    const auto low = bar->ThumbRect();
    bar->SetValue(bar->MaxValue());
    EXPECT_LT(bar->ThumbRect().thumb.top, low.thumb.top) << "the minimum is at the bottom";
}

}  // namespace
