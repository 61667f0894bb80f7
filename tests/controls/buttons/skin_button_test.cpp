#include "controls/buttons/skin_button.h"

#include <gtest/gtest.h>

#include "controls/support/skinned_form.h"

namespace {

using controls::TspSkinButton;
using platform::Key;

class SkinButton : public controltest::SkinnedForm {
protected:
    TspSkinButton& MakeButton(gfx::Rect bounds = {10, 10, 110, 40}) {
        TspSkinButton& b = Make<TspSkinButton>(bounds);
        b.OnClick = [this](platform::Control&) { ++clicks; };
        return b;
    }
    gfx::Point Middle(const TspSkinButton& b) { return platform::headless::Driver::CenterOf(b); }
    int clicks = 0;
};

TEST_F(SkinButton, TakesTheSectionsHeightWhateverIsAskedAndKeepsItsWidth) {
    TspSkinButton& b = MakeButton({10, 10, 130, 60});
    EXPECT_EQ(b.Width(), 120);
    EXPECT_EQ(b.Height(), 21);
    b.SetBounds(5, 5, 200, 90);
    EXPECT_EQ(b.BoundsRect(), (gfx::Rect{5, 5, 205, 26}));
    EXPECT_EQ(b.ResizeMode(), skin::ResizeMode::Horizontal);
    EXPECT_EQ(b.ResizedClientRect(), (gfx::Rect{5, 2, 195, 19}));
    b.SetUseSkinSize(false);
    b.SetBounds(5, 5, 200, 90);
    EXPECT_EQ(b.Height(), 90);
}

TEST_F(SkinButton, WithoutASectionKeepsItsSizeOrTakesTheDefaultSize) {
    TspSkinButton& b = MakeButton();
    b.SetSkinDataName("nosuchsection");
    b.ApplySkinChange();
    EXPECT_FALSE(b.HasSection());
    EXPECT_EQ(b.Height(), 21);
    b.SetDefaultHeight(33);
    EXPECT_EQ(b.Height(), 33);
}

TEST_F(SkinButton, ClickOnReleaseOverTheButtonOnly) {
    TspSkinButton& b = MakeButton();
    driver.Click(*form, Middle(b));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b.Down());
    // Sliding off and releasing outside: up again, no click.
    driver.MoveTo(*form, Middle(b));
    driver.MouseDown(*form, Middle(b));
    EXPECT_TRUE(b.Down());
    driver.MoveTo(*form, {300, 180});
    driver.MouseUp(*form, {300, 180});
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButton, RepeatsAfterHalfASecondThenEveryInterval) {
    TspSkinButton& b = MakeButton();
    b.RepeatMode = true;
    b.RepeatInterval = 100;
    driver.MoveTo(*form, Middle(b));
    driver.MouseDown(*form, Middle(b));
    driver.Advance(499);
    EXPECT_EQ(clicks, 0);
    driver.Advance(1);
    EXPECT_EQ(clicks, 1);
    driver.Advance(200);
    EXPECT_EQ(clicks, 3);
    driver.MouseUp(*form, Middle(b));
    EXPECT_EQ(clicks, 4);  // the final click on release over the button
    driver.Advance(1000);
    EXPECT_EQ(clicks, 4);
}

TEST_F(SkinButton, RepeatStopsWhenThePointerLeavesAndReleaseOutsideAddsNothing) {
    TspSkinButton& b = MakeButton();
    b.RepeatMode = true;
    driver.MoveTo(*form, Middle(b));
    driver.MouseDown(*form, Middle(b));
    driver.Advance(600);
    const int held = clicks;
    EXPECT_EQ(held, 2);
    driver.MoveTo(*form, {300, 180});
    driver.Advance(1000);
    driver.MouseUp(*form, {300, 180});
    EXPECT_EQ(clicks, held);
}

TEST_F(SkinButton, GroupedButtonsClickOnPressAndExcludeEachOther) {
    TspSkinButton& a = MakeButton({10, 10, 90, 31});
    TspSkinButton& b = MakeButton({10, 50, 90, 71});
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    driver.MoveTo(*form, Middle(a));
    driver.MouseDown(*form, Middle(a));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(a.Down());
    driver.MouseUp(*form, Middle(a));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(a.Down());
    // A second click on a down button does nothing without AllowAllUp.
    driver.Click(*form, Middle(a));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(a.Down());
    driver.Click(*form, Middle(b));
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
}

TEST_F(SkinButton, AllowAllUpReleasesAGroupedButtonOnASecondClick) {
    TspSkinButton& a = MakeButton();
    a.SetGroupIndex(2);
    a.AllowAllUp = true;
    driver.Click(*form, Middle(a));
    EXPECT_TRUE(a.Down());
    driver.Click(*form, Middle(a));
    EXPECT_FALSE(a.Down());
    EXPECT_EQ(clicks, 2);
}

