#include "controls/labels/skin_label.h"

#include <gtest/gtest.h>

#include "controls/support/skinned_form.h"
#include "gfx/text.h"

namespace {

using controls::TspEllipsType;
using controls::TspSkinLabel;

class SkinLabelTest : public controltest::SkinnedForm {};

TEST_F(SkinLabelTest, OurLabelSectionIsHorizontalAndKeepsItsHeight) {
    auto& label = Make<TspSkinLabel>({10, 10, 10 + 140, 10 + 40});
    EXPECT_EQ(label.Height(), 21);
    EXPECT_EQ(label.Width(), 140);
    // clientrect 4,2,76,19 of an 80-wide picture, its right edge following the width.
    EXPECT_EQ(label.TextArea(), (gfx::Rect{4, 2, 140 - 4, 19}));
}

TEST_F(SkinLabelTest, EllipsisShortensACaptionOneCharacterTooLong) {
    auto& label = Make<TspSkinLabel>({10, 10, 10 + 100, 31});
    label.SetEllipsType(TspEllipsType::spetEllips);
    const gfx::Font font = label.TextFont();
    const int room = label.TextArea().width();
    // The longest caption of "Ш"s that fits, and then one more.
    std::string fits;
    while (gfx::TextWidth(font, fits + "Ш") <= room) fits += "Ш";
    label.SetCaption(fits);
    EXPECT_EQ(label.ShownText(), fits);
    label.SetCaption(fits + "Ш");
    const std::string shown = label.ShownText();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LT(shown.size() - 3, fits.size() + 2) << "at least one character went";
    EXPECT_LE(gfx::TextWidth(font, shown), room);
    label.SetEllipsType(TspEllipsType::spetNoneEllips);
    EXPECT_EQ(label.ShownText(), fits + "Ш");
}

TEST_F(SkinLabelTest, AutoSizeGrowsAndShrinksWithTheCaption) {
    auto& label = Make<TspSkinLabel>({10, 10, 10 + 60, 31});
    label.SetAutoSize(true);
    label.SetCaption("Выберите имя алкаша:");
    const int needed = gfx::TextWidth(label.TextFont(), "Выберите имя алкаша:");
    EXPECT_EQ(label.TextArea().width(), needed);
    EXPECT_EQ(label.Width(), needed + 8);
    label.SetCaption("Имя");
    EXPECT_EQ(label.TextArea().width(), gfx::TextWidth(label.TextFont(), "Имя"));
    EXPECT_EQ(label.ExtraWidth(), 0);
}

TEST_F(SkinLabelTest, WithoutASectionAutoSizeLeavesTwoPixelsEachSide) {
    auto& label = Make<TspSkinLabel>({0, 0, 30, 21}, false);
    label.SetAutoSize(true);
    label.SetCaption("Деньги: 1000");
    EXPECT_EQ(label.Width(), gfx::TextWidth(label.DefaultFont(), "Деньги: 1000") + 4);
    EXPECT_EQ(label.TextArea(), (gfx::Rect{2, 2, label.Width() - 2, 19}));
}

TEST_F(SkinLabelTest, FontAndColourFollowTheSectionUnlessTurnedOff) {
    auto& label = Make<TspSkinLabel>({0, 0, 100, 21});
    label.SetDefaultFont({"Times New Roman", 17, gfx::fsItalic, gfx::clHighlight});
    EXPECT_EQ(label.TextFont(), (gfx::Font{"Arial", 14, 0, 0}));
    label.UseSkinFont = false;
    EXPECT_EQ(label.TextFont(), (gfx::Font{"Times New Roman", 17, gfx::fsItalic, 0}));
    label.UseSkinFontColor = false;
    EXPECT_EQ(label.TextFont().FontColor, gfx::clHighlight);
}

TEST_F(SkinLabelTest, WithoutSkinSizeTheLabelTakesAnyHeightAndTheTextAreaFollows) {
    auto& label = Make<TspSkinLabel>({0, 0, 100, 21});
    label.SetUseSkinSize(false);
    label.SetBounds(0, 0, 120, 45);
    EXPECT_EQ(label.Height(), 45);
    EXPECT_EQ(label.TextArea(), (gfx::Rect{4, 2, 116, 19 + 24}));
    EXPECT_FALSE(label.WindowRegion());
}

}  // namespace
