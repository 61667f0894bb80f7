#include <gtest/gtest.h>

#include "gallery_window.h"
#include "platform/headless/driver.h"
#include "support/golden.h"

namespace {

using gallery::GalleryWindow;

// One column of the gallery as the window shows it, with the focus on one of its samples.
gfx::Bitmap Column(platform::headless::Driver& d, GalleryWindow& w, bool skinned, std::size_t focusSample) {
    w.FocusSamples(skinned).at(focusSample)->SetFocus();
    const gfx::Bitmap pixels = d.Pixels(w);
    return pixels.Copy(w.ColumnRect(skinned).translated(w.ClientRectInWindow().top_left()));
}

class Gallery : public ::testing::Test {
protected:
    void SetUp() override {
        window = &driver.App().CreateForm<GalleryWindow>();
        window->Show();
    }
    platform::headless::Driver driver;
    GalleryWindow* window = nullptr;
};

TEST_F(Gallery, EveryStateWithOurSkin) {
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, true, 0), "Gallery_SkinFocusedButton"));
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, true, 1), "Gallery_SkinFocusedCheckBox"));
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, true, 2), "Gallery_SkinFocusedTrackBar"));
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, true, 3), "Gallery_SkinFocusedEdit"));
}

TEST_F(Gallery, EveryStateWithoutASkin) {
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, false, 0), "Gallery_PlainFocusedButton"));
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, false, 1), "Gallery_PlainFocusedCheckBox"));
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, false, 2), "Gallery_PlainFocusedTrackBar"));
    EXPECT_TRUE(testsupport::MatchesGolden(Column(driver, *window, false, 3), "Gallery_PlainFocusedEdit"));
}

}  // namespace
