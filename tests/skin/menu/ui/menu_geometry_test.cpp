#include "skin/menu/menu_geometry.h"

#include <gtest/gtest.h>

#include "skin/menu/menu_item.h"
#include "skin/records/data_popup_window.h"
#include "skin/records/data_skin_object.h"

namespace {

using skin::PlaceLevel;
using skin::PlacementRequest;

const gfx::Rect kWork{0, 0, 1024, 738};

PlacementRequest At(gfx::Point p, gfx::Size size) {
    PlacementRequest r;
    r.anchor = {p.x, p.y, p.x, p.y};
    r.work = kWork;
    r.size = size;
    return r;
}

TEST(MenuPlacementTest, FirstLevelOpensBelowTheAnchorWhenItFits) {
    EXPECT_EQ(PlaceLevel(At({200, 100}, {120, 60})), (gfx::Point{200, 100}));
}

TEST(MenuPlacementTest, NearTheBottomInTheLowerHalfItOpensDirectlyAbove) {
    EXPECT_EQ(PlaceLevel(At({200, 700}, {120, 60})), (gfx::Point{200, 640}));
}

TEST(MenuPlacementTest, AtTheRightEdgeItMovesLeftUntilItsRightEdgeMeetsTheWorkArea) {
    EXPECT_EQ(PlaceLevel(At({1000, 100}, {120, 60})), (gfx::Point{904, 100}));
    EXPECT_EQ(PlaceLevel(At({-30, 100}, {120, 60})), (gfx::Point{0, 100}));
}

TEST(MenuPlacementTest, TooHighForBothSidesInTheUpperHalfItEndsAtTheBottomBesideTheAnchor) {
    // Moved: it no longer hangs from the anchor, so it goes beside it.
    EXPECT_EQ(PlaceLevel(At({200, 300}, {120, 500})), (gfx::Point{201, 238}));
    EXPECT_EQ(PlaceLevel(At({950, 300}, {120, 500})), (gfx::Point{829, 238}));
}

TEST(MenuPlacementTest, UpwardsAboveTheAnchorOrBelowItInTheUpperHalf) {
    PlacementRequest r = At({200, 400}, {120, 60});
    r.upwards = true;
    EXPECT_EQ(PlaceLevel(r), (gfx::Point{200, 340}));
    r.anchor = {200, 30, 200, 30};
    EXPECT_EQ(PlaceLevel(r), (gfx::Point{201, 30}));
}

TEST(MenuPlacementTest, SubmenusOpenRightOfTheParentItemOrLeftOfItAtTheEdge) {
    PlacementRequest r;
    r.work = kWork;
    r.size = {100, 80};
    r.submenu = true;
    r.itemsTop = 3;
    r.anchor = {300, 200, 420, 220};
    EXPECT_EQ(PlaceLevel(r), (gfx::Point{421, 197})) << "the first item meets the parent item";
    r.anchor = {900, 200, 1020, 220};
    EXPECT_EQ(PlaceLevel(r), (gfx::Point{799, 197}));
    r.anchor = {300, 700, 420, 720};
    EXPECT_EQ(PlaceLevel(r), (gfx::Point{421, 643})) << "near the bottom it ends level with the item";
}

TEST(MenuPlacementTest, AScrollingLevelTakesTheTopOfTheWorkArea) {
    PlacementRequest r = At({200, 300}, {120, 738});
    r.scrolling = true;
    EXPECT_EQ(PlaceLevel(r).y, 0);
}

TEST(MenuLevelSizeTest, PlainLevelAddsTheColumnsAndTheFrame) {
    skin::MenuLook look;
    const skin::LevelSize s = skin::MeasureLevel(look, {20, 4, 20}, {50, 0, 70}, 0, 738);
    EXPECT_EQ(s.size, (gfx::Size{72 + 16 + 16 + 10, 44 + 6}));
    EXPECT_FALSE(s.scrolling);
}

TEST(MenuLevelSizeTest, SkinnedLevelGrowsFromTheFramePictureAndTheItemPicture) {
    skin::TspDataSkinPopupWindow popup;
    popup.ItemsRect = {3, 3, 21, 21};
    skin::TspDataSkinMenuItem item;
    item.SkinRect = {0, 0, 60, 20};
    item.DividerRect = {124, 0, 184, 7};
    item.TextRect = {24, 0, 44, 20};
    skin::MenuLook look;
    look.popup = &popup;
    look.framePicture = {24, 24};
    look.item = &item;
    EXPECT_EQ(skin::MenuItemHeight(look, true), 7);
    const skin::LevelSize s = skin::MeasureLevel(look, {20, 7, 20}, {40, 0, 30}, 0, 738);
    EXPECT_EQ(s.size.width, 42 + 16 + 16 + (24 - 18) + 24 + (60 - 44));
    EXPECT_EQ(s.size.height, 47 + 6);
    EXPECT_EQ(skin::LevelItemsRect(look, s.size), (gfx::Rect{3, 3, 3 + s.size.width - 6, 3 + s.size.height - 6}));
}

TEST(MenuLevelSizeTest, PagingAndTheWorkAreaLimitTheHeight) {
    skin::MenuLook look;
    const std::vector<int> heights(30, 20);
    const std::vector<int> widths(30, 40);
    const skin::LevelSize paged = skin::MeasureLevel(look, heights, widths, 5, 738);
    EXPECT_EQ(paged.size.height, 5 * 20 + 6 + 20);
    EXPECT_TRUE(paged.scrolling && paged.paging);
    const skin::LevelSize tall = skin::MeasureLevel(look, heights, widths, 0, 400);
    EXPECT_EQ(tall.size.height, 400);
    EXPECT_TRUE(tall.scrolling);
    EXPECT_FALSE(tall.paging);
}

TEST(MenuLayoutTest, ItemsStackFromTheFirstShownAndStopAtTheFirstThatDoesNotFit) {
    std::vector<gfx::Rect> rects;
    const int shown = skin::LayOutMenuItems({3, 3, 97, 73}, {20, 20, 20, 20, 20}, 1, true, rects);
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(rects[0].empty());
    EXPECT_EQ(rects[1], (gfx::Rect{3, 13, 97, 33}));
    EXPECT_EQ(rects[2], (gfx::Rect{3, 33, 97, 53}));
    EXPECT_TRUE(rects[3].empty()) << "it would pass the down marker";
}

TEST(MenuItemModelTest, RedundantSeparatorsAndHiddenItemsAreNotShown) {
    skin::TMenuItem root;
    root.Add("-");
    root.Add("A");
    root.Add("-");
    root.Add("Hidden").Visible = false;
    root.Add("-");
    root.Add("B");
    root.Add("-");
    std::vector<std::string> captions;
    for (const skin::TMenuItem* item : skin::ShownChildren(root, 0)) captions.push_back(item->Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"A", "-", "B"}));
    EXPECT_EQ(skin::ShownChildren(root, 5).size(), 1u);
}

}  // namespace
