#include <gtest/gtest.h>

#include "platform/headless/driver.h"

namespace {

using platform::Form;
using platform::HitTest;
using platform::headless::Driver;

// A frame 10 pixels thick on every side with a 20-pixel caption, a "button" object at the
// top-left corner, and a logged life.
class TestHook : public platform::FrameHook {
public:
    gfx::Rect ClientRect(gfx::Size w) const override { return {10, 30, w.width - 10, w.height - 10}; }
    void PaintNonClient(gfx::Painter& p, gfx::Size w) override {
        p.FillRect({0, 0, w.width, w.height}, gfx::MakePixel(1, 2, 3));
    }
    bool EraseClient(gfx::Painter& p, gfx::Size client) override {
        p.FillRect({0, 0, client.width, client.height}, gfx::MakePixel(4, 5, 6));
        return true;
    }
    HitTest HitTestAt(gfx::Point p) override {
        if (gfx::Rect{0, 0, 10, 10}.contains(p)) return HitTest::Object;
        if (p.x >= 190) return HitTest::Right;
        if (p.y < 30) return HitTest::Caption;
        return ClientRect({200, 100}).contains(p) ? HitTest::Client : HitTest::Nowhere;
    }
    platform::SizeLimits Limits() const override { return {{150, 60}, {400, 0}}; }
    void NonClientMouseDown(gfx::Point p, platform::MouseButton, unsigned) override { Log("ncdown", p); }
    void NonClientMouseUp(gfx::Point p, platform::MouseButton, unsigned) override { Log("ncup", p); }
    void NonClientLeave() override { log.push_back("ncleave"); }
    void ActivationChanged(bool active) override { log.push_back(active ? "active" : "inactive"); }
    void MoveSizeStart(HitTest code) override { log.push_back("start" + std::to_string(static_cast<int>(code))); }
    void MoveSizeEnd() override { log.push_back("end"); }
    void Resized(gfx::Size w) override { log.push_back("size" + std::to_string(w.width)); }
    void CaptionChanged() override { log.push_back("caption"); }

    std::vector<std::string> log;

private:
    void Log(const std::string& what, gfx::Point p) {
        log.push_back(what + "@" + std::to_string(p.x) + "," + std::to_string(p.y));
    }
};

class FrameHookTest : public ::testing::Test {
protected:
    FrameHookTest() : form(d.App().CreateForm<Form>()) {
        form.SetBounds(0, 0, 200, 100);
        EXPECT_EQ(form.SetFrameHook(&hook), nullptr);
        form.Show();
        hook.log.clear();
    }
    TestHook hook;  // outlives the window that points at it
    Driver d;
    Form& form;
};

TEST_F(FrameHookTest, TheHookPlacesAndPaintsTheFrame) {
    EXPECT_EQ(form.ClientRectInWindow(), (gfx::Rect{10, 30, 190, 90}));
    EXPECT_EQ(form.ClientWidth(), 180);
    const gfx::Bitmap pixels = d.Pixels(form);
    EXPECT_EQ(pixels.at(5, 50), gfx::MakePixel(1, 2, 3));
    EXPECT_EQ(pixels.at(50, 50), gfx::MakePixel(4, 5, 6));
}

TEST_F(FrameHookTest, ObjectPressesGoToTheHookAndCaptionDragsMoveTheWindow) {
    d.Click(form, {5, 5});
    d.MoveTo(form, {50, 50});
    d.Drag(form, {100, 15}, {130, 25});
    EXPECT_EQ(hook.log, (std::vector<std::string>{"ncdown@5,5", "ncup@5,5", "ncleave", "start2", "end"}));
    EXPECT_EQ(form.BoundsRect().top_left(), (gfx::Point{30, 10}));
}

TEST_F(FrameHookTest, SizingFollowsTheHookLimits) {
    d.Drag(form, {195, 50}, {495, 50});
    EXPECT_EQ(form.Width(), 400);
    d.Drag(form, {395, 50}, {0, 50});
    EXPECT_EQ(form.Width(), 150);
    EXPECT_EQ(hook.log.front(), "start11");
}

TEST_F(FrameHookTest, ActivationAndCaptionChangesReachTheHook) {
    auto& other = d.App().CreateForm<Form>();
    other.Show();
    form.Show();
    form.SetCaption("Burdomir");
    EXPECT_EQ(hook.log, (std::vector<std::string>{"inactive", "active", "caption"}));
}

TEST_F(FrameHookTest, ReplacingTheHookReturnsThePreviousOne) {
    TestHook second;
    EXPECT_EQ(form.SetFrameHook(&second), &hook);
    EXPECT_EQ(form.SetFrameHook(&hook), &second);
    EXPECT_EQ(form.SetFrameHook(nullptr), &hook);
    EXPECT_EQ(form.ClientRectInWindow(), (gfx::Rect{3, 22, 197, 97})) << "back to the plain frame";
}

}  // namespace
