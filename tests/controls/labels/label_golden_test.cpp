#include <gtest/gtest.h>

#include "controls/labels/skin_label.h"
#include "controls/labels/skin_link_label.h"
#include "controls/support/skinned_form.h"
#include "support/golden.h"

namespace {

using controls::TspEllipsType;
using controls::TspSkinLabel;

class LabelGoldenTest : public controltest::SkinnedForm {};

TEST_F(LabelGoldenTest, AlignmentsEllipsisFreeSizePlainAndLink) {
    form->SetBounds(0, 0, 420, 170);
    const char* text = "Выберите имя алкаша:";
    auto& left = Make<TspSkinLabel>({8, 8, 8 + 180, 29});
    left.SetCaption(text);
    auto& centre = Make<TspSkinLabel>({8, 34, 8 + 180, 55});
    centre.SetAlignment(platform::Alignment::Center);
    centre.SetCaption("Город");
    auto& right = Make<TspSkinLabel>({8, 60, 8 + 180, 81});
    right.SetAlignment(platform::Alignment::Right);
    right.SetCaption("Рынок");
    auto& cut = Make<TspSkinLabel>({196, 8, 196 + 100, 29});
    cut.SetEllipsType(TspEllipsType::spetEllips);
    cut.SetCaption(text);
    auto& tall = Make<TspSkinLabel>({196, 34, 196 + 100, 34 + 40});
    tall.SetUseSkinSize(false);
    tall.SetBounds(196, 34, 100, 40);
    tall.SetCaption("Тушка");
    auto& plain = Make<TspSkinLabel>({8, 90, 8 + 180, 111}, false);
    plain.SetBorderStyle(controls::TspBorderStyle::bvLowered);
    plain.SetCaption(text);
    auto& link = form->Make<controls::TspSkinLinkLabel>();
    link.SetBounds(8, 124, 0, 0);
    link.SetSkinData(data);
    link.SetCaption("burdomir.example - Узнай сколько ты можешь выпить!");
    const gfx::Bitmap shot = driver.Pixels(*form);
    EXPECT_TRUE(testsupport::MatchesGolden(shot.Copy({0, 0, 420, 150}), "Label_AlignEllipsisFreePlainLink"));
}

}  // namespace
