#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/label.h"
#include "skin/data/skin_fixture.h"
#include "skin/frame/frame_fixture.h"
#include "skin/skinned_control.h"

namespace {

using gfx::Rect;

// A control that records what its window asks of it on a skin change.
class RecordingControl : public platform::Control, public skin::SkinnedControl {
public:
    RecordingControl(platform::Component* owner, skin::TspSkinData* data, std::vector<std::string>& log)
        : platform::Control(owner), data_(data), log_(log) {}
    [[nodiscard]] skin::TspSkinData* SkinData() const override { return data_; }
    void ForgetSkinSection() override { log_.push_back(Name + ":forget"); }
    void ApplySkinChange() override { log_.push_back(Name + ":apply"); }

private:
    skin::TspSkinData* data_;
    std::vector<std::string>& log_;
};

class FrameSkinChangeTest : public testfixtures::SkinnedWindows {};

TEST_F(FrameSkinChangeTest, ALoadWhileShownRebuildsTheFrameAndWalksTheControls) {
    skin::TspSkinForm& frame = Window(301, 158);
    platform::Form& w = frame.Window();
    w.Show();
    std::vector<std::string> log;
    auto& mine = w.Make<RecordingControl>(&w, &data, log);
    mine.Name = "mine";
    auto& other = w.Make<RecordingControl>(&w, nullptr, log);
    other.Name = "other";
    int rebuilt = 0;
    frame.OnChangeSkinData = [&](skin::TspSkinForm&) { ++rebuilt; };

    data.LoadCompressedStream(skin::DefaultSkinData());
    EXPECT_EQ(log, (std::vector<std::string>{"mine:forget", "mine:apply"}));
    EXPECT_EQ(rebuilt, 1);
    EXPECT_TRUE(frame.IsSkinned());
    EXPECT_EQ(Button(frame, skin::TspCommand::Close)->ObjectRect, (Rect{251, 1, 294, 33}));
    EXPECT_EQ(w.ClientRectInWindow(), (Rect{6, 33, 295, 152}));
    (void)d.Pixels(w);
}

TEST_F(FrameSkinChangeTest, ClientSizeIsRestoredAfterEachSkinChange) {
    skin::TspSkinForm& frame = Window(301, 158);
    frame.ClientWidth = 400;
    frame.ClientHeight = 250;
    data.LoadCompressedStream(skin::DefaultSkinData());
    EXPECT_EQ(frame.Window().ClientWidth(), 400);
    EXPECT_EQ(frame.Window().ClientHeight(), 250);
}

TEST_F(FrameSkinChangeTest, ADamagedSkinFallsBackToThePlainFrame) {
    skin::TspSkinForm& frame = Window(301, 158);
    platform::Form& w = frame.Window();
    w.Show();
    const std::vector<std::uint8_t> damaged{0x78, 0x9C, 0x01, 0x02};
    EXPECT_ANY_THROW(data.LoadCompressedStream(damaged));
    EXPECT_FALSE(frame.IsSkinned());
    EXPECT_TRUE(frame.Objects().empty());
    EXPECT_EQ(w.ClientRectInWindow(), (Rect{3, 22, 298, 155}));
    EXPECT_FALSE(w.WindowOutline().has_value());
    EXPECT_EQ(w.HitTestAt({100, 10}), platform::HitTest::Caption);
    (void)d.Pixels(w);
    data.LoadCompressedStream(skin::DefaultSkinData());
    EXPECT_TRUE(frame.IsSkinned());
    EXPECT_TRUE(w.WindowOutline().has_value());
}

TEST_F(FrameSkinChangeTest, TurningSkinnableOffShowsThePlainFrame) {
    skin::TspSkinForm& frame = Window(301, 158);
    data.SetSkinnableForm(false);
    EXPECT_FALSE(frame.Skinnable());
    EXPECT_EQ(frame.Window().ClientRectInWindow(), (Rect{3, 22, 298, 155}));
    data.SetSkinnableForm(true);
    EXPECT_TRUE(frame.IsSkinned());
}

TEST_F(FrameSkinChangeTest, SkinDataThatGoesAwayLeavesAPlainWindow) {
    auto own = std::make_unique<skin::TspSkinData>();
    own->LoadCompressedStream(skin::DefaultSkinData());
    skin::TspSkinForm& frame = Window(301, 158);
    frame.SetSkinData(own.get());
    ASSERT_TRUE(frame.IsSkinned());
    own.reset();
    EXPECT_EQ(frame.SkinData(), nullptr);
    EXPECT_FALSE(frame.IsSkinned());
    EXPECT_TRUE(frame.Objects().empty());
    (void)d.Pixels(frame.Window());
}

TEST_F(FrameSkinChangeTest, TheFrameTakesTheHookAndGivesItBack) {
    EXPECT_THROW(skin::TspSkinForm{nullptr}, std::invalid_argument);
    EXPECT_THROW(skin::TspSkinForm{&data}, std::invalid_argument);
    platform::Form& w = d.App().CreateForm<platform::Form>();
    {
        skin::TspSkinForm frame(&w);
        EXPECT_EQ(w.GetFrameHook(), &frame);
        frame.SetSkinData(&data);
        EXPECT_TRUE(w.WindowOutline().has_value());
    }
    EXPECT_EQ(w.GetFrameHook(), nullptr);
    EXPECT_FALSE(w.WindowOutline().has_value());
}

TEST_F(FrameSkinChangeTest, SkinAreasKeepTheirControlsOverTheArea) {
    std::vector<std::string> lines = testfixtures::SmallDefinition("Areas");
    lines.insert(lines.end(), {"[SKINAREAS]", "count=1", "0=logo:20,2,28,8"});
    platform::Form& w = d.App().CreateForm<platform::Form>();
    auto& small = w.Own<skin::TspSkinData>(&w);
    small.LoadCompressedStream(skin::DeflateSkin(testfixtures::SmallPackage(lines)));
    auto& frame = w.Own<skin::TspSkinForm>(&w);
    frame.SetSkinData(&small);
    w.SetBounds(0, 0, 130, 90);
    auto& bound = w.Make<platform::TLabel>(&w);
    auto& unbound = w.Make<platform::TLabel>(&w);
    unbound.SetBounds(1, 2, 3, 4);
    frame.BindSkinArea(bound, "logo");
    frame.BindSkinArea(unbound, "nosucharea");
    const Rect area = frame.Geometry().MapByZones({20, 2, 28, 8});
    const gfx::Point origin = frame.Geometry().client.top_left();
    EXPECT_EQ(bound.BoundsRect(), area.translated(gfx::Point{-origin.x, -origin.y}));
    EXPECT_EQ(unbound.BoundsRect(), (Rect{1, 2, 4, 6}));
    w.SetBounds(0, 0, 160, 90);
    EXPECT_EQ(bound.BoundsRect(),
              frame.Geometry().MapByZones({20, 2, 28, 8}).translated(gfx::Point{-origin.x, -origin.y}));
}

}  // namespace
