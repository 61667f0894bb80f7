#include <gtest/gtest.h>

#include "controls/containers/skin_panel.h"
#include "controls/support/skinned_form.h"
#include "gfx/text.h"

namespace {

using controls::TspSkinGroupBox;
using controls::TspSkinPanel;

class GroupBoxTest : public controltest::SkinnedForm {};

// The columns of a window area holding pixels of exactly this colour.
std::pair<int, int> InkColumns(const gfx::Bitmap& shot, const gfx::Rect& area, gfx::Pixel ink) {
    int first = area.right;
    int last = area.left - 1;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (shot.at(x, y) == ink) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST_F(GroupBoxTest, CaptionIsCentredInTheTopEdgeInBlackDefaultFontWithoutTheSkinFont) {
    auto& box = Make<TspSkinGroupBox>({10, 10, 10 + 240, 10 + 120});
    box.UseSkinFont = false;
    box.SetDefaultFont({"Times New Roman", 18, gfx::fsBold, gfx::clHighlight});
    box.SetCaption("Действия");
    ASSERT_TRUE(box.Section());
    EXPECT_EQ(box.Section()->Font.FontColor, 0u);
    // captionrect 4,1,116,19 of a 120-wide picture spans the top edge and grows with the width.
    const gfx::Rect r = box.CaptionArea();
    EXPECT_EQ(r, (gfx::Rect{4, 1, 240 - 4, 19}));

    const gfx::Bitmap shot = driver.Pixels(*form);
    const gfx::Font drawn{"Times New Roman", 18, gfx::fsBold, 0};
    const int w = gfx::TextWidth(drawn, "Действия");
    const int left = r.left + r.width() / 2 - w / 2;
    const gfx::Point o = At(box, {0, 0});
    const auto [first, last] = InkColumns(shot, r.translated(o), gfx::ColorToPixel(gfx::clBlack));
    ASSERT_LE(first, last) << "no black caption pixels";
    EXPECT_GE(first - o.x, left);
    EXPECT_LE(last - o.x, left + w);
    EXPECT_LE(first - o.x - left, 3) << "the text starts where a centred " << w << "-pixel caption does";
    EXPECT_LE(left + w - (last - o.x), 3);
}

TEST_F(GroupBoxTest, CheckModeTogglesCheckedByTheMarkAndEnablesTheChildren) {
    auto& box = Make<TspSkinGroupBox>({10, 10, 250, 130});
    box.SetCaption("Аптека");
    auto& child = box.Make<platform::WinControl>();
    child.SetBounds(20, 40, 20, 20);
    int checkedEvents = 0;
    box.OnChecked = [&](platform::Control&) { ++checkedEvents; };
    box.SetCheckedMode(true);
    box.SetChecked(false);
    EXPECT_FALSE(child.Enabled());
    const gfx::Rect mark = box.CheckMarkRect();
    ASSERT_FALSE(mark.empty());
    EXPECT_EQ(mark.left, box.CaptionArea().left);
    driver.Click(*form, At(box, {mark.left + 3, mark.top + 3}));
    EXPECT_TRUE(box.Checked());
    EXPECT_TRUE(child.Enabled());
    EXPECT_EQ(checkedEvents, 2);
    box.AutoEnabledControls = false;
    box.SetChecked(false);
    EXPECT_TRUE(child.Enabled());
}

TEST_F(GroupBoxTest, ChildAreaFollowsTheSkinOrThePlainCaptionBand) {
    auto& box = Make<TspSkinGroupBox>({0, 0, 200, 100});
    // clientrect 2,20,118,78 of a 120 x 80 picture, grown with the box.
    EXPECT_EQ(box.ChildArea(), (gfx::Rect{2, 20, 200 - 2, 100 - 2}));
    auto& plain = Make<TspSkinPanel>({0, 0, 100, 80}, false);
    EXPECT_EQ(plain.ChildArea(), (gfx::Rect{1, 1, 99, 79}));
    plain.SetCaptionMode(true);
    plain.SetDefaultCaptionHeight(30);
    EXPECT_EQ(plain.ChildArea(), (gfx::Rect{1, 31, 99, 79}));
    plain.SetBorderStyle(controls::TspBorderStyle::bvNone);
    EXPECT_EQ(plain.ChildArea(), (gfx::Rect{0, 30, 100, 80}));
}

TEST_F(GroupBoxTest, APanelStartsAt150SquareOnThePanelSectionWithoutCaption) {
    TspSkinPanel panel;
    EXPECT_EQ(panel.Width(), 150);
    EXPECT_EQ(panel.Height(), 150);
    EXPECT_EQ(panel.SkinDataName(), "panel");
    EXPECT_FALSE(panel.CaptionMode());
    TspSkinGroupBox box;
    EXPECT_EQ(box.SkinDataName(), "groupbox");
    EXPECT_TRUE(box.CaptionMode());
}

TEST_F(GroupBoxTest, RollUpIsStoredAndAnnounced) {
    auto& box = Make<TspSkinGroupBox>({0, 0, 200, 100});
    int events = 0;
    box.OnChangeRollUpState = [&](platform::Control&) { ++events; };
    box.SetRollUpMode(true);
    box.SetRollUpState(true);
    box.SetRollUpState(true);
    EXPECT_TRUE(box.RollUpState());
    EXPECT_EQ(events, 1);
    EXPECT_EQ(box.Height(), 100) << "rolling up is stored only";
    EXPECT_EQ(box.CaptionArea().right, 200 - 4 - 12) << "the arrow takes room from the caption";
}

}  // namespace
