#include <gtest/gtest.h>

#include "page_fixture.h"
#include "support/golden.h"

namespace {

class PageControlGoldenTest : public testfixtures::PageFixture {};

TEST_F(PageControlGoldenTest, MainWindowNotebookOnOurSkinWithAHotTab) {
    Build(true);
    pc->SetActivePageIndex(1);
    d.MoveTo(*form, TabCenter(3));
    const gfx::Bitmap shot = d.Pixels(*form);
    EXPECT_TRUE(testsupport::MatchesGolden(
        shot.Copy(pc->BoundsRect().translated(pc->ClientToWindow({0, 0}) - pc->BoundsRect().top_left())),
        "PageControl_SkinHotTab"));
}

TEST_F(PageControlGoldenTest, MainWindowNotebookWithoutASkin) {
    Build(false);
    pc->SetActivePageIndex(1);
    pc->SetFocus();
    d.MoveTo(*form, TabCenter(3));
    const gfx::Bitmap shot = d.Pixels(*form);
    EXPECT_TRUE(testsupport::MatchesGolden(
        shot.Copy(pc->BoundsRect().translated(pc->ClientToWindow({0, 0}) - pc->BoundsRect().top_left())),
        "PageControl_PlainFocusedHotTab"));
}

}  // namespace
