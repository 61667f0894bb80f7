#include <gtest/gtest.h>

#include "controls/containers/tab_image.h"
#include "controls/ranges/skin_up_down.h"
#include "page_fixture.h"

namespace {

class SkinPageControlTest : public testfixtures::PageFixture {
protected:
    void SetUp() override { Build(true); }
};

TEST_F(SkinPageControlTest, OurSkinGivesEighteenHighTabsAndAFrameBelowThem) {
    ASSERT_TRUE(pc->Section());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pc->TabRect(i).height(), 18) << i;
    EXPECT_EQ(pc->TabRect(0).top, 0);
    // clientrect 2,2,98,78 of a 100 x 80 picture: the frame starts right under the tabs.
    EXPECT_EQ(pc->DisplayRect(), (gfx::Rect{2, 20, 513 - 2, 353 - 2}));
    EXPECT_EQ(pages[0]->BoundsRect(), pc->DisplayRect());
}

TEST_F(SkinPageControlTest, TheSelectedTabIsNineteenHighAndCoversTheSeam) {
    pc->SetActivePageIndex(1);
    const gfx::Bitmap shot = d.Pixels(*form);
    const skin::TspDataSkinTabControl& s = *pc->Section();
    const gfx::Bitmap& picture = data->ActivePictures()[s.PictureIndex];
    const gfx::Rect tab = pc->TabRect(1);
    const gfx::Bitmap selected = controls::ComposeTabImage(picture, s, s.ActiveTabRect, tab.width(), 0, true, false);
    EXPECT_EQ(selected.height(), 19);
    // Row 18 is the frame's top row beside the tab, and the selected tab's last row under it.
    const gfx::Point origin = pc->ClientToWindow({0, 0});
    for (int x = tab.left + 6; x < tab.right - 6; x += 7)
        EXPECT_EQ(shot.at(origin.x + x, origin.y + 18), selected.at(x - tab.left, 18)) << x;
    const gfx::Rect other = pc->TabRect(3);
    const gfx::Bitmap plain = controls::ComposeTabImage(picture, s, s.TabRect, other.width(), 0, false, false);
    EXPECT_EQ(plain.height(), 18);
    EXPECT_EQ(shot.at(origin.x + other.left + 8, origin.y + 17), plain.at(8, 17));
}

TEST_F(SkinPageControlTest, HotTrackingRepaintsOnlyForUnselectedTabs) {
    d.MoveTo(*form, At({600, 600}));
    static_cast<void>(PaintsSinceLastLook());
    d.MoveTo(*form, TabCenter(0));
    EXPECT_EQ(pc->HotTab(), 0);
    EXPECT_EQ(PaintsSinceLastLook(), 0) << "entering the selected tab";
    d.MoveTo(*form, TabCenter(0) + gfx::Point{3, 1});
    EXPECT_EQ(PaintsSinceLastLook(), 0) << "moving over the selected tab";
    d.MoveTo(*form, TabCenter(2));
    EXPECT_EQ(pc->HotTab(), 2);
    EXPECT_EQ(PaintsSinceLastLook(), 1) << "onto an unselected tab";
    d.MoveTo(*form, TabCenter(3));
    EXPECT_EQ(PaintsSinceLastLook(), 1) << "from one unselected tab to another";
    d.MoveTo(*form, At({200, 200}));
    EXPECT_EQ(pc->HotTab(), -1);
    EXPECT_EQ(PaintsSinceLastLook(), 1) << "off an unselected tab";
}

TEST_F(SkinPageControlTest, ATabSwitchRepaintsTheControlOnce) {
    d.MoveTo(*form, TabCenter(3));
    static_cast<void>(PaintsSinceLastLook());
    d.Click(*form, TabCenter(3));
    ASSERT_EQ(pc->ActivePage(), pages[3]);
    EXPECT_EQ(PaintsSinceLastLook(), 1);
    pc->SetFocus();
    static_cast<void>(PaintsSinceLastLook());
    d.PressKey(platform::Key::Tab, platform::ssCtrl);
    EXPECT_EQ(PaintsSinceLastLook(), 1);
}