TEST_F(SkinButton, GroupIndexTakesTheButtonOutOfTheTabOrder) {
    TspSkinButton& a = MakeButton({10, 10, 90, 31});
    TspSkinButton& b = MakeButton({10, 50, 90, 71});
    b.SetGroupIndex(1);
    EXPECT_FALSE(b.CanFocused());
    EXPECT_FALSE(b.TabStop);
    EXPECT_FALSE(b.CanFocus());
    a.SetFocus();
    driver.PressKey(Key::Tab);
    EXPECT_TRUE(a.Focused());
    driver.Click(*form, Middle(b));
    EXPECT_TRUE(a.Focused());
}

TEST_F(SkinButton, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
    TspSkinButton& ok = MakeButton({10, 10, 90, 31});
    TspSkinButton& cancel = MakeButton({10, 50, 90, 71});
    int okClicks = 0, cancelClicks = 0;
    ok.OnClick = [&](platform::Control&) { ++okClicks; };
    cancel.OnClick = [&](platform::Control&) { ++cancelClicks; };
    ok.SetDefault(true);
    cancel.Cancel = true;
    ok.ModalResult = platform::mrOk;
    driver.PressKey(Key::Return);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(form->ModalResult, platform::mrOk);
    driver.PressKey(Key::Escape);
    EXPECT_EQ(cancelClicks, 1);
    driver.PressKey(Key::Escape, platform::ssShift);
    EXPECT_EQ(cancelClicks, 1);
}

TEST_F(SkinButton, DefaultActiveFollowsTheFocus) {
    TspSkinButton& ok = MakeButton({10, 10, 90, 31});
    TspSkinButton& other = MakeButton({10, 50, 90, 71});
    ok.SetDefault(true);
    EXPECT_TRUE(ok.DefaultActive());
    other.SetFocus();
    EXPECT_FALSE(ok.DefaultActive());
    EXPECT_TRUE(other.DefaultActive());
    // Enter now clicks the focused button, not the default one.
    int okClicks = 0;
    ok.OnClick = [&](platform::Control&) { ++okClicks; };
    driver.PressKey(Key::Return);
    EXPECT_EQ(okClicks, 0);
    EXPECT_EQ(clicks, 1);
    ok.SetFocus();
    EXPECT_TRUE(ok.DefaultActive());
    EXPECT_FALSE(other.DefaultActive());
}

TEST_F(SkinButton, SpaceClicksOnReleaseAndMnemonicsClickAtOnce) {
    TspSkinButton& b = MakeButton();
    b.SetCaption("&Пить!");
    b.SetFocus();
    driver.KeyDown(Key::Space);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(clicks, 0);
    driver.KeyUp(Key::Space);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(clicks, 1);
    form->SetActiveControl(nullptr);
    driver.Type("п");
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(b.Focused());
}

TEST_F(SkinButton, PointerInsideFollowsEnterAndLeaveAndRaisesTheEvents) {
    TspSkinButton& b = MakeButton();
    int enters = 0, leaves = 0;
    b.OnMouseEnter = [&](platform::Control&) { ++enters; };
    b.OnMouseLeave = [&](platform::Control&) { ++leaves; };
    driver.MoveTo(*form, Middle(b));
    EXPECT_TRUE(b.PointerInside());
    driver.MoveTo(*form, {300, 180});
    EXPECT_FALSE(b.PointerInside());
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST_F(SkinButton, ModalResultAndActionOnClick) {
    TspSkinButton& b = MakeButton();
    b.OnClick = nullptr;
    controls::TspAction action;
    int executed = 0;
    action.OnExecute = [&](controls::TspAction&) { ++executed; };
    b.SetAction(&action);
    b.ModalResult = platform::mrCancel;
    b.ButtonClick();
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(form->ModalResult, platform::mrCancel);
    int own = 0;
    b.OnClick = [&](platform::Control&) { ++own; };
    b.ButtonClick();
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 1);
}

TEST_F(SkinButton, HoverRepaintDirtiesOnlyTheButtonsRectangle) {
    TspSkinButton& b = MakeButton({40, 30, 140, 60});
    b.SetCaption("Купить");
    const gfx::Bitmap before = driver.Pixels(*form);
    driver.MoveTo(*form, Middle(b));
    const gfx::Bitmap after = driver.Pixels(*form);
    EXPECT_EQ(driver.Backend().State(*form).lastPresented, (gfx::Rect{40, 30, 140, 51}));
    // The hot picture differs from the normal one; nothing outside the button changed.
    EXPECT_NE(before.Copy(b.BoundsRect()), after.Copy(b.BoundsRect()));
    gfx::Bitmap outside = after;
    gfx::Painter(outside).Copy(before, b.BoundsRect(), b.BoundsRect().top_left());
    EXPECT_EQ(outside, before);
}

}  // namespace
