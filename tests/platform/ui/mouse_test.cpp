#include <gtest/gtest.h>

#include "platform/headless/driver.h"
#include "recording_control.h"

namespace {

using platform::Form;
using platform::headless::Driver;
using platformtest::RecordingWindowed;
using platformtest::RecordingWindowless;

// A plain-framed window at the screen origin: the client area starts at (3, 22).
class MouseTest : public ::testing::Test {
protected:
    MouseTest() : form(d.App().CreateForm<Form>()) {
        form.SetBounds(0, 0, 300, 200);
        panel = &form.Make<RecordingWindowed>(log, "panel");
        panel->SetBounds(10, 10, 100, 100);
        inner = &panel->Make<RecordingWindowless>(log, "inner");
        inner->SetBounds(20, 20, 30, 30);
        form.Show();
    }
    gfx::Point At(int clientX, int clientY) const { return {clientX + 3, clientY + 22}; }

    Driver d;
    Form& form;
    std::vector<std::string> log;
    RecordingWindowed* panel = nullptr;
    RecordingWindowless* inner = nullptr;
};

TEST_F(MouseTest, EnterAndLeaveFollowThePointerAcrossNestedControls) {
    d.MoveTo(form, At(5, 5));
    d.MoveTo(form, At(15, 15));
    d.MoveTo(form, At(35, 35));
    d.MoveTo(form, At(36, 36));
    d.MoveTo(form, At(15, 15));
    d.MoveTo(form, At(200, 150));
    d.Leave(form);
    EXPECT_EQ(log, (std::vector<std::string>{"panel:enter", "panel:move@5,5", "panel:leave", "inner:enter",
                                             "inner:move@5,5", "inner:move@6,6", "inner:leave", "panel:enter",
                                             "panel:move@5,5", "panel:leave"}));
}

TEST_F(MouseTest, LeavingTheWindowSendsLeave) {
    d.MoveTo(form, At(35, 35));
    log.clear();
    d.Leave(form);
    EXPECT_EQ(log, (std::vector<std::string>{"inner:leave"}));
    EXPECT_EQ(form.HoverControl(), nullptr);
}

TEST_F(MouseTest, CaptureKeepsADragOnThePressedControl) {
    d.MoveTo(form, At(35, 35));
    log.clear();
    d.MouseDown(form, At(35, 35));
    d.MoveTo(form, At(250, 150));
    d.MouseUp(form, At(250, 150));
    EXPECT_EQ(log,
              (std::vector<std::string>{"inner:down@5,5", "inner:leave", "inner:move@220,120", "inner:up@220,120"}))
        << "the drag stays with its control, and no click fires outside it";
    EXPECT_EQ(form.MouseCapture(), nullptr);
}

TEST_F(MouseTest, ClickNeedsPressAndReleaseOnTheSameControl) {
    d.Click(form, At(35, 35));
    EXPECT_EQ(log.back(), "inner:click");
    log.clear();
    d.MouseDown(form, At(35, 35));
    d.MouseUp(form, At(15, 15));
    EXPECT_EQ(std::count(log.begin(), log.end(), "panel:click"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "inner:click"), 0);
}

TEST_F(MouseTest, DoubleClickComesAfterOneClick) {
    d.MoveTo(form, At(35, 35));
    log.clear();
    d.DoubleClick(form, At(35, 35));
    EXPECT_EQ(log, (std::vector<std::string>{"inner:down@5,5", "inner:up@5,5", "inner:click", "inner:down2@5,5",
                                             "inner:dblclick", "inner:up@5,5"}));
}

TEST_F(MouseTest, APressPairedWithOneOnAnotherControlIsAPlainClick) {
    d.Click(form, At(15, 15));
    d.MoveTo(form, At(35, 35));
    log.clear();
    d.MouseDown(form, At(35, 35), platform::MouseButton::Left, platform::ssDouble);
    d.MouseUp(form, At(35, 35));
    EXPECT_EQ(log, (std::vector<std::string>{"inner:down@5,5", "inner:up@5,5", "inner:click"}));
}

TEST_F(MouseTest, DisabledParentDisablesItsChildren) {
    panel->SetEnabled(false);
    EXPECT_FALSE(inner->IsEnabled());
    EXPECT_TRUE(inner->Enabled());
    d.MoveTo(form, At(35, 35));
    log.clear();
    d.Click(form, At(35, 35));
    EXPECT_TRUE(log.empty());
}

TEST_F(MouseTest, WindowedChildrenLieOverWindowlessSiblingsWhateverTheOrder) {
    auto& label = form.Make<RecordingWindowless>(log, "label");
    label.SetBounds(0, 0, 60, 60);
    label.BringToFront();
    d.MoveTo(form, At(15, 15));
    EXPECT_EQ(form.HoverControl(), panel);
    d.MoveTo(form, At(5, 5));
    EXPECT_EQ(form.HoverControl(), &label);
}

TEST_F(MouseTest, HiddenControlsTakeNoInput) {
    inner->SetVisible(false);
    d.Click(form, At(35, 35));
    EXPECT_EQ(log.back(), "panel:click");
}

TEST_F(MouseTest, WheelGoesUpToTheFirstControlThatTakesIt) {
    panel->takesWheel = true;
    d.Wheel(form, At(35, 35), -120);
    EXPECT_EQ(std::count(log.begin(), log.end(), "inner:wheel-120"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "panel:wheel-120"), 1);
}

TEST_F(MouseTest, ControlRegionClipsHitTesting) {
    gfx::Region shape(gfx::Rect{0, 0, 10, 10});
    panel->SetWindowRegion(shape);
    d.MoveTo(form, At(15, 15));
    EXPECT_EQ(form.HoverControl(), panel);
    d.MoveTo(form, At(50, 50));
    EXPECT_EQ(form.HoverControl(), &form) << "outside its region the panel is not there";
}

TEST_F(MouseTest, DraggingTheCaptionMovesTheWindowAndTheEdgeSizesIt) {
    d.Drag(form, {100, 10}, {140, 30});
    EXPECT_EQ(form.BoundsRect(), (gfx::Rect{40, 20, 340, 220}));
    d.Drag(form, {299, 100}, {349, 100});
    EXPECT_EQ(form.Width(), 350);
    EXPECT_EQ(form.Left(), 40);
    d.Drag(form, {0, 100}, {-500, 100});
    EXPECT_EQ(form.Width(), 850);
    d.Drag(form, {0, 100}, {840, 100});
    EXPECT_EQ(form.Width(), form.Limits().min.width) << "sizing stops at the minimum";
    EXPECT_EQ(form.BoundsRect().right, 40 - 500 + 850);
}

}  // namespace
