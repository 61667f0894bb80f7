#include <gtest/gtest.h>

#include <string>

#include "gallery_window.h"
#include "platform/headless/driver.h"
#include "support/golden.h"

namespace {

using gallery::GalleryWindow;

class GalleryNotebook : public ::testing::Test {
protected:
    void SetUp() override {
        window = &driver.App().CreateForm<GalleryWindow>();
        window->Show();
        auto& pages = window->Pages();
        const int last = pages.PageCount() - 1;
        driver.Click(*window, pages.ClientToWindow(pages.TabRect(last).top_left() + gfx::Point{8, 8}));
        ASSERT_EQ(pages.ActivePageIndex(), last);
        ASSERT_EQ(pages.ActivePage(), window->Notebook().Parent()) << "the notebook is on the last page";
    }
    // The notebook as the window shows it.
    gfx::Bitmap Shot() {
        const gfx::Bitmap pixels = driver.Pixels(*window);
        const auto& pc = window->Notebook();
        return pixels.Copy(gfx::Rect::from_size(pc.ClientToWindow({0, 0}), pc.BoundsRect().size()));
    }
    platform::headless::Driver driver;
    GalleryWindow* window = nullptr;
};

TEST_F(GalleryNotebook, EveryTabOfTheMainWindowLikeNotebook) {
    auto& pc = window->Notebook();
    ASSERT_EQ(pc.ActivePageIndex(), 1) << "\"Тушка\" is on top, as in the main window";
    const char* names[] = {"Resources", "Body", "Shop", "Town", "Market"};
    for (int tab : {1, 0, 2, 3, 4}) {
        driver.Click(*window, pc.ClientToWindow(pc.TabRect(tab).top_left() + gfx::Point{8, 8}));
        ASSERT_EQ(pc.TabIndex(), tab);
        driver.MoveTo(*window, {1, 1});
        EXPECT_TRUE(testsupport::MatchesGolden(Shot(), std::string("Gallery_Notebook") + names[tab])) << tab;
    }
}

}  // namespace
