#include "controls/base/skin_custom_control.h"

#include <gtest/gtest.h>

#include "controls/support/skinned_form.h"
#include "gfx/colour.h"

namespace {

using controls::TspSkinCustomControl;

// A control that paints large both-way sections piecewise, as panels do.
class PiecewisePanel : public TspSkinCustomControl {
protected:
    [[nodiscard]] bool PiecewisePaint() const override { return true; }
};

class SkinCustomControl : public controltest::SkinnedForm {
protected:
    // The control's pixels as the window shows them.
    gfx::Bitmap Shown(const platform::Control& c) { return driver.Pixels(*form).Copy(c.BoundsRect()); }
};

TEST_F(SkinCustomControl, AFixedSectionForcesBothSidesAndAHorizontalOneTheHeight) {
    auto& fixed = Make<TspSkinCustomControl>({0, 0, 1, 1}, false);
    fixed.SetSkinDataName("vupdown");
    fixed.SetSkinData(data);
    EXPECT_EQ(fixed.ResizeMode(), skin::ResizeMode::Fixed);
    EXPECT_EQ(fixed.BoundsRect(), (gfx::Rect{0, 0, 15, 31}));
    auto& edit = Make<TspSkinCustomControl>({0, 0, 200, 80}, false);
    edit.SetSkinDataName("button");
    edit.SetSkinData(data);
    EXPECT_EQ(edit.BoundsRect(), (gfx::Rect{0, 0, 200, 21}));
}

TEST_F(SkinCustomControl, AMissingSectionKeepsTheSizeAndDrawsTheDefaultLookOrNothing) {
    auto& c = Make<TspSkinCustomControl>({10, 10, 60, 40}, false);
    c.SetSkinDataName("nosuchsection");
    c.SetSkinData(data);
    EXPECT_FALSE(c.HasSection());
    EXPECT_EQ(c.BoundsRect(), (gfx::Rect{10, 10, 60, 40}));
    EXPECT_EQ(Shown(c), gfx::Bitmap(50, 30, gfx::ColorToPixel(gfx::clBtnFace)));
    c.DrawDefault = false;
    c.Invalidate();
    EXPECT_EQ(Shown(c), gfx::Bitmap(50, 30));
}

TEST_F(SkinCustomControl, ChangingTheSectionNameAloneDoesNotRepaint) {
    auto& c = Make<TspSkinCustomControl>({10, 10, 60, 40}, false);
    (void)driver.Pixels(*form);
    const int presents = driver.Backend().State(*form).presents;
    c.SetSkinDataName("panel");
    (void)driver.Pixels(*form);
    EXPECT_EQ(driver.Backend().State(*form).presents, presents);
}

TEST_F(SkinCustomControl, AlphaBlendValueGoesFromTheBackgroundToTheControlsOwnPicture) {
    form->Color = 0x000000FF;  // red behind the control
    auto& c = Make<TspSkinCustomControl>({10, 10, 110, 71}, false);
    c.SetSkinDataName("panel");
    c.SetSkinData(data);
    const gfx::Bitmap own = Shown(c);
    c.SetAlphaBlend(true);
    c.SetAlphaBlendValue(255);
    EXPECT_EQ(Shown(c), own);
    c.SetAlphaBlendValue(0);
    EXPECT_EQ(Shown(c), gfx::Bitmap(100, 61, gfx::MakePixel(255, 0, 0)));
}

TEST_F(SkinCustomControl, AWindowlessControlDrawsTheSamePictureOnItsParent) {
    auto& windowed = Make<TspSkinCustomControl>({0, 0, 150, 21}, false);
    auto& windowless = Make<controls::TspGraphicSkinCustomControl>({0, 40, 150, 61}, false);
    windowed.SetSkinDataName("button");
    windowless.SetSkinDataName("button");
    windowed.SetSkinData(data);
    windowless.SetSkinData(data);
    EXPECT_EQ(windowless.ResizeMode(), skin::ResizeMode::Horizontal);
    EXPECT_EQ(Shown(windowless), Shown(windowed));
}

TEST_F(SkinCustomControl, PiecewisePaintingMatchesTheFullImage) {
    auto& full = Make<TspSkinCustomControl>({0, 0, 150, 90}, false);
    auto& pieces = Make<PiecewisePanel>({160, 0, 310, 90}, false);
    for (TspSkinCustomControl* c : {&full, static_cast<TspSkinCustomControl*>(&pieces)}) {
        c->SetSkinDataName("panel");
        c->SetSkinData(data);
    }
    ASSERT_EQ(full.ResizeMode(), skin::ResizeMode::Both);
    EXPECT_EQ(Shown(pieces), Shown(full));
}

TEST_F(SkinCustomControl, ForgetsItsSectionAndItsSkinWhenTheSkinGoes) {
    auto& c = Make<TspSkinCustomControl>({0, 0, 100, 60}, false);
    c.SetSkinDataName("panel");
    c.SetSkinData(data);
    ASSERT_TRUE(c.HasSection());
    ASSERT_NE(c.SkinPicture(), nullptr);
    c.ForgetSkinSection();
    EXPECT_FALSE(c.HasSection());
    EXPECT_EQ(c.SkinPicture(), nullptr);
    auto own = std::make_unique<skin::TspSkinData>();
    c.SetSkinData(own.get());
    own.reset();
    EXPECT_EQ(c.SkinData(), nullptr);
}

TEST_F(SkinCustomControl, ASkinCursorComesFromTheSectionsCursorIndex) {
    auto& c = Make<TspSkinCustomControl>({0, 0, 100, 60}, false);
    c.UseSkinCursor = true;
    c.ControlCursor = platform::Cursor::HandPoint;
    c.SetSkinDataName("panel");
    c.SetSkinData(data);
    EXPECT_EQ(c.ControlCursor, platform::Cursor::Default);  // cursorindex -1
    EXPECT_EQ(controls::SkinCursor(0), platform::Cursor::Arrow);
    EXPECT_EQ(controls::SkinCursor(99), platform::Cursor::Default);
}

TEST_F(SkinCustomControl, DefaultWidthAndHeightApplyOnlyWithoutASection) {
    auto& c = Make<TspSkinCustomControl>({0, 0, 100, 60}, false);
    c.SetDefaultWidth(80);
    c.SetDefaultHeight(0);
    EXPECT_EQ(c.BoundsRect(), (gfx::Rect{0, 0, 80, 60}));
    c.SetSkinDataName("button");
    c.SetSkinData(data);
    c.SetDefaultWidth(30);
    EXPECT_EQ(c.Width(), 80);
}

}  // namespace
