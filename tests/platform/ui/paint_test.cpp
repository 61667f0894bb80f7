#include <gtest/gtest.h>

#include "gfx/painter.h"
#include "platform/headless/driver.h"

namespace {

using platform::Control;
using platform::Form;
using platform::WinControl;
using platform::headless::Driver;

const gfx::Pixel kRed = gfx::MakePixel(255, 0, 0);
const gfx::Pixel kGreen = gfx::MakePixel(0, 255, 0);
const gfx::Pixel kBlue = gfx::MakePixel(0, 0, 255);

// Fills more than its own area, so that clipping shows.
class Splash : public Control {
public:
    explicit Splash(gfx::Pixel c) : colour(c) {}
    void Paint(gfx::Painter& p) override {
        p.FillRect({-50, -50, 500, 500}, colour);
        ++paints;
        if (PaintingCopy()) ++copies;
    }
    gfx::Pixel colour;
    int paints = 0;
    int copies = 0;
};

class Panel : public WinControl {
public:
    explicit Panel(gfx::Pixel c) { Color = gfx::PixelToColor(c); }
    void Paint(gfx::Painter& p) override { p.FillRect({2, 2, 4, 4}, gfx::MakePixel(255, 255, 255)); }
};

// A borderless window at the origin, so window and client coordinates agree.
class PaintTest : public ::testing::Test {
protected:
    PaintTest() : form(d.App().CreateForm<Form>()) {
        form.BorderStyle = platform::BorderStyle::None;
        form.SetFrameHook(nullptr);
        form.SetBounds(0, 0, 100, 80);
        form.Color = gfx::PixelToColor(kBlue);
        form.Show();
    }
    Driver d;
    Form& form;
};

TEST_F(PaintTest, ChildrenPaintOverParentsClippedToTheirBounds) {
    auto& panel = form.Make<Panel>(kGreen);
    panel.SetBounds(10, 10, 40, 30);
    auto& splash = panel.Make<Splash>(kRed);
    splash.SetBounds(5, 5, 10, 10);
    const gfx::Bitmap pixels = d.Pixels(form);
    EXPECT_EQ(pixels.at(5, 5), kBlue);
    EXPECT_EQ(pixels.at(12, 12), gfx::MakePixel(255, 255, 255)) << "the panel's own Paint";
    EXPECT_EQ(pixels.at(11, 11), kGreen);
    EXPECT_EQ(pixels.at(15, 15), kRed);
    EXPECT_EQ(pixels.at(24, 24), kRed);
    EXPECT_EQ(pixels.at(25, 25), kGreen) << "a windowless child is clipped to itself";
    EXPECT_EQ(pixels.at(60, 60), kBlue);
}

TEST_F(PaintTest, WindowedControlsPaintOverWindowlessSiblingsAndFollowTheirRegion) {
    auto& panel = form.Make<Panel>(kGreen);
    panel.SetBounds(10, 10, 40, 30);
    gfx::Region shape(gfx::Rect{0, 0, 20, 30});
    panel.SetWindowRegion(shape);
    auto& splash = form.Make<Splash>(kRed);
    splash.SetBounds(0, 0, 60, 20);
    const gfx::Bitmap pixels = d.Pixels(form);
    EXPECT_EQ(pixels.at(15, 15), kGreen) << "the windowed panel lies over the later windowless sibling";
    EXPECT_EQ(pixels.at(40, 15), kRed) << "outside its region the panel shows what lies behind";
    EXPECT_EQ(pixels.at(40, 35), kBlue);
}

TEST_F(PaintTest, OnlyTheDirtyPartIsRepainted) {
    auto& left = form.Make<Splash>(kRed);
    left.SetBounds(0, 0, 20, 20);
    auto& right = form.Make<Splash>(kGreen);
    right.SetBounds(50, 0, 20, 20);
    static_cast<void>(d.Pixels(form));
    left.paints = right.paints = 0;
    right.Invalidate();
    static_cast<void>(d.Pixels(form));
    EXPECT_EQ(left.paints, 0);
    EXPECT_EQ(right.paints, 1);
    static_cast<void>(d.Pixels(form));
    EXPECT_EQ(right.paints, 1) << "an idle window does no work";
}

TEST_F(PaintTest, CaptureParentImagePaintsWhatLiesBehind) {
    auto& panel = form.Make<Panel>(kGreen);
    panel.SetBounds(0, 0, 100, 80);
    auto& behind = panel.Make<Splash>(kRed);
    behind.SetBounds(10, 10, 10, 10);
    auto& elsewhere = panel.Make<Splash>(kBlue);
    elsewhere.SetBounds(70, 70, 5, 5);
    auto& target = panel.Make<Splash>(gfx::MakePixel(9, 9, 9));
    target.SetBounds(15, 15, 20, 20);
    auto& later = panel.Make<Splash>(kBlue);
    later.SetBounds(15, 15, 5, 5);

    gfx::Bitmap image;
    platform::CaptureParentImage(target, image);
    ASSERT_EQ(image.size(), (gfx::Size{20, 20}));
    EXPECT_EQ(image.at(0, 0), kRed) << "an earlier overlapping sibling, at its offset";
    EXPECT_EQ(image.at(5, 5), kGreen) << "the parent's background where no sibling is";
    EXPECT_EQ(image.at(14, 14), kGreen);
    EXPECT_EQ(behind.copies, 1);
    EXPECT_EQ(elsewhere.paints, 0) << "siblings that do not overlap are not painted";
    EXPECT_EQ(later.paints, 0) << "later siblings lie in front, not behind";
    EXPECT_EQ(target.paints, 0);
    EXPECT_FALSE(behind.PaintingCopy());
}

TEST_F(PaintTest, CaptureParentImageOfAnOrphanDoesNothing) {
    Splash orphan(kRed);
    orphan.SetBounds(0, 0, 5, 5);
    gfx::Bitmap image(3, 3, kBlue);
    platform::CaptureParentImage(orphan, image);
    EXPECT_EQ(image, gfx::Bitmap(3, 3, kBlue));
}

TEST_F(PaintTest, HidingAndMovingAControlRepaintsWhereItWas) {
    auto& splash = form.Make<Splash>(kRed);
    splash.SetBounds(0, 0, 10, 10);
    EXPECT_EQ(d.Pixels(form).at(5, 5), kRed);
    splash.SetBounds(20, 0, 10, 10);
    EXPECT_EQ(d.Pixels(form).at(5, 5), kBlue);
    EXPECT_EQ(d.Pixels(form).at(25, 5), kRed);
    splash.Hide();
    EXPECT_EQ(d.Pixels(form).at(25, 5), kBlue);
}

TEST_F(PaintTest, PlainFrameSurroundsTheClientArea) {
    form.BorderStyle = platform::BorderStyle::Single;
    form.SetFrameHook(nullptr);
    form.SetBounds(0, 0, 100, 80);
    const gfx::Bitmap pixels = d.Pixels(form);
    EXPECT_EQ(pixels.at(50, 10), gfx::MakePixel(0, 0, 128)) << "the active caption bar";
    EXPECT_EQ(pixels.at(50, 50), kBlue);
    EXPECT_NE(pixels.at(1, 50), kBlue);
}

}  // namespace
