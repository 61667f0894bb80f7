#include <gtest/gtest.h>

#include "controls/containers/skin_panel.h"
#include "controls/support/skinned_form.h"
#include "support/golden.h"

namespace {

using controls::TspSkinGroupBox;

class GroupBoxGoldenTest : public controltest::SkinnedForm {
protected:
    [[nodiscard]] gfx::Bitmap Shot(const platform::Control& c) {
        const gfx::Bitmap window = driver.Pixels(*form);
        return window.Copy(gfx::Rect::from_size(At(c, {0, 0}), c.BoundsRect().size()));
    }
};

TEST_F(GroupBoxGoldenTest, CaptionedOnOurSkinCheckedAndPlain) {
    form->SetBounds(0, 0, 560, 170);
    auto& skinned = Make<TspSkinGroupBox>({8, 8, 8 + 300, 8 + 150});
    skinned.SetCaption("Бригада алкашей собирателей бутылок");
    auto& checked = Make<TspSkinGroupBox>({316, 8, 316 + 110, 8 + 70});
    checked.SetCaption("Аптека");
    checked.SetCheckedMode(true);
    checked.SetChecked(true);
    auto& plain = Make<TspSkinGroupBox>({434, 8, 434 + 118, 8 + 70}, false);
    plain.SetCaption("Продуктовый");
    const gfx::Bitmap shot = driver.Pixels(*form);
    EXPECT_TRUE(testsupport::MatchesGolden(shot.Copy({0, 0, 560, 166}), "GroupBox_SkinCheckedPlain"));
}

}  // namespace
