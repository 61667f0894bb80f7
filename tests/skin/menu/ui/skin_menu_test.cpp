#include <gtest/gtest.h>

#include "../menu_fixture.h"

namespace {

using menutest::MenuFixture;
using platform::Key;
using platform::Message;

class SkinMenuTest : public MenuFixture {};

TEST_F(SkinMenuTest, OpensWithTheFirstEnabledItemHighlightedAndOwnerStillActive) {
    OpenAt({150, 150});
    ASSERT_TRUE(owner.menu.IsOpen());
    ASSERT_EQ(owner.menu.LevelCount(), 1);
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "open")) << "the disabled first item is passed over";
    EXPECT_EQ(Level(0).BoundsRect().top_left(), (gfx::Point{150, 150}));
    EXPECT_EQ(d.TopWindow(), &Level(0));
    EXPECT_TRUE(owner.IsActive());
}

TEST_F(SkinMenuTest, AnItemWithoutChildrenOpensNothing) {
    skin::TMenuItem empty;
    owner.menu.Popup(owner.opener, empty, {150, 150, 150, 150});
    EXPECT_FALSE(owner.menu.IsOpen());
    EXPECT_EQ(owner.menu.LevelCount(), 0);
}

TEST_F(SkinMenuTest, EscapeAtTheTopLevelClosesAndLeftDoesNothing) {
    OpenAt({150, 150});
    d.PressKey(Key::Left);
    EXPECT_TRUE(owner.menu.IsOpen());
    EXPECT_EQ(owner.menu.LevelCount(), 1);
    d.PressKey(Key::Escape);
    EXPECT_FALSE(owner.menu.IsOpen());
    EXPECT_EQ(owner.opener->messages, (std::vector<Message>{Message::MenuClosed}));
    EXPECT_TRUE(ran.empty());
    d.PressKey(Key::Down);
    EXPECT_TRUE(owner.IsActive()) << "the keyboard is the window's again";
}

TEST_F(SkinMenuTest, RightOpensTheSubmenuAndLeftClosesIt) {
    OpenAt({150, 150});
    for (int i = 0; i < 3; ++i) d.PressKey(Key::Down);
    ASSERT_EQ(Level(0).Selected(), IndexOf(0, "more"));
    d.PressKey(Key::Right);
    ASSERT_EQ(owner.menu.LevelCount(), 2);
    EXPECT_EQ(Level(1).Selected(), 0);
    EXPECT_EQ(Level(1).BoundsRect().left, Level(0).ItemScreenRect(IndexOf(0, "more")).right + 1);
    d.PressKey(Key::Down);
    EXPECT_EQ(Level(1).Selected(), 1) << "keys go to the innermost level";
    d.PressKey(Key::Left);
    EXPECT_EQ(owner.menu.LevelCount(), 1);
    EXPECT_TRUE(owner.menu.IsOpen());
}

TEST_F(SkinMenuTest, UpAndDownSkipDisabledItemsAndSeparatorsAndWrap) {
    OpenAt({150, 150});
    d.PressKey(Key::Up);
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "exit")) << "wrapped past the disabled first item";
    d.PressKey(Key::Down);
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "open"));
    d.PressKey(Key::Down);
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "checked")) << "separator and title passed over";
}

TEST_F(SkinMenuTest, EnterAndAcceleratorsRunTheItemAfterClosingTheMenu) {
    OpenAt({150, 150});
    d.PressKey(Key::Return);
    EXPECT_EQ(ran, (std::vector<std::string>{"open"}));
    EXPECT_FALSE(owner.menu.IsOpen());
    EXPECT_EQ(owner.opener->messages, (std::vector<Message>{Message::MenuClosed, Message::MenuCommandDone}));
    OpenAt({150, 150});
    d.Type("x");
    EXPECT_EQ(ran, (std::vector<std::string>{"open", "exit"}));
    OpenAt({150, 150});
    d.Type("d");
    EXPECT_TRUE(owner.menu.IsOpen()) << "a disabled item's accelerator does nothing";
}

TEST_F(SkinMenuTest, ThePointerIsReadEvery50MsEvenWithoutAMoveReport) {
    OpenAt({150, 150});
    const gfx::Rect r = Level(0).Items()[static_cast<std::size_t>(IndexOf(0, "exit"))]->ItemRect;
    d.Backend().SetPointer(Level(0).BoundsRect().top_left() + gfx::Point{r.left + 5, r.top + 5});
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "open"));
    d.Advance(50);
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "exit"));
}

TEST_F(SkinMenuTest, ThePointerSelectsAndAReleaseRuns) {
    OpenAt({150, 150});
    PointAt(0, "checked");
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "checked"));
    PointAt(0, "disabled");
    EXPECT_EQ(Level(0).Selected(), IndexOf(0, "checked")) << "a disabled item is not selected";
    const gfx::Rect r = Level(0).Items()[static_cast<std::size_t>(IndexOf(0, "radio"))]->ItemRect;
    d.Click(Level(0), {r.left + 5, r.top + 5});
    EXPECT_EQ(ran, (std::vector<std::string>{"radio"}));
    EXPECT_FALSE(owner.menu.IsOpen());
}

