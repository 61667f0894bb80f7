#include <gtest/gtest.h>

#include "skin/frame/frame_fixture.h"

namespace {

using gfx::Point;
using gfx::Rect;
using platform::HitTest;
using skin::TspCommand;
using skin::TspWindowState;

class FrameBehaviourTest : public testfixtures::SkinnedWindows {
protected:
    FrameBehaviourTest() { main.Show(); }
};

TEST_F(FrameBehaviourTest, HitTestingAnswersEdgesOnlyWhereTheWindowSizes) {
    skin::TspSkinForm& frame = Window(300, 200);
    platform::Form& w = frame.Window();
    w.Show();
    EXPECT_EQ(w.HitTestAt({150, 100}), HitTest::Client);
    EXPECT_EQ(w.HitTestAt({100, 12}), HitTest::Caption);
    EXPECT_EQ(w.HitTestAt({100, 28}), HitTest::Object);  // the bar below the caption text
    EXPECT_EQ(w.HitTestAt({2, 100}), HitTest::Left);
    EXPECT_EQ(w.HitTestAt({297, 100}), HitTest::Right);
    EXPECT_EQ(w.HitTestAt({150, 2}), HitTest::Top);
    EXPECT_EQ(w.HitTestAt({150, 197}), HitTest::Bottom);
    EXPECT_EQ(w.HitTestAt({3, 3}), HitTest::TopLeft);
    EXPECT_EQ(w.HitTestAt({297, 3}), HitTest::TopRight);
    EXPECT_EQ(w.HitTestAt({3, 197}), HitTest::BottomLeft);
    EXPECT_EQ(w.HitTestAt({297, 197}), HitTest::BottomRight);
    frame.Sizeable = false;
    EXPECT_EQ(w.HitTestAt({2, 100}), HitTest::Object);
    EXPECT_EQ(w.HitTestAt({150, 2}), HitTest::Object);
}

TEST_F(FrameBehaviourTest, DraggingAnEdgeSizesAndTheCaptionMoves) {
    skin::TspSkinForm& frame = Window(300, 200);
    platform::Form& w = frame.Window();
    w.Show();
    d.Drag(w, {297, 100}, {337, 100});
    EXPECT_EQ(w.BoundsRect(), (Rect{40, 40, 380, 240}));
    EXPECT_EQ(frame.Geometry().client, (Rect{6, 33, 334, 194}));
    d.Drag(w, {100, 12}, {130, 22});
    EXPECT_EQ(w.BoundsRect().top_left(), (Point{70, 50}));
}

TEST_F(FrameBehaviourTest, PressingCloseAndReleasingElsewhereDoesNotClose) {
    skin::TspSkinForm& frame = Window(301, 158, 0);
    platform::Form& w = frame.Window();
    w.Show();
    const Point close = Middle(Button(frame, TspCommand::Close)->ObjectRect);
    d.MoveTo(w, close);
    d.MouseDown(w, close);
    EXPECT_TRUE(Button(frame, TspCommand::Close)->Down);
    d.MoveTo(w, {120, 60});
    d.MouseUp(w, {120, 60});
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(Button(frame, TspCommand::Close)->Down);
    d.MoveTo(w, close);
    d.Click(w, close);
    EXPECT_FALSE(w.Visible());
}

TEST_F(FrameBehaviourTest, AButtonFadesToItsHotLookInFiveTicksAndTheTimersStopWhenIdle) {
    skin::TspSkinForm& frame = Window(301, 158);
    platform::Form& w = frame.Window();
    w.Show();
    auto* minimize = Button(frame, TspCommand::Minimize);
    EXPECT_FALSE(frame.HotTimer().Enabled());
    EXPECT_FALSE(frame.MorphTimer().Enabled());
    d.MoveTo(w, Middle(minimize->ObjectRect));
    EXPECT_TRUE(minimize->Hot);
    for (int tick = 1; tick <= 5; ++tick) {
        EXPECT_TRUE(frame.MorphTimer().Enabled()) << tick;
        d.Advance(25);
        EXPECT_NEAR(minimize->MorphFactor, tick * 0.2, 1e-9) << tick;
    }
    EXPECT_EQ(minimize->MorphFactor, 1.0);
    EXPECT_FALSE(frame.MorphTimer().Enabled());
    const gfx::Bitmap pixels = d.Pixels(w);
    const gfx::Bitmap& picture = *minimize->ActivePicture;
    const Rect r = minimize->ObjectRect;
    for (int y = 0; y < r.height(); y += 4)
        for (int x = 0; x < r.width(); x += 4)
            ASSERT_EQ(pixels.at(r.left + x, r.top + y),
                      picture.at(minimize->ActiveSkinRect.left + x, minimize->ActiveSkinRect.top + y));

    // The pointer goes elsewhere: the hot-tracking timer notices, the fade runs back, and then
    // nothing runs.
    d.Backend().SetPointer({900, 700});
    d.Advance(50);
    EXPECT_FALSE(minimize->Hot);
    EXPECT_FALSE(frame.HotTimer().Enabled());
    d.Advance(200);
    EXPECT_EQ(minimize->MorphFactor, 0.0);
    EXPECT_FALSE(frame.MorphTimer().Enabled());
}

// Some window systems keep reporting the pointer where it was last seen over the program
// once it is over another client; the leave notice must win over that stale position, or
// the hot-tracking timer would light the object again on every tick, forever.
TEST_F(FrameBehaviourTest, LeavingTheWindowStopsHotTrackingEvenWhenThePolledPointerIsStale) {
    skin::TspSkinForm& frame = Window(301, 158);
    platform::Form& w = frame.Window();
    w.Show();
    auto* minimize = Button(frame, TspCommand::Minimize);
    d.MoveTo(w, Middle(minimize->ObjectRect));
    ASSERT_TRUE(frame.HotTimer().Enabled());

    // The driver's Leave keeps the backend's pointer over the button, as the stale query does.
    d.Leave(w);
    EXPECT_FALSE(minimize->Hot);
    EXPECT_FALSE(frame.HotTimer().Enabled());
    d.Advance(1000);
    EXPECT_FALSE(minimize->Hot);
    EXPECT_FALSE(frame.HotTimer().Enabled());
    EXPECT_FALSE(frame.MorphTimer().Enabled());

    // Coming back over the button lights it again.
    d.MoveTo(w, Middle(minimize->ObjectRect));
    EXPECT_TRUE(minimize->Hot);
    EXPECT_TRUE(frame.HotTimer().Enabled());
}

TEST_F(FrameBehaviourTest, MinimisedDialogsBecomeCaptionBarsInTheBottomLeftSlots) {
    skin::TspSkinForm& a = Window(301, 158, skin::biMinimize, 40, 40);
    skin::TspSkinForm& b = Window(320, 170, skin::biMinimize, 400, 60);
    a.Window().Show();
    b.Window().Show();
    d.Click(a.Window(), Middle(Button(a, TspCommand::Minimize)->ObjectRect));
    d.Click(b.Window(), Middle(Button(b, TspCommand::Minimize)->ObjectRect));
    EXPECT_EQ(a.WindowState(), TspWindowState::Minimized);
    EXPECT_EQ(a.Window().BoundsRect(), (Rect{0, 699, 200, 738}));
    EXPECT_EQ(b.Window().BoundsRect(), (Rect{200, 699, 400, 738}));
    EXPECT_TRUE(Button(a, TspCommand::Minimize)->InRestoreState());

    // The restore button and a double click on the bar bring each back where it was.
    d.Click(a.Window(), Middle(Button(a, TspCommand::Minimize)->ObjectRect));
    EXPECT_EQ(a.Window().BoundsRect(), (Rect{40, 40, 341, 198}));
    d.DoubleClick(b.Window(), {60, 12});
    EXPECT_EQ(b.WindowState(), TspWindowState::Normal);
    EXPECT_EQ(b.Window().BoundsRect(), (Rect{400, 60, 720, 230}));
}

TEST_F(FrameBehaviourTest, MinimisingThePrincipalWindowMinimisesTheProgram) {
    mainFrame->ExecuteCommand(TspCommand::Minimize);
    EXPECT_TRUE(d.Backend().State(main).minimized);
    EXPECT_EQ(mainFrame->WindowState(), TspWindowState::Normal);
}

TEST_F(FrameBehaviourTest, AMaximisedWindowFillsTheWorkAreaAndDoesNotMove) {
    skin::TspSkinForm& frame = Window(300, 200, skin::biMaximize);
    platform::Form& w = frame.Window();
    w.Show();
    d.DoubleClick(w, {100, 12});
    EXPECT_EQ(frame.WindowState(), TspWindowState::Maximized);
    EXPECT_EQ(w.BoundsRect(), (Rect{0, 0, 1024, 738}));
    d.Drag(w, {100, 12}, {200, 100});
    EXPECT_EQ(w.BoundsRect(), (Rect{0, 0, 1024, 738}));
    frame.ExecuteCommand(TspCommand::Maximize);
    EXPECT_EQ(w.BoundsRect(), (Rect{40, 40, 340, 240}));
    frame.MaximizeOnFullScreen = true;
    frame.Maximize();
    EXPECT_EQ(w.BoundsRect(), (Rect{0, 0, 1024, 768}));
}

TEST_F(FrameBehaviourTest, AMagneticWindowSnapsToTheWorkAreaEdgesWhileMoving) {
    skin::TspSkinForm& frame = Window(300, 200);
    frame.Magnetic = true;
    platform::Form& w = frame.Window();
    w.Show();
    d.Drag(w, {100, 12}, {65, 12});  // the left edge would come to x 5
    EXPECT_EQ(w.BoundsRect().top_left(), (Point{0, 40}));
    d.Drag(w, {100, 12}, {80, 12});  // 20 pixels out: free again
    EXPECT_EQ(w.BoundsRect().top_left(), (Point{-20, 40}));
    frame.Magnetic = false;
    d.Drag(w, {100, 12}, {125, 12});
    EXPECT_EQ(w.BoundsRect().top_left(), (Point{5, 40}));
}

TEST_F(FrameBehaviourTest, DesktopCentringHappensAtTheFirstShowingOnly) {
    skin::TspSkinForm& frame = Window(301, 158);
    frame.PositionInMonitor = skin::TspPositionInMonitor::sppDesktopCenter;
    platform::Form& w = frame.Window();
    w.Show();
    EXPECT_EQ(w.BoundsRect().top_left(), (Point{362, 290}));
    w.SetBounds(10, 20, 301, 158);
    w.Hide();
    w.Show();
    EXPECT_EQ(w.BoundsRect().top_left(), (Point{10, 20}));
}

TEST_F(FrameBehaviourTest, RightClickOnTheCaptionOpensTheSystemMenuThere) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize);
    platform::Form& w = frame.Window();
    w.Show();
    std::vector<skin::SystemMenuItem> items;
    Point at;
    frame.OnPopupSystemMenu = [&](skin::TspSkinForm&, Point screen, const std::vector<skin::SystemMenuItem>& i) {
        at = screen;
        items = i;
    };
    d.Click(w, {100, 12}, platform::MouseButton::Right);
    EXPECT_EQ(at, (Point{140, 52}));
    EXPECT_EQ(frame.SystemMenuPopup(), nullptr) << "the program's handler replaces the skinned popup menu";
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Name, "SKF_MINITEM");
    frame.ChooseSystemMenuItem(items[0]);
    EXPECT_EQ(frame.WindowState(), TspWindowState::Minimized);
}

