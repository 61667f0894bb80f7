#include "controls/ranges/skin_up_down.h"

#include <gtest/gtest.h>

#include "controls/support/skinned_form.h"

namespace {

using controls::TspSkinUpDown;
using controls::TUDOrientation;

class UpDownTest : public controltest::SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        updown = &form->Make<TspSkinUpDown>();
        updown->SetBounds(10, 10, 20, 40);
        updown->SetOrientation(TUDOrientation::udVertical);
        updown->OnChange = [this](platform::Control&) { log += "change " + std::to_string(updown->Position()) + ";"; };
        updown->OnUpButtonClick = [this](platform::Control&) { log += "up;"; };
        updown->OnDownButtonClick = [this](platform::Control&) { log += "down;"; };
    }
    gfx::Point Middle(int button) {
        const gfx::Rect r = updown->ButtonRect(button);
        return At(*updown, {r.left + r.width() / 2, r.top + r.height() / 2});
    }

    TspSkinUpDown* updown = nullptr;
    std::string log;
};

TEST_F(UpDownTest, OneClickStepsByIncrementAndClicksOnce) {
    updown->Increment = 5;
    driver.Click(*form, Middle(TspSkinUpDown::kUp));
    EXPECT_EQ(updown->Position(), 5);
    driver.Click(*form, Middle(TspSkinUpDown::kDown));
    EXPECT_EQ(log, "change 5;up;change 0;down;");
    EXPECT_FALSE(updown->Repeating());
}

TEST_F(UpDownTest, HeldForASecondItRepeatsFiveTimesBeforeTheFinalStep) {
    driver.MouseDown(*form, Middle(TspSkinUpDown::kUp));
    EXPECT_TRUE(updown->ButtonPressed(TspSkinUpDown::kUp));
    driver.Advance(1000);
    EXPECT_EQ(updown->Position(), 5);
    driver.MouseUp(*form, Middle(TspSkinUpDown::kUp));
    EXPECT_EQ(updown->Position(), 6);
    EXPECT_FALSE(updown->Repeating());
    EXPECT_FALSE(driver.App().NextDeadline()) << "nothing runs once released";
}

TEST_F(UpDownTest, AtMaxTheUpClickStillClicksButChangesNothing) {
    updown->SetPosition(100);
    log.clear();
    driver.Click(*form, Middle(TspSkinUpDown::kUp));
    EXPECT_EQ(updown->Position(), 100);
    EXPECT_EQ(log, "up;");
}

TEST_F(UpDownTest, PositionSetterIgnoresOutOfRangeAndReportsEqualValues) {
    updown->SetPosition(7);
    updown->SetPosition(7);
    updown->SetPosition(101);
    updown->SetMax(5);
    updown->SetMin(6);
    EXPECT_EQ(updown->Position(), 6);
    EXPECT_EQ(log, "change 7;change 7;");
}

TEST_F(UpDownTest, SlidingToTheOtherButtonStillClicksTheFirst) {
    driver.MouseDown(*form, Middle(TspSkinUpDown::kUp));
    driver.MoveTo(*form, Middle(TspSkinUpDown::kDown));
    EXPECT_FALSE(updown->ButtonHot(TspSkinUpDown::kDown)) << "the other button does not light up";
    EXPECT_FALSE(updown->ButtonHot(TspSkinUpDown::kUp));
    EXPECT_FALSE(updown->Repeating()) << "off the held button the repeat pauses";
    driver.Advance(2000);
    driver.MoveTo(*form, Middle(TspSkinUpDown::kUp));
    EXPECT_TRUE(updown->Repeating());
    driver.MoveTo(*form, Middle(TspSkinUpDown::kDown));
    driver.MouseUp(*form, Middle(TspSkinUpDown::kDown));
    EXPECT_EQ(log, "change 1;up;");
}

TEST_F(UpDownTest, SkinSizeComesFromTheSectionAndFreeSizeSplitsTheControl) {
    updown->SetSkinDataName("vupdown");
    updown->SetSkinData(data);
    EXPECT_EQ(updown->Width(), 15);
    EXPECT_EQ(updown->Height(), 31);
    EXPECT_EQ(updown->ButtonRect(TspSkinUpDown::kDown), (gfx::Rect{0, 16, 15, 31}));
    updown->SetUseSkinSize(false);
    updown->SetBounds(10, 10, 40, 20);
    updown->SetOrientation(TUDOrientation::udHorizontal);
    EXPECT_EQ(updown->Height(), 20);
    EXPECT_EQ(updown->ButtonRect(TspSkinUpDown::kDown), (gfx::Rect{0, 0, 20, 20}));
    EXPECT_EQ(updown->ButtonRect(TspSkinUpDown::kUp), (gfx::Rect{20, 0, 40, 20}));
}

}  // namespace