TEST_F(SkinMenuTest, ASubmenuOpensAfterThePointerRestsHalfASecond) {
    OpenAt({150, 150});
    PointAt(0, "more");
    EXPECT_TRUE(owner.menu.Waiting());
    d.Advance(449);
    EXPECT_EQ(owner.menu.LevelCount(), 1) << "before the wait is over";
    d.Advance(1);
    ASSERT_EQ(owner.menu.LevelCount(), 2);
    PointAt(1, "second");
    EXPECT_EQ(Level(1).Selected(), 1);
    PointAt(0, "exit");
    EXPECT_EQ(owner.menu.LevelCount(), 1) << "choosing another item closes the submenu";
}

TEST_F(SkinMenuTest, AClickOutsideClosesWithoutRunningAnItem) {
    OpenAt({150, 150});
    d.Click(owner, {380, 280});
    EXPECT_FALSE(owner.menu.IsOpen());
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(owner.messages, (std::vector<Message>{Message::MenuClosed})) << "the window learns the menu went";
}

TEST_F(SkinMenuTest, TheOwnerMovingOrLosingActivationCloses) {
    OpenAt({150, 150});
    owner.SetBounds(110, 100, 400, 300);
    EXPECT_FALSE(owner.menu.IsOpen());
    auto& other = d.App().CreateForm<platform::Form>();
    OpenAt({150, 150});
    other.Show();
    EXPECT_FALSE(owner.menu.IsOpen());
}

TEST_F(SkinMenuTest, TheClockKeepsRunningWhileTheMenuIsOpen) {
    OpenAt({150, 150});
    d.Advance(1000);
    EXPECT_EQ(owner.ticks, 10);
    EXPECT_TRUE(owner.menu.IsOpen());
}

TEST_F(SkinMenuTest, AMenuLongerThanTheWorkAreaScrollsOneItemPer100MsOnAMarker) {
    d.Backend().SetWorkArea({0, 0, 1024, 300});
    root.Clear();
    for (int i = 0; i < 40; ++i) root.Add("Item " + std::to_string(i), "i" + std::to_string(i));
    OpenAt({150, 200});
    skin::TspSkinPopupWindow& level = Level(0);
    EXPECT_EQ(level.Height(), 300);
    EXPECT_EQ(level.Top(), 0);
    EXPECT_TRUE(level.Scrolling());
    EXPECT_FALSE(level.Paging());
    const gfx::Rect down = level.MarkerRect(skin::ScrollMarker::Down);
    d.MoveTo(level, {down.left + 10, down.top + 5});
    d.Advance(50);
    EXPECT_EQ(level.HotMarker(), skin::ScrollMarker::Down);
    EXPECT_EQ(level.FirstShown(), 0);
    d.Advance(100);
    EXPECT_EQ(level.FirstShown(), 1);
    d.Advance(300);
    EXPECT_EQ(level.FirstShown(), 4);
    const gfx::Rect item = level.Items()[6]->ItemRect;
    d.MoveTo(level, {item.left + 10, item.top + 5});
    d.Advance(400);
    EXPECT_EQ(level.FirstShown(), 4) << "leaving the marker stops the scrolling";
    d.PressKey(Key::Up);
    d.PressKey(Key::Up);
    d.PressKey(Key::Up);
    d.PressKey(Key::Up);
    EXPECT_EQ(level.FirstShown(), 2) << "the keyboard keeps the selection in view";
}

TEST_F(SkinMenuTest, PagingShowsTheGivenNumberOfItems) {
    owner.menu.MaxMenuItemsInWindow = 3;
    OpenAt({150, 150});
    EXPECT_TRUE(Level(0).Paging());
    int shown = 0;
    for (const auto& item : Level(0).Items()) shown += item->Shown() ? 1 : 0;
    EXPECT_EQ(shown, 3);
}

TEST_F(SkinMenuTest, AlphaBlendFadesTheTopLevelInBySteps) {
    owner.menu.MenusAlphaBlend = true;
    owner.menu.MenusAlphaBlendAnimation = true;
    OpenAt({150, 150});
    EXPECT_EQ(Level(0).Opacity(), 0);
    d.Advance(6);
    EXPECT_EQ(Level(0).Opacity(), 10);
    d.Advance(600);
    EXPECT_EQ(Level(0).Opacity(), 200);
    for (int i = 0; i < 3; ++i) d.PressKey(Key::Down);
    d.PressKey(Key::Right);
    EXPECT_EQ(Level(1).Opacity(), 200) << "submenus do not fade";
}

TEST_F(SkinMenuTest, SkinnedLevelsTakeTheSkinsSizesAndASkinChangeCloses) {
    LoadSkin();
    OpenAt({150, 150});
    skin::TspSkinPopupWindow& level = Level(0);
    EXPECT_TRUE(level.Skinned());
    EXPECT_EQ(level.Items()[0]->ItemRect.height(), 20);
    EXPECT_EQ(level.Items()[static_cast<std::size_t>(IndexOf(0, "open")) + 1]->ItemRect.height(), 7)
        << "a separator takes the divider's height";
    skinData->LoadCompressedStream(skin::DefaultSkinData());
    EXPECT_FALSE(owner.menu.IsOpen());
}

}  // namespace