TEST_F(FrameBehaviourTest, SizeLimitsComeFromTheSkinTheWorkAreaAndTheProperties) {
    skin::TspSkinForm& frame = Window(300, 200);
    frame.Window().Show();
    EXPECT_EQ(frame.Limits().max, (gfx::Size{1024, 738}));
    frame.MaxWidth = 500;
    frame.MinHeight = 120;
    EXPECT_EQ(frame.Limits().max, (gfx::Size{500, 738}));
    EXPECT_EQ(frame.Limits().min, (gfx::Size{200, 120}));
    frame.Window().SetBounds(0, 0, 900, 50);
    EXPECT_EQ(frame.Window().BoundsRect().size(), (gfx::Size{500, 120}));
}

// A window not yet shown is not yet the window system's, which tells the work area: only the
// skin and the properties limit it, and its first showing brings it within the work area.
TEST_F(FrameBehaviourTest, TheWorkAreaLimitsAWindowFromItsFirstShowing) {
    skin::TspSkinForm& frame = Window(300, 200);
    frame.MaxHeight = 600;
    frame.Window().SetBounds(0, 0, 1500, 900);
    EXPECT_EQ(frame.Window().BoundsRect().size(), (gfx::Size{1500, 600}));
    frame.Window().SetBounds(0, 0, 1500, 10);
    EXPECT_EQ(frame.Window().BoundsRect().size(), (gfx::Size{1500, 39})) << "the skin's minimum holds at once";
    frame.Window().SetBounds(0, 0, 1500, 900);
    frame.Window().Show();
    EXPECT_EQ(frame.Window().BoundsRect().size(), (gfx::Size{1024, 600}));
}

