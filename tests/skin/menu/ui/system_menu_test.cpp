#include "skin/menu/system_menu.h"

#include <gtest/gtest.h>

#include "../menu_fixture.h"
#include "skin/resource_str_data.h"

namespace {

using skin::SystemMenuState;

std::vector<std::string> Captions(const skin::TMenuItem& root) {
    std::vector<std::string> out;
    for (const auto& item : root.Items()) out.push_back(item->Caption);
    return out;
}

TEST(SystemMenuTest, StartWindowHasMinimizeASeparatorAndClose) {
    skin::TMenuItem root;
    SystemMenuState state;
    state.minimizeIcon = true;
    skin::BuildSystemMenu(root, state, nullptr, {});
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"Mi&nimize", "-", "&Close"}));
    EXPECT_EQ(root.Items().back()->ShortCutText, "Alt+F4");
}

TEST(SystemMenuTest, DialogHasCloseAlone) {
    skin::TMenuItem root;
    skin::BuildSystemMenu(root, {}, nullptr, {});
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"&Close"}));
}

TEST(SystemMenuTest, ItemsFollowTheWindowStateAndAreBuiltAfresh) {
    skin::TMenuItem root;
    SystemMenuState state;
    state.minimizeIcon = state.maximizeIcon = state.rollUpIcon = state.minimizeToTrayIcon = true;
    skin::BuildSystemMenu(root, state, nullptr, {});
    EXPECT_EQ(Captions(root),
              (std::vector<std::string>{"Mi&nimize", "Ma&ximize", "Ro&llUp", "Minimize to &Tray", "-", "&Close"}));
    state.maximized = true;
    state.mdiChild = true;
    skin::BuildSystemMenu(root, state, nullptr, {});
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"Mi&nimize", "&Restore", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(root.Items().back()->ShortCutText, "Ctrl+F4");
    state = {};
    state.minimizeIcon = true;
    state.minimized = true;
    skin::BuildSystemMenu(root, state, nullptr, {});
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"&Restore", "-", "&Close"}));
}

TEST(SystemMenuTest, CaptionsComeFromTheResourceStringsWhenAttached) {
    skin::TspResourceStrData strings;
    strings.ResStrings = {"MI_MINCAPTION=Свернуть", "MI_CLOSECAPTION=Закрыть"};
    skin::TMenuItem root;
    SystemMenuState state;
    state.minimizeIcon = state.maximizeIcon = true;
    skin::BuildSystemMenu(root, state, &strings, {});
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"Свернуть", "Ma&ximize", "-", "Закрыть"}))
        << "a key the strings lack keeps its built-in caption";
}

TEST(SystemMenuTest, ItemsCarryOutTheirCommands) {
    std::vector<std::string> done;
    skin::SystemMenuCommands commands;
    commands.minimize = [&] { done.push_back("minimize"); };
    commands.close = [&] { done.push_back("close"); };
    skin::TMenuItem root;
    SystemMenuState state;
    state.minimizeIcon = true;
    skin::BuildSystemMenu(root, state, nullptr, commands);
    root.Items()[0]->Click();
    root.Items()[2]->Click();
    EXPECT_EQ(done, (std::vector<std::string>{"minimize", "close"}));
    EXPECT_EQ(root.Items()[0]->Name, "SKF_MINITEM");
    EXPECT_EQ(root.Items()[2]->Name, "SKF_CLOSE");
}

class SystemMenuPopupTest : public menutest::MenuFixture {};

TEST_F(SystemMenuPopupTest, ChoosingCloseThroughTheMenuClosesTheWindow) {
    LoadSkin();
    SystemMenuState state;
    state.minimizeIcon = true;
    skin::SystemMenuCommands commands;
    commands.close = [&] { owner.Close(); };
    skin::BuildSystemMenu(root, state, nullptr, commands);
    OpenAt({200, 120});
    EXPECT_EQ(Level(0).Selected(), 0) << "Minimize is highlighted at once";
    d.Type("c");
    EXPECT_FALSE(owner.Visible());
}

}  // namespace