TEST_F(SkinPageControlTest, WithoutTheSkinFontTabsTakeTheDefaultFontInTheSectionsColour) {
    pc->UseSkinFont = false;
    pc->SetDefaultFont({"Times New Roman", 17, gfx::fsItalic, gfx::clBtnText});
    pc->ApplySkinChange();
    EXPECT_EQ(pc->Font(), (gfx::Font{"Times New Roman", 17, gfx::fsItalic, pc->Section()->Font.FontColor}));
    pc->UseSkinFont = true;
    pc->ApplySkinChange();
    EXPECT_EQ(pc->Font().Name, "Arial");
}

TEST_F(SkinPageControlTest, ForgettingTheSkinFallsBackToThePlainTabHeight) {
    pc->SetDefaultItemHeight(24);
    EXPECT_EQ(pc->TabRect(0).height(), 18) << "the skin's height wins while there is a section";
    pc->SkinDataName = "nosuchsection";
    pc->ApplySkinChange();
    EXPECT_FALSE(pc->Section());
    EXPECT_EQ(pc->TabRect(0).height(), 24);
}

TEST_F(SkinPageControlTest, CloseButtonsAskOnCloseAndHideOrFreeThePage) {
    pc->SetShowCloseButtons(true);
    int afterClose = 0;
    bool allow = false;
    pc->OnClose = [&](controls::TspSkinPageControl&, controls::TTabSheet& page, bool& canClose) {
        EXPECT_EQ(page.Caption(), "Город");
        canClose = allow;
    };
    pc->OnAfterClose = [&](controls::TspSkinPageControl&) { ++afterClose; };
    auto closeButton = [&] {
        const gfx::Rect b = pc->CloseButtonRect(3);
        return At({(b.left + b.right) / 2, (b.top + b.bottom) / 2});
    };
    EXPECT_EQ(pc->CloseButtonRect(3).width(), 14);
    d.MoveTo(*form, closeButton());
    d.Click(*form, closeButton());
    EXPECT_TRUE(pages[3]->TabVisible()) << "OnClose refused";
    EXPECT_EQ(pc->ActivePage(), pages[0]) << "the close button does not select its tab";
    allow = true;
    d.Click(*form, closeButton());
    EXPECT_FALSE(pages[3]->TabVisible());
    EXPECT_EQ(pc->PageCount(), 5);
    EXPECT_EQ(afterClose, 1);
    pc->FreeOnClose = true;
    pc->OnClose = nullptr;
    d.MoveTo(*form, closeButton());
    d.Click(*form, closeButton());
    EXPECT_EQ(pc->PageCount(), 4) << "the page now at tab 3 (Рынок) was destroyed";
    EXPECT_EQ(pc->Pages(3), pages[3]);
}

TEST_F(SkinPageControlTest, OneTabPastTheScrollerRoomCountsOnceAndGrowingClearsIt) {
    EXPECT_EQ(pc->TabsOutOfView(), 0) << "all five tabs fit in 513 pixels";
    // The scroller takes 2 x DefaultItemHeight + 3 at the right end.
    const int lastRight = pc->TabRect(4).right;
    pc->SetWidth(lastRight + 2 * pc->DefaultItemHeight() + 3);
    EXPECT_EQ(pc->TabsOutOfView(), 0);
    EXPECT_FALSE(pc->TabScroller());
    pc->SetWidth(lastRight + 2 * pc->DefaultItemHeight() + 2);
    EXPECT_EQ(pc->TabsOutOfView(), 1);
    ASSERT_TRUE(pc->TabScroller());
    EXPECT_EQ(pc->TabScroller()->Max(), 1);
    EXPECT_EQ(pc->TabScroller()->Position(), 0);
    EXPECT_EQ(pc->TabScroller()->SkinDataName(), "hupdown");
    // Its buttons scroll the strip one tab at a time.
    pc->TabScroller()->SetPosition(1);
    EXPECT_EQ(pc->FirstVisibleTab(), 1);
    EXPECT_LE(pc->TabRect(0).right, 0);
    pc->SetWidth(513);
    EXPECT_EQ(pc->TabsOutOfView(), 1) << "the first tab is still scrolled out";
    pc->TabScroller()->SetPosition(0);
    pc->SetWidth(514);
    EXPECT_EQ(pc->TabsOutOfView(), 0);
    EXPECT_FALSE(pc->TabScroller()) << "the control grew: the scroller goes";
    pc->SetMultiLine(true);
    pc->SetWidth(150);
    EXPECT_EQ(pc->TabsOutOfView(), 0) << "multi-line tabs wrap instead";
}

}  // namespace
