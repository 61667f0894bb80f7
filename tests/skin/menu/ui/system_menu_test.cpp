#include <gtest/gtest.h>

#include "skin/frame/frame_fixture.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_menu.h"
#include "skin/menu/skin_popup_window.h"
#include "skin/menu/system_menu_tree.h"

namespace {

using gfx::Point;
using skin::TspWindowState;

std::vector<std::string> Captions(const skin::TMenuItem& root) {
    std::vector<std::string> out;
    for (const auto& item : root.Items()) out.push_back(item->Caption);
    return out;
}

class SystemMenuTest : public testfixtures::SkinnedWindows {
protected:
    // Right-clicks the caption of a shown 301 x 158 window at (40, 40) and returns its open menu.
    skin::TspSkinPopupWindow& OpenByCaption(skin::TspSkinForm& frame, Point at = {100, 12}) {
        d.Click(frame.Window(), at, platform::MouseButton::Right);
        EXPECT_NE(frame.SystemMenuPopup(), nullptr);
        EXPECT_TRUE(frame.SystemMenuPopup()->IsOpen());
        return frame.SystemMenuPopup()->Level(0);
    }
    // Clicks an item of the open level by its caption.
    void Choose(skin::TspSkinPopupWindow& level, const std::string& caption) {
        for (const auto& item : level.Items()) {
            if (item->Item().Caption != caption) continue;
            const gfx::Rect& r = item->ItemRect;
            d.Click(level, {r.left + r.width() / 2, r.top + r.height() / 2});
            return;
        }
        ADD_FAILURE() << "no item " << caption;
    }
};

TEST_F(SystemMenuTest, TheTreeHoldsTheItemsInOrderAndIsBuiltAfresh) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize);
    skin::TMenuItem root;
    root.Add("stale");
    skin::FillSystemMenu(root, skin::BuildSystemMenu({skin::biMinimize}, nullptr), frame);
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"Mi&nimize", "-", "&Close"}));
    EXPECT_TRUE(root.Items()[1]->IsSeparator());
    EXPECT_EQ(root.Items()[0]->Name, "SKF_MINITEM");
    EXPECT_EQ(root.Items()[2]->ShortCutText, "Alt+F4");
    skin::FillSystemMenu(root, skin::BuildSystemMenu({0}, nullptr), frame);
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"&Close"})) << "a dialog's menu";
}

TEST_F(SystemMenuTest, TheTreesItemsCarryOutTheFramesCommands) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMaximize | skin::biRollUp);
    frame.Window().Show();
    skin::TMenuItem root;
    skin::FillSystemMenu(root, frame.SystemMenuItems(), frame);
    root.Items()[0]->Click();
    EXPECT_EQ(frame.WindowState(), TspWindowState::Maximized);
    skin::FillSystemMenu(root, frame.SystemMenuItems(), frame);
    ASSERT_EQ(Captions(root), (std::vector<std::string>{"&Restore", "Ro&llUp", "-", "&Close"}));
    root.Items()[1]->Click();
    EXPECT_TRUE(frame.RolledUp());
    root.Items()[0]->Click();
    EXPECT_EQ(frame.WindowState(), TspWindowState::Normal);
}

TEST_F(SystemMenuTest, RightClickOnTheCaptionOpensTheSkinnedMenuAtThePointer) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize);
    frame.Window().Show();
    skin::TspSkinPopupWindow& level = OpenByCaption(frame);
    EXPECT_EQ(level.BoundsRect().top_left(), (Point{140, 52}));
    ASSERT_EQ(level.Items().size(), 3u);
    EXPECT_EQ(level.Items()[0]->Item().Caption, "Mi&nimize");
    EXPECT_EQ(level.Selected(), 0) << "the first enabled item is highlighted at once";
    EXPECT_TRUE(frame.IsActive()) << "the window keeps its activation under its menu";
    Choose(level, "Mi&nimize");
    EXPECT_FALSE(frame.SystemMenuPopup()->IsOpen());
    EXPECT_EQ(frame.WindowState(), TspWindowState::Minimized);
}

TEST_F(SystemMenuTest, ChoosingCloseClosesTheWindow) {
    skin::TspSkinForm& frame = Window(301, 158, 0);
    frame.Window().Show();
    skin::TspSkinPopupWindow& level = OpenByCaption(frame);
    ASSERT_EQ(level.Items().size(), 1u) << "a dialog's menu holds Close alone";
    Choose(level, "&Close");
    EXPECT_FALSE(frame.Window().Visible());
}

TEST_F(SystemMenuTest, TheMenuIsRebuiltForTheStateAtEachOpening) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize);
    frame.Window().Show();
    Choose(OpenByCaption(frame), "Mi&nimize");
    // The minimised caption bar has its caption too.
    skin::TspSkinPopupWindow& level = OpenByCaption(frame, {60, 12});
    EXPECT_EQ(level.Items()[0]->Item().Caption, "&Restore");
    Choose(level, "&Restore");
    EXPECT_EQ(frame.WindowState(), TspWindowState::Normal);
    EXPECT_EQ(frame.Window().BoundsRect(), (gfx::Rect{40, 40, 341, 198}));
}

TEST_F(SystemMenuTest, TheSystemMenuButtonOpensItBelowTheButton) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biSystemMenu | skin::biMinimize);
    frame.Window().Show();
    const gfx::Rect button = Button(frame, skin::TspCommand::SysMenu)->ObjectRect;
    d.MouseDown(frame.Window(), Middle(button));
    ASSERT_NE(frame.SystemMenuPopup(), nullptr);
    ASSERT_TRUE(frame.SystemMenuPopup()->IsOpen());
    EXPECT_EQ(frame.SystemMenuPopup()->Level(0).BoundsRect().top_left(), (Point{40 + button.left, 40 + button.bottom}));
}

TEST_F(SystemMenuTest, NothingOpensWhenTheProgramKeepsItsOwnSystemMenu) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize);
    frame.UseDefaultSysMenu = false;
    frame.Window().Show();
    d.Click(frame.Window(), {100, 12}, platform::MouseButton::Right);
    EXPECT_TRUE(frame.SystemMenuPopup() == nullptr || !frame.SystemMenuPopup()->IsOpen());
}

}  // namespace
