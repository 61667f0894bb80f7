#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/text.h"
#include "page_fixture.h"

namespace {

using platform::Key;

class PageControlTest : public testfixtures::PageFixture {
protected:
    void SetUp() override { Build(false); }

    // Records every event of the notebook and its pages in order.
    void Record() {
        pc->OnChanging = [this](controls::TPageControl& s, bool&) { log.push_back("changing " + Caption(s)); };
        pc->OnChange = [this](controls::TPageControl& s) { log.push_back("change " + Caption(s)); };
        for (auto* page : pages) {
            page->OnShow = [this](controls::TTabSheet& p) { log.push_back("show " + p.Caption()); };
            page->OnHide = [this](controls::TTabSheet& p) { log.push_back("hide " + p.Caption()); };
        }
    }
    static std::string Caption(controls::TPageControl& s) { return s.ActivePage()->Caption(); }

    std::vector<std::string> log;
};

TEST_F(PageControlTest, PagesKeepTheirOrderAndTheFirstIsActive) {
    ASSERT_EQ(pc->PageCount(), 5);
    EXPECT_EQ(pc->Pages(3)->Caption(), "Город");
    EXPECT_EQ(pages[4]->PageIndex(), 4);
    EXPECT_EQ(pc->ActivePage(), pages[0]);
    EXPECT_EQ(pc->TabIndex(), 0);
    EXPECT_TRUE(pages[0]->Visible());
    EXPECT_FALSE(pages[1]->Visible());
    EXPECT_EQ(pages[1]->BoundsRect(), pc->DisplayRect());
}

TEST_F(PageControlTest, TabsAreSizedToTheirCaptionsOrToTabWidthAndTabHeight) {
    // Six pixels on each side of the caption; the first tab starts one pixel in.
    EXPECT_EQ(pc->TabRect(1).width(), gfx::TextWidth(pc->Font(), "Тушка") + 12);
    EXPECT_EQ(pc->TabRect(0).width(), gfx::TextWidth(pc->Font(), "Ресурсы") + 11);
    EXPECT_EQ(pc->TabRect(0).height(), 20);  // DefaultItemHeight without a skin
    pc->SetTabWidth(90);
    pc->SetTabHeight(24);
    EXPECT_EQ(pc->TabRect(1), (gfx::Rect{90, 0, 180, 24}));
    EXPECT_EQ(pc->TabRect(3).width(), 90);
}

TEST_F(PageControlTest, AClickAsksOnChangingSwitchesPagesThenRaisesOnChange) {
    Record();
    d.Click(*form, TabCenter(1));
    EXPECT_EQ(pc->ActivePage(), pages[1]);
    EXPECT_EQ(log, (std::vector<std::string>{"changing Ресурсы", "hide Ресурсы", "show Тушка", "change Тушка"}));
    EXPECT_TRUE(pc->Focused());
    log.clear();
    d.Click(*form, TabCenter(1));
    EXPECT_TRUE(log.empty()) << "clicking the selected tab changes nothing";
}

TEST_F(PageControlTest, OnChangingCanRefuseASwitch) {
    Record();
    pc->OnChanging = [&](controls::TPageControl&, bool& allow) {
        log.push_back("changing");
        allow = false;
    };
    d.Click(*form, TabCenter(2));
    EXPECT_EQ(pc->ActivePage(), pages[0]);
    EXPECT_TRUE(pages[0]->Visible());
    EXPECT_FALSE(pages[2]->Visible());
    EXPECT_EQ(log, (std::vector<std::string>{"changing"}));
}

TEST_F(PageControlTest, SettingTheActivePageShowsAndHidesWithoutChangeEvents) {
    Record();
    pc->SetActivePageIndex(3);
    EXPECT_EQ(log, (std::vector<std::string>{"hide Ресурсы", "show Город"}));
    EXPECT_EQ(pc->TabIndex(), 3);
}

TEST_F(PageControlTest, CtrlTabCyclesBothWaysAndArrowsStopAtTheEnds) {
    pc->SetFocus();
    d.PressKey(Key::Tab, platform::ssCtrl | platform::ssShift);
    EXPECT_EQ(pc->TabIndex(), 4) << "backwards from the first wraps to the last";
    d.PressKey(Key::Tab, platform::ssCtrl);
    EXPECT_EQ(pc->TabIndex(), 0);
    d.PressKey(Key::Left);
    EXPECT_EQ(pc->TabIndex(), 0);
    d.PressKey(Key::Right);
    d.PressKey(Key::Down);
    EXPECT_EQ(pc->TabIndex(), 2);
    d.PressKey(Key::Up);
    EXPECT_EQ(pc->TabIndex(), 1);
    for (int i = 0; i < 6; ++i) d.PressKey(Key::Right);
    EXPECT_EQ(pc->TabIndex(), 4);
}

TEST_F(PageControlTest, KeysDoNothingWithoutTheFocus) {
    auto& other = form->Make<platform::WinControl>();
    other.SetBounds(0, 380, 20, 20);
    other.TabStop = true;
    other.SetFocus();
    ASSERT_FALSE(pc->Focused());
    d.PressKey(Key::Tab, platform::ssCtrl);
    d.PressKey(Key::Right);
    EXPECT_EQ(pc->TabIndex(), 0);
}

TEST_F(PageControlTest, AHiddenTabIsSkippedAndItsActivePageGivesWayToTheNext) {
    pc->SetActivePageIndex(1);
    pages[1]->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), pages[2]);
    EXPECT_FALSE(pages[1]->Visible());
    EXPECT_EQ(pc->TabIndex(), 1) << "tab indices count visible tabs only";
    EXPECT_EQ(pc->VisibleTabs().size(), 4u);
    pc->SetActivePage(pages[1]);
    EXPECT_EQ(pc->ActivePage(), pages[2]) << "a page without a tab cannot be shown";
}

TEST_F(PageControlTest, DeletingTheActivePageActivatesItsSuccessor) {
    pc->SetActivePageIndex(4);
    pc->DeletePage(*pages[4]);
    EXPECT_EQ(pc->PageCount(), 4);
    EXPECT_EQ(pc->ActivePage(), pages[3]);
    EXPECT_EQ(pc->Controls().size(), 4u);
}

TEST_F(PageControlTest, SelectingATabScrolledOutBringsItIntoView) {
    pc->SetWidth(150);
    pc->SetActivePageIndex(4);
    EXPECT_GT(pc->FirstVisibleTab(), 0);
    EXPECT_LE(pc->TabRect(4).right, 150);
    EXPECT_GT(pc->TabRect(4).left, 0);
    pc->SetActivePageIndex(0);
    EXPECT_EQ(pc->FirstVisibleTab(), 0);
}

}  // namespace
