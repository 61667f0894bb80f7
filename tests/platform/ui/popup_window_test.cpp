#include "platform/popup_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/driver.h"
#include "platform/timer.h"

namespace {

using platform::Form;
using platform::Key;
using platform::PopupWindow;
using platform::Timer;
using platform::headless::Driver;

// A focusable control that records its keys.
class KeyTaker : public platform::WinControl {
public:
    KeyTaker() { TabStop = true; }
    void KeyDown(Key& key, unsigned /*shift*/) override { keys.push_back(key); }
    std::vector<Key> keys;
};

// A window with a clock that runs only while it is active, as the game's main window, and a
// control holding its keyboard focus.
class OwnerForm : public Form {
public:
    explicit OwnerForm(platform::Application& app) : Form(app), clock(Own<Timer>(app, this)) {
        Make<KeyTaker>().SetBounds(0, 0, 20, 20);
        clock.SetEnabled(false);
        clock.SetInterval(100);
        clock.OnTimer = [this](Timer&) { ++ticks; };
    }
    void FormActivate() override { clock.SetEnabled(true); }
    void FormDeactivate() override { clock.SetEnabled(false); }
    [[nodiscard]] const std::vector<Key>& Keys() const {
        return static_cast<const KeyTaker&>(*Controls().front()).keys;
    }

    Timer& clock;
    int ticks = 0;
};

// Records what reaches it.
class LogPopup : public PopupWindow {
public:
    LogPopup(platform::Application& app, Form& owner, std::vector<std::string>& log, std::string name)
        : PopupWindow(app, owner), log_(log), name_(std::move(name)) {
        OnCancelMode = [this](PopupWindow&) {
            log_.push_back(name_ + ":cancel");
            Hide();
        };
    }
    void PopupKeyDown(Key key, unsigned /*shift*/) override {
        log_.push_back(name_ + ":key " + std::to_string(static_cast<int>(key)));
    }
    void PopupKeyPress(char32_t ch) override {
        log_.push_back(name_ + ":char " + std::string(1, static_cast<char>(ch)));
    }
    void MouseDown(platform::MouseButton /*button*/, unsigned /*shift*/, gfx::Point p) override {
        log_.push_back(name_ + ":down " + std::to_string(p.x) + "," + std::to_string(p.y));
    }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

class PopupWindowTest : public ::testing::Test {
protected:
    PopupWindowTest() : owner(d.App().CreateForm<OwnerForm>()), other(d.App().CreateForm<Form>()) {
        owner.SetBounds(100, 100, 300, 200);
        other.SetBounds(500, 100, 200, 150);
        owner.Show();
    }
    LogPopup& MakePopup(Form& of, const std::string& name) {
        popups.push_back(std::make_unique<LogPopup>(d.App(), of, log, name));
        return *popups.back();
    }

    Driver d;
    OwnerForm& owner;
    Form& other;
    std::vector<std::string> log;
    std::vector<std::unique_ptr<LogPopup>> popups;
};

TEST_F(PopupWindowTest, OwnerKeepsActivationItsFrameAndItsClock) {
    LogPopup& popup = MakePopup(owner, "p");
    popup.Popup({150, 150, 250, 250});
    EXPECT_TRUE(popup.Visible());
    EXPECT_EQ(popup.BoundsRect(), (gfx::Rect{150, 150, 250, 250}));
    EXPECT_EQ(d.TopWindow(), &popup);
    EXPECT_TRUE(owner.IsActive());
    d.Click(popup, {10, 20});
    EXPECT_TRUE(owner.IsActive()) << "a click on the popup does not activate it";
    EXPECT_EQ(log, (std::vector<std::string>{"p:down 10,20"}));
    d.Advance(1000);
    EXPECT_EQ(owner.ticks, 10) << "the owner's clock runs while its popup is open";
}

TEST_F(PopupWindowTest, KeysForTheOwnerGoToItsInnermostPopup) {
    LogPopup& outer = MakePopup(owner, "outer");
    LogPopup& inner = MakePopup(owner, "inner");
    outer.Popup({150, 150, 250, 250});
    inner.Popup({250, 150, 350, 250});
    d.PressKey(Key::Down);
    d.Type("c");
    inner.Hide();
    d.PressKey(Key::Escape);
    outer.Hide();
    d.PressKey(Key::Up);
    EXPECT_EQ(log, (std::vector<std::string>{"inner:key 40", "inner:char c", "outer:key 27"}));
    EXPECT_EQ(owner.Keys(), (std::vector<Key>{Key::Up})) << "with no popup open the owner has its keys back";
}

TEST_F(PopupWindowTest, PopupsOfAnotherOwnerDoNotTakeItsKeys) {
    LogPopup& foreign = MakePopup(other, "foreign");
    foreign.Popup({600, 150, 650, 200});
    d.PressKey(Key::Down);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(owner.Keys(), (std::vector<Key>{Key::Down}));
}

TEST_F(PopupWindowTest, PressOutsideOwnerDeactivationAndMovingCancel) {
    LogPopup& popup = MakePopup(owner, "p");
    popup.Popup({150, 150, 250, 250});
    d.Click(owner, {5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"p:cancel"}));

    popup.Popup({150, 150, 250, 250});
    other.Show();
    EXPECT_EQ(log.back(), "p:cancel") << "the owner lost the activation";
    EXPECT_EQ(log.size(), 2u);

    owner.Show();
    popup.Popup({150, 150, 250, 250});
    owner.SetBounds(120, 100, 300, 200);
    EXPECT_EQ(log.size(), 3u) << "the owner moved";
    EXPECT_FALSE(popup.Visible());
}

TEST_F(PopupWindowTest, HiddenPopupsAreNotCancelledAgain) {
    LogPopup& popup = MakePopup(owner, "p");
    popup.Popup({150, 150, 250, 250});
    popup.Hide();
    d.Click(owner, {5, 5});
    EXPECT_TRUE(log.empty());
}

}  // namespace