TEST_F(FrameBehaviourTest, ActivationRepaintsTheFrameWithoutTouchingTheClient) {
    skin::TspSkinForm& frame = Window(300, 200);
    platform::Form& w = frame.Window();
    w.Show();
    ASSERT_TRUE(frame.IsActive());
    const gfx::Bitmap active = d.Pixels(w);
    d.Focus(main);
    EXPECT_FALSE(frame.IsActive());
    const gfx::Bitmap inactive = d.Pixels(w);
    EXPECT_NE(active, inactive);  // the caption text and the buttons change
    EXPECT_EQ(active.Copy(frame.Geometry().client), inactive.Copy(frame.Geometry().client));
}

TEST_F(FrameBehaviourTest, TranslucencyFadesInThroughTheWindowOpacity) {
    skin::TspSkinForm& frame = Window(300, 200);
    frame.AlphaBlend = true;
    frame.AlphaBlendValue = 180;
    platform::Form& w = frame.Window();
    w.Show();
    EXPECT_EQ(d.Backend().State(w).opacity, 0);
    d.Advance(1);
    EXPECT_EQ(d.Backend().State(w).opacity, 180);

    skin::TspSkinForm& fading = Window(300, 200);
    fading.AlphaBlendAnimation = true;
    fading.Window().Show();
    d.Advance(1);
    EXPECT_EQ(fading.Window().Opacity(), 10);
    d.Advance(6 * 30);
    EXPECT_EQ(fading.Window().Opacity(), 255);
    EXPECT_EQ(d.Backend().State(fading.Window()).opacity, 255);
}

}  // namespace
