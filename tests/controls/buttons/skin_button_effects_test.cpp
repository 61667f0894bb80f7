#include <gtest/gtest.h>

#include "controls/buttons/skin_button.h"
#include "controls/support/skinned_form.h"
#include "gallery_skin_variant.h"
#include "gfx/effects.h"

namespace {

using controls::TspSkinButton;

// A button drawn from a variant of our skin whose "button" section animates or fades.
class SkinButtonEffects : public controltest::SkinnedForm {
protected:
    TspSkinButton& ButtonWith(const std::vector<gallery::SkinKeyChange>& changes) {
        variantStored = &form->Own<skin::TspCompressedStoredSkin>();
        variant = &form->Own<skin::TspSkinData>();
        variantStored->SetData(gallery::DefaultSkinWith(changes));
        variant->SetCompressedStoredSkin(variantStored);
        TspSkinButton& b = form->Make<TspSkinButton>();
        b.SetBounds(10, 10, 100, 25);
        b.SetSkinData(variant);
        return b;
    }
    gfx::Bitmap Shown(const platform::Control& c) { return driver.Pixels(*form).Copy(c.BoundsRect()); }

    skin::TspCompressedStoredSkin* variantStored = nullptr;
    skin::TspSkinData* variant = nullptr;
};

TEST_F(SkinButtonEffects, FrameAnimationRunsForwardOnEnterAndBackwardOnLeave) {
    TspSkinButton& b = ButtonWith({{"button", "animateskinrect", "180,0,540,21"}, {"button", "framecount", "5"}});
    driver.MoveTo(*form, platform::headless::Driver::CenterOf(b));
    EXPECT_EQ(b.AnimationFrame(), 1);
    driver.Advance(25);
    EXPECT_EQ(b.AnimationFrame(), 2);
    driver.Advance(75);
    EXPECT_EQ(b.AnimationFrame(), 5);
    driver.Advance(25);
    EXPECT_EQ(b.AnimationFrame(), 0);
    driver.MoveTo(*form, {300, 180});
    EXPECT_EQ(b.AnimationFrame(), 5);
    driver.Advance(100);
    EXPECT_EQ(b.AnimationFrame(), 1);
    driver.Advance(25);
    EXPECT_EQ(b.AnimationFrame(), 0);
}

TEST_F(SkinButtonEffects, TheCrossFadeBlendsHalfwayAndEndsOnTheActivePicture) {
    TspSkinButton& b = ButtonWith({{"button", "morphing", "1"}});
    ASSERT_TRUE(b.MorphEnabled());
    const gfx::Bitmap normal = Shown(b);
    driver.MoveTo(*form, platform::headless::Driver::CenterOf(b));
    driver.Advance(40);
    EXPECT_DOUBLE_EQ(b.MorphLevel(), 0.4);
    const gfx::Bitmap midway = Shown(b);
    driver.Advance(100);
    EXPECT_EQ(b.MorphLevel(), 1);
    const gfx::Bitmap active = Shown(b);
    EXPECT_NE(midway, normal);
    EXPECT_NE(midway, active);
    // A pixel of the blend lies between the two pictures, channel by channel.
    const gfx::Pixel n = normal.at(50, 2), m = midway.at(50, 2), a = active.at(50, 2);
    EXPECT_EQ(gfx::PixelR(m), gfx::RoundChannel(0.6 * gfx::PixelR(n) + 0.4 * gfx::PixelR(a)));
}

}  // namespace
