#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/driver.h"
#include "platform/timer.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_menu.h"
#include "skin/menu/skin_popup_window.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace menutest {

// A control that opens menus and records what the menu tells it.
class Opener : public platform::Control {
public:
    void Notify(const platform::Notification& n) override { messages.push_back(n.message); }
    std::vector<platform::Message> messages;
};

// A window with a menu, a clock that runs while it is active (as the game's main window),
// and the messages the menu sends it.
class OwnerForm : public platform::Form {
public:
    explicit OwnerForm(platform::Application& app)
        : Form(app), menu(Own<skin::TspSkinMenu>(*this)), clock(Own<platform::Timer>(app, this)) {
        clock.SetEnabled(false);
        clock.SetInterval(100);
        clock.OnTimer = [this](platform::Timer&) { ++ticks; };
        opener = &Make<Opener>();
    }
    void FormActivate() override { clock.SetEnabled(true); }
    void FormDeactivate() override { clock.SetEnabled(false); }
    void Notify(const platform::Notification& n) override { messages.push_back(n.message); }

    skin::TspSkinMenu& menu;
    platform::Timer& clock;
    Opener* opener = nullptr;
    int ticks = 0;
    std::vector<platform::Message> messages;
};

// A driver with an owner window at (100, 100) and a menu of every kind of item.
class MenuFixture : public ::testing::Test {
protected:
    MenuFixture() : owner(d.App().CreateForm<OwnerForm>()) {
        owner.SetBounds(100, 100, 400, 300);
        owner.Show();
        BuildMenu();
    }

    void LoadSkin() {
        skinData = &owner.Own<skin::TspSkinData>(&owner);
        skinData->LoadCompressedStream(skin::DefaultSkinData());
        owner.menu.SetSkinData(skinData);
    }

    void BuildMenu() {
        root.Clear();
        skin::TMenuItem& disabled = root.Add("&Disabled", "disabled");
        disabled.Enabled = false;
        root.Add("&Open", "open").ShortCutText = "Ctrl+O";
        root.Add("-");
        root.Add("-Title-").Enabled = false;
        skin::TMenuItem& checked = root.Add("C&hecked", "checked");
        checked.Checked = true;
        skin::TMenuItem& radio = root.Add("&Radio", "radio");
        radio.Checked = true;
        radio.RadioItem = true;
        skin::TMenuItem& sub = root.Add("&More", "more");
        sub.Add("&First", "first");
        sub.Add("&Second", "second");
        root.Add("E&xit", "exit");
        for (const auto& item : root.Items())
            item->OnClick = [this](skin::TMenuItem& sender) { ran.push_back(sender.Name); };
        for (const auto& item : sub.Items())
            item->OnClick = [this](skin::TMenuItem& sender) { ran.push_back(sender.Name); };
    }

    // Opens the menu at a screen point.
    void OpenAt(gfx::Point p, bool upwards = false) {
        owner.menu.Popup(owner.opener, root, gfx::Rect{p.x, p.y, p.x, p.y}, upwards);
    }
    skin::TspSkinPopupWindow& Level(int i) { return owner.menu.Level(i); }
    // The index of an item of a level by name.
    int IndexOf(int level, const std::string& name) {
        const auto& items = Level(level).Items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i]->Item().Name == name) return static_cast<int>(i);
        return -1;
    }
    // Moves the pointer to the middle of an item and lets the tracking timer see it.
    void PointAt(int level, const std::string& name) {
        skin::TspSkinPopupWindow& popup = Level(level);
        const gfx::Rect r = popup.Items()[static_cast<std::size_t>(IndexOf(level, name))]->ItemRect;
        d.MoveTo(popup, {r.left + r.width() / 2, r.top + r.height() / 2});
        d.Advance(50);
    }

    platform::headless::Driver d;
    OwnerForm& owner;
    skin::TMenuItem root;
    skin::TspSkinData* skinData = nullptr;
    std::vector<std::string> ran;
};

}  // namespace menutest
