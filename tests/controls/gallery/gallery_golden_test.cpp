#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gallery_window.h"
#include "platform/headless/driver.h"
#include "support/golden.h"

namespace {

using gallery::GalleryWindow;

// What each section page is called in the golden images' names, and its focus samples' names.
struct PageNames {
    const char* page;
    std::vector<const char*> samples;
};
const std::vector<PageNames> kPages{
    {"ButtonsAndBoxes", {"Button", "CheckBox"}},
    {"RangesAndEdits", {"TrackBar", "Edit"}},
    {"GroupsAndLabels", {}},
    {"TabsAndMenu", {"PageControl"}},
};

class Gallery : public ::testing::Test {
protected:
    void SetUp() override {
        window = &driver.App().CreateForm<GalleryWindow>();
        window->Show();
    }
    // Switches the gallery to a page as the user does, by clicking its tab.
    void ShowPage(int page) {
        auto& pages = window->Pages();
        driver.Click(*window, pages.ClientToWindow(pages.TabRect(page).top_left() + gfx::Point{8, 8}));
        ASSERT_EQ(pages.ActivePageIndex(), page);
        driver.MoveTo(*window, {1, 1});
    }
    // One column of the shown page as the window shows it.
    gfx::Bitmap ColumnShot(int page, bool skinned) {
        const platform::WinControl& column = window->Column(page, skinned);
        const gfx::Bitmap pixels = driver.Pixels(*window);
        return pixels.Copy(gfx::Rect::from_size(column.ClientToWindow({0, 0}), column.BoundsRect().size()));
    }
    // Every column picture of every section page: one per focus sample, or one without a focused sample.
    void ExpectEveryPage(bool skinned) {
        const std::string look = skinned ? "Gallery_Skin" : "Gallery_Plain";
        ASSERT_EQ(window->SectionPageCount(), static_cast<int>(kPages.size()));
        for (int page = 0; page < window->SectionPageCount(); ++page) {
            ShowPage(page);
            const auto& samples = window->FocusSamples(page, skinned);
            ASSERT_EQ(samples.size(), kPages[page].samples.size()) << kPages[page].page;
            if (samples.empty()) {
                EXPECT_TRUE(testsupport::MatchesGolden(ColumnShot(page, skinned), look + kPages[page].page));
            }
            for (std::size_t i = 0; i < samples.size(); ++i) {
                samples[i]->SetFocus();
                ASSERT_TRUE(samples[i]->Focused()) << kPages[page].samples[i];
                EXPECT_TRUE(testsupport::MatchesGolden(
                    ColumnShot(page, skinned), look + kPages[page].page + "_Focused" + kPages[page].samples[i]));
            }
        }
    }
    platform::headless::Driver driver;
    GalleryWindow* window = nullptr;
};

TEST_F(Gallery, EveryStateWithOurSkin) { ExpectEveryPage(true); }

TEST_F(Gallery, EveryStateWithoutASkin) { ExpectEveryPage(false); }

TEST_F(Gallery, TheWholeWindowFitsASmallScreen) {
    const gfx::Rect frame = window->BoundsRect();
    EXPECT_LE(frame.width(), 1000);
    EXPECT_LE(frame.height(), 720);
    // The notebook lies inside the client area and every page's content inside its page, so nothing
    // is cut off or out of reach.
    auto& pages = window->Pages();
    const gfx::Rect outer = pages.BoundsRect();
    EXPECT_TRUE(outer.left >= 0 && outer.top >= 0 && outer.right <= window->ClientWidth() &&
                outer.bottom <= window->ClientHeight());
    for (int page = 0; page < pages.PageCount(); ++page) {
        const platform::WinControl& sheet = *pages.Pages(page);
        for (const auto& child : sheet.Controls()) {
            const gfx::Rect r = child->BoundsRect();
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= sheet.Width() && r.bottom <= sheet.Height())
                << "page " << page;
        }
    }
}

TEST_F(Gallery, OpensOnTheFirstPageWithItsFirstSkinnedSampleFocused) {
    ASSERT_EQ(window->Pages().ActivePageIndex(), 0);
    ASSERT_FALSE(window->FocusSamples(0, true).empty());
    EXPECT_TRUE(window->FocusSamples(0, true).front()->Focused());
}

}  // namespace
