#include "controls/buttons/check_radio_box.h"

#include <gtest/gtest.h>

#include "controls/support/skinned_form.h"

namespace {

using controls::TCheckBoxState;
using controls::TspSkinCheckRadioBox;

class CheckRadioBox : public controltest::SkinnedForm {
protected:
    TspSkinCheckRadioBox& MakeBox(gfx::Rect bounds, bool radio, int group) {
        TspSkinCheckRadioBox& b = Make<TspSkinCheckRadioBox>(bounds);
        b.SetRadio(radio);
        b.SetGroupIndex(group);
        b.SetSkinDataName(radio ? "radiobox" : "checkbox");
        b.ApplySkinChange();
        b.OnClick = [this, &b](platform::Control&) { clicked.push_back(&b); };
        return b;
    }
    std::vector<const TspSkinCheckRadioBox*> clicked;
};

TEST_F(CheckRadioBox, CheckingOneRadioUnchecksTheGroupWithOneClickEvent) {
    TspSkinCheckRadioBox& a = MakeBox({10, 10, 115, 35}, true, 1);
    TspSkinCheckRadioBox& b = MakeBox({10, 40, 115, 65}, true, 1);
    TspSkinCheckRadioBox& other = MakeBox({10, 70, 115, 95}, true, 2);
    a.SetChecked(true);
    other.SetChecked(true);
    clicked.clear();
    driver.ClickControl(b);
    EXPECT_TRUE(b.Checked());
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(other.Checked());  // another group
    EXPECT_EQ(clicked, (std::vector<const TspSkinCheckRadioBox*>{&b}));
}

TEST_F(CheckRadioBox, ClickingACheckedRadioChangesNothing) {
    TspSkinCheckRadioBox& a = MakeBox({10, 10, 115, 35}, true, 1);
    a.SetChecked(true);
    clicked.clear();
    driver.ClickControl(a);
    EXPECT_TRUE(a.Checked());
    EXPECT_TRUE(clicked.empty());
}

TEST_F(CheckRadioBox, APressReleasedOutsideDoesNotToggle) {
    TspSkinCheckRadioBox& a = MakeBox({10, 10, 115, 35}, false, 0);
    const gfx::Point middle = platform::headless::Driver::CenterOf(a);
    driver.MoveTo(*form, middle);
    driver.MouseDown(*form, middle);
    driver.MoveTo(*form, {300, 180});
    driver.MouseUp(*form, {300, 180});
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(clicked.empty());
}

TEST_F(CheckRadioBox, AFlatBoxKeepsTheSizeTheFormGivesIt) {
    TspSkinCheckRadioBox& a = MakeBox({10, 10, 115, 35}, true, 1);
    ASSERT_TRUE(a.HasSection());
    EXPECT_EQ(a.Width(), 105);
    EXPECT_EQ(a.Height(), 25);
    // A non-flat box follows its horizontal section: the height of its skin rectangle.
    a.SetFlat(false);
    a.ApplySkinChange();
    EXPECT_EQ(a.Height(), 19);
    EXPECT_EQ(a.Width(), 105);
}

TEST_F(CheckRadioBox, GrayedStateRules) {
    TspSkinCheckRadioBox& c = MakeBox({10, 10, 115, 35}, false, 0);
    c.SetAllowGrayed(true);
    // Clicking cycles unchecked, grayed, checked, unchecked.
    driver.ClickControl(c);
    EXPECT_EQ(c.State(), TCheckBoxState::cbGrayed);
    EXPECT_FALSE(c.Checked());
    driver.ClickControl(c);
    EXPECT_EQ(c.State(), TCheckBoxState::cbChecked);
    driver.ClickControl(c);
    EXPECT_EQ(c.State(), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(clicked.size(), 3u);
    // Setting Checked false keeps a grayed box grayed; setting State always raises OnClick.
    c.SetState(TCheckBoxState::cbGrayed);
    c.SetChecked(false);
    EXPECT_EQ(c.State(), TCheckBoxState::cbGrayed);
    clicked.clear();
    c.SetState(TCheckBoxState::cbGrayed);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(CheckRadioBox, SpaceAndTheAcceleratorToggle) {
    TspSkinCheckRadioBox& c = MakeBox({10, 10, 115, 35}, false, 0);
    c.SetCaption("&Водка");
    c.SetFocus();
    ASSERT_TRUE(c.Focused());
    driver.PressKey(platform::Key::Space);
    EXPECT_TRUE(c.Checked());
    form->SetActiveControl(nullptr);
    driver.Type("в");
    EXPECT_FALSE(c.Checked());
    EXPECT_TRUE(c.Focused());
}

TEST_F(CheckRadioBox, CanFocusedSetsTabStopAndANewBoxHasNone) {
    TspSkinCheckRadioBox& c = MakeBox({10, 10, 115, 35}, false, 0);
    EXPECT_FALSE(c.TabStop);
    c.SetCanFocused(true);
    EXPECT_TRUE(c.TabStop);
    c.SetCanFocused(false);
    EXPECT_FALSE(c.CanFocus());
}

TEST_F(CheckRadioBox, NonFlatGeometryFollowsTheWidth) {
    TspSkinCheckRadioBox& c = MakeBox({10, 10, 115, 35}, false, 0);
    c.SetFlat(false);
    c.ApplySkinChange();
    (void)driver.Pixels(*form);
    // "checkbox": text area 18,1,31,18 of a 33-wide picture grows by 72; the mark stays at the left.
    EXPECT_EQ(c.ResizedClientRect(), (gfx::Rect{18, 1, 102, 18}));
}

}  // namespace
