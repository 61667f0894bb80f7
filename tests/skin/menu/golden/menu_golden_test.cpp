#include <gtest/gtest.h>

#include <algorithm>

#include "../menu_fixture.h"
#include "support/golden.h"

namespace {

using menutest::MenuFixture;
using platform::Key;

class MenuGoldenTest : public MenuFixture {
protected:
    // What the screen shows of the open levels: each level's pixels at its place, inside its
    // outline, on a grey desktop cut to the levels' bounds.
    gfx::Bitmap Screen() {
        gfx::Rect all;
        for (int i = 0; i < owner.menu.LevelCount(); ++i) all = all.united(Level(i).BoundsRect());
        gfx::Bitmap screen(all.width(), all.height(), gfx::MakePixel(128, 128, 128));
        gfx::Painter p(screen);
        for (int i = 0; i < owner.menu.LevelCount(); ++i) {
            skin::TspSkinPopupWindow& level = Level(i);
            gfx::PainterSaver saver(p);
            p.Translate(level.BoundsRect().top_left() - all.top_left());
            if (level.WindowOutline()) p.ClipRegion(*level.WindowOutline());
            const gfx::Bitmap& pixels = d.Pixels(level);
            p.Copy(pixels, pixels.rect(), {0, 0});
        }
        return screen;
    }

    // Opens the menu with the submenu open and its second item highlighted.
    void OpenWithSubmenu() {
        OpenAt({150, 150});
        for (int i = 0; i < 3; ++i) d.PressKey(Key::Down);
        d.PressKey(Key::Right);
        d.PressKey(Key::Down);
    }

    // A menu too long for a short work area, scrolled by two with the down marker hot.
    void OpenScrolled() {
        d.Backend().SetWorkArea({0, 0, 1024, 160});
        root.Clear();
        for (int i = 0; i < 12; ++i) root.Add("Item " + std::to_string(i), "i" + std::to_string(i));
        OpenAt({150, 150});
        const gfx::Rect down = Level(0).MarkerRect(skin::ScrollMarker::Down);
        d.MoveTo(Level(0), {down.left + 10, down.top + 5});
        d.Advance(250);
    }
};

TEST_F(MenuGoldenTest, PlainMenuWithSubmenu) {
    OpenWithSubmenu();
    EXPECT_TRUE(testsupport::MatchesGolden(Screen(), "Menu_PlainSubmenu"));
}

TEST_F(MenuGoldenTest, SkinnedMenuWithSubmenu) {
    LoadSkin();
    OpenWithSubmenu();
    EXPECT_TRUE(testsupport::MatchesGolden(Screen(), "Menu_SkinnedSubmenu"));
}

TEST_F(MenuGoldenTest, PlainMenuScrolled) {
    OpenScrolled();
    EXPECT_EQ(Level(0).FirstShown(), 2);
    EXPECT_TRUE(testsupport::MatchesGolden(Screen(), "Menu_PlainScrolled"));
}

TEST_F(MenuGoldenTest, SkinnedMenuScrolled) {
    LoadSkin();
    OpenScrolled();
    EXPECT_EQ(Level(0).FirstShown(), 2);
    EXPECT_TRUE(testsupport::MatchesGolden(Screen(), "Menu_SkinnedScrolled"));
}

}  // namespace
