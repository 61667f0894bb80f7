#include <gtest/gtest.h>

#include "controls/images/game_pictures.h"
#include "controls/images/png_image_view.h"
#include "platform/headless/driver.h"
#include "support/golden.h"

namespace {

using controls::TspPngImageList;
using controls::TspPngImageView;
using platform::Form;
using platform::headless::Driver;

// Every picture of both lists in image views on the skin's paper colour, each block enabled
// and then disabled: the twelve list pictures in two rows with the portrait beside them.
TEST(PicturesGolden, AllThirteenEnabledAndDisabled) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.BorderStyle = platform::BorderStyle::None;
    form.SetFrameHook(nullptr);
    form.SetBounds(0, 0, 752, 412);
    form.Color = 0x00C1DBE2;  // 0x00BBGGRR: the paper of the skin's panels
    TspPngImageList goods;
    controls::LoadGamePictures(goods);
    TspPngImageList portrait;
    controls::LoadPortraitPicture(portrait);
    for (const bool enabled : {true, false}) {
        const int top = enabled ? 4 : 206;
        for (int i = 0; i < 12; ++i) {
            auto& view = form.Make<TspPngImageView>();
            view.SetBounds(4 + (i % 6) * 100, top + (i / 6) * 100, 50, 50);
            view.SetPngImageList(&goods);
            view.SetImageIndex(i);
            view.SetEnabled(enabled);
        }
        auto& view = form.Make<TspPngImageView>();
        view.SetBounds(616, top + 26, 50, 50);
        view.SetPngImageList(&portrait);
        view.SetImageIndex(0);
        view.SetEnabled(enabled);
    }
    form.Show();
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(form), "PngImageView_AllPictures"));
}

}  // namespace
