#include <gtest/gtest.h>

#include "platform/button.h"
#include "platform/headless/driver.h"
#include "recording_control.h"

namespace {

using platform::Form;
using platform::Key;
using platform::TButton;
using platform::headless::Driver;
using platformtest::RecordingWindowed;

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() : form(d.App().CreateForm<Form>()) {
        form.SetBounds(0, 0, 400, 300);
        // Created in one order, tabbed in another.
        c = &Add("c", 2);
        a = &Add("a", 0);
        b = &Add("b", 1);
    }
    RecordingWindowed& Add(const std::string& name, int order) {
        auto& w = form.Make<RecordingWindowed>(log, name);
        w.SetBounds(10, 10 + 40 * order, 50, 30);
        w.TabStop = true;
        w.SetTabOrder(order);
        return w;
    }

    Driver d;
    Form& form;
    std::vector<std::string> log;
    RecordingWindowed* a = nullptr;
    RecordingWindowed* b = nullptr;
    RecordingWindowed* c = nullptr;
};

TEST_F(KeyboardTest, ShowingFocusesTheFirstTabStopAndTabFollowsTabOrder) {
    form.Show();
    EXPECT_EQ(form.ActiveControl(), a);
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), b);
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), c);
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), a) << "Tab wraps around";
    d.PressKey(Key::Tab, platform::ssShift);
    EXPECT_EQ(form.ActiveControl(), c) << "Shift+Tab goes backwards";
}

TEST_F(KeyboardTest, TabSkipsDisabledHiddenAndNonStopControls) {
    b->SetEnabled(false);
    c->TabStop = false;
    form.Show();
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), a);
    b->SetEnabled(true);
    b->SetVisible(false);
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), a);
}

TEST_F(KeyboardTest, KeysAndCharactersGoToTheFocusedControl) {
    form.Show();
    b->SetFocus();
    log.clear();
    b->takesChars = true;
    d.KeyDown(Key::Left);
    d.Type("Жz");
    EXPECT_EQ(log, (std::vector<std::string>{"b:keydown37", "b:char1046", "b:char122"}));
}

TEST_F(KeyboardTest, TextInputKeepsOnlyWhatWindows1251CanHold) {
    form.Show();
    log.clear();
    a->takesChars = true;
    d.Type("ё€中😀\tЁ№");
    EXPECT_EQ(log, (std::vector<std::string>{"a:char1105", "a:char8364", "a:char1025", "a:char8470"}));
}

TEST_F(KeyboardTest, ClickingAFocusableControlFocusesIt) {
    form.Show();
    d.ClickControl(*c);
    EXPECT_EQ(form.ActiveControl(), c);
    EXPECT_TRUE(c->Focused());
}

class DialogKeyTest : public ::testing::Test {
protected:
    DialogKeyTest() : form(d.App().CreateForm<Form>()) {
        form.SetBounds(0, 0, 400, 300);
        field = &form.Make<RecordingWindowed>(log, "field");
        field->TabStop = true;
        field->SetBounds(10, 10, 100, 20);
        ok = &form.Make<TButton>();
        ok->SetCaption("&Да");
        ok->Default = true;
        ok->ModalResult = platform::mrOk;
        ok->SetBounds(10, 50, 75, 25);
        cancel = &form.Make<TButton>();
        cancel->SetCaption("Отмена");
        cancel->Cancel = true;
        cancel->ModalResult = platform::mrCancel;
        cancel->SetBounds(100, 50, 75, 25);
        ok->OnClick = [this](TButton&) { log.push_back("ok"); };
        cancel->OnClick = [this](TButton&) { log.push_back("cancel"); };
    }

    Driver d;
    Form& form;
    std::vector<std::string> log;
    RecordingWindowed* field = nullptr;
    TButton* ok = nullptr;
    TButton* cancel = nullptr;
};

TEST_F(DialogKeyTest, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
    d.Script([&] { d.PressKey(Key::Return); });
    EXPECT_EQ(form.ShowModal(), platform::mrOk);
    d.Script([&] { d.PressKey(Key::Escape); });
    EXPECT_EQ(form.ShowModal(), platform::mrCancel);
    EXPECT_EQ(std::count(log.begin(), log.end(), "ok"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "cancel"), 1);
}

TEST_F(DialogKeyTest, AFocusedButtonTakesEnterAndSpaceItself) {
    form.Show();
    cancel->SetFocus();
    d.PressKey(Key::Return);
    d.PressKey(Key::Space);
    EXPECT_EQ(log, (std::vector<std::string>{"cancel", "cancel"}));
}

TEST_F(DialogKeyTest, AcceleratorCharactersPressTheirControl) {
    form.Show();
    d.Type("д");
    EXPECT_EQ(log.back(), "ok") << "an unused character is offered as an accelerator";
    log.clear();
    field->SetFocus();
    field->takesChars = true;
    d.Type("д");
    EXPECT_EQ(log, (std::vector<std::string>{"field:char1076"})) << "a control that uses characters keeps them";
}

TEST_F(DialogKeyTest, DisabledButtonsIgnoreDialogKeys) {
    form.Show();
    ok->SetEnabled(false);
    d.PressKey(Key::Return);
    EXPECT_EQ(std::count(log.begin(), log.end(), "ok"), 0);
}

// Sees every key first and consumes Escape, as a window with KeyPreview does.
class PreviewForm : public Form {
public:
    using Form::Form;
    void FormKeyDown(Key& key, unsigned /*shift*/) override {
        seen.push_back(key);
        if (key == Key::Escape) key = Key::None;
    }
    std::vector<Key> seen;
};

TEST(KeyPreviewTest, TheWindowSeesKeysFirstOnlyWithKeyPreviewAndMayConsumeThem) {
    Driver d;
    auto& form = d.App().CreateForm<PreviewForm>();
    form.SetBounds(0, 0, 300, 200);
    std::vector<std::string> log;
    auto& field = form.Make<RecordingWindowed>(log, "field");
    field.SetBounds(10, 10, 50, 30);
    field.TabStop = true;
    form.Show();
    d.PressKey(Key::Left);
    EXPECT_TRUE(form.seen.empty()) << "without KeyPreview the window is not asked";
    EXPECT_EQ(log.size(), 1u);

    form.KeyPreview = true;
    log.clear();
    d.PressKey(Key::Left);
    d.PressKey(Key::Escape);
    EXPECT_EQ(form.seen, (std::vector<Key>{Key::Left, Key::Escape}));
    EXPECT_EQ(log.size(), 1u) << "a key left alone goes on to the focused control; a consumed one does not";
}

}  // namespace

namespace {

TEST(NestedTabOrderTest, ContainersAreVisitedInTheirOwnTabOrder) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    std::vector<std::string> log;
    auto& second = form.Make<RecordingWindowed>(log, "second");
    auto& first = form.Make<platform::WinControl>();
    first.SetTabOrder(0);
    second.SetTabOrder(1);
    second.TabStop = true;
    auto& inner1 = first.Make<RecordingWindowed>(log, "inner1");
    auto& inner2 = first.Make<RecordingWindowed>(log, "inner2");
    for (auto* w : {&first, static_cast<platform::WinControl*>(&second), static_cast<platform::WinControl*>(&inner1),
                    static_cast<platform::WinControl*>(&inner2)})
        w->SetBounds(0, 0, 10, 10);
    inner1.TabStop = inner2.TabStop = true;
    form.Show();
    EXPECT_EQ(form.ActiveControl(), &inner1);
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), &inner2);
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), &second);
}

TEST(NestedTabOrderTest, AWindowWithoutTabStopsIgnoresTab) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.Show();
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

}  // namespace
