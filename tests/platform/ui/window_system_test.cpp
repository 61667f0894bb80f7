// Behaviours of the window system that sit between the windows: focus order with nothing
// focused, popups and move loops around modal windows, drags and double clicks at the
// edges of the capture rules, and where message boxes go.
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/font.h"
#include "gfx/text.h"
#include "platform/headless/driver.h"
#include "platform/message_box.h"
#include "recording_control.h"

namespace {

using platform::Form;
using platform::Key;
using platform::headless::Driver;
using platformtest::RecordingWindowed;
using platformtest::RecordingWindowless;

TEST(FocusOrderTest, ShiftTabWithNothingFocusedGoesToTheLastStopAndTabToTheFirst) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.SetBounds(0, 0, 300, 200);
    std::vector<std::string> log;
    std::vector<RecordingWindowed*> stops;
    for (int i = 0; i < 3; ++i) {
        auto& w = form.Make<RecordingWindowed>(log, "w" + std::to_string(i));
        w.SetBounds(10, 10 + 40 * i, 50, 30);
        w.TabStop = true;
        stops.push_back(&w);
    }
    form.Show();
    form.SetActiveControl(nullptr);
    d.PressKey(Key::Tab, platform::ssShift);
    EXPECT_EQ(form.ActiveControl(), stops[2]);
    form.SetActiveControl(nullptr);
    d.PressKey(Key::Tab);
    EXPECT_EQ(form.ActiveControl(), stops[0]);
}

class ModalTest : public ::testing::Test {
protected:
    ModalTest() : main(d.App().CreateForm<Form>()), dialog(d.App().CreateForm<Form>()) {
        main.SetBounds(0, 0, 300, 200);
        dialog.SetBounds(400, 0, 200, 150);
        main.Show();
    }
    Driver d;
    Form& main;
    Form& dialog;
};

TEST_F(ModalTest, APopupOverAModalWindowTakesInputWithoutTakingTheActivation) {
    auto& popup = d.App().CreateForm<Form>();
    popup.PopupStyle = true;
    popup.SetBounds(420, 20, 100, 80);
    std::vector<std::string> log;
    auto& item = popup.Make<RecordingWindowless>(log, "item");
    item.SetBounds(0, 0, 90, 50);
    d.Script([&] {
        popup.Show();
        EXPECT_EQ(d.TopWindow(), &popup) << "the popup lies above the modal window";
        d.Click(popup, {10, 30});
        EXPECT_TRUE(dialog.IsActive());
        EXPECT_FALSE(popup.IsActive());
        popup.Hide();
        EXPECT_TRUE(dialog.IsActive());
        d.Click(main, {100, 100});
        EXPECT_TRUE(dialog.IsActive()) << "the window under the modal one still takes nothing";
        dialog.ModalResult = platform::mrOk;
    });
    EXPECT_EQ(dialog.ShowModal(), platform::mrOk);
    EXPECT_NE(std::find(log.begin(), log.end(), "item:click"), log.end());
}

TEST_F(ModalTest, AModalWindowEndsTheMoveLoopsOfTheOthers) {
    // The caption drag of the main window is under way when the dialog opens.
    d.MouseDown(main, {100, 10});
    d.MoveTo(main, {120, 20});
    ASSERT_TRUE(main.InMoveSize());
    const gfx::Rect moved = main.BoundsRect();
    d.Script([&] {
        EXPECT_FALSE(main.InMoveSize());
        EXPECT_EQ(d.Backend().CapturedBy(), nullptr);
        dialog.ModalResult = platform::mrCancel;
    });
    dialog.ShowModal();
    d.MoveTo(main, {200, 100});
    d.MouseUp(main, {200, 100});
    EXPECT_EQ(main.BoundsRect(), moved) << "the ended drag moves the window no more";
}

TEST(DragTest, ThePointerLeavingDuringAWindowDragDoesNotEndIt) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.SetBounds(0, 0, 300, 200);
    form.Show();
    d.MouseDown(form, {100, 10});
    d.MoveTo(form, {110, 10});
    d.Leave(form);
    EXPECT_TRUE(form.InMoveSize());
    // The window is at (10, 0) now; the pointer goes on to (150, 40) on the screen.
    d.MoveTo(form, {140, 40});
    d.MouseUp(form, {100, 10});
    EXPECT_FALSE(form.InMoveSize());
    EXPECT_EQ(form.BoundsRect().top_left(), (gfx::Point{50, 30}));
}

// A control whose press handler gives the pointer capture up, as one that opens a dialog
// from its press does.
class DroppingControl : public RecordingWindowless {
public:
    using RecordingWindowless::RecordingWindowless;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override {
        RecordingWindowless::MouseDown(button, shift, p);
        if (Form* form = ParentForm()) form->SetMouseCapture(nullptr);
    }
};

TEST(DoubleClickTest, APressHandlerThatDropsTheCaptureGetsNoDoubleClickAndNoClick) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.SetBounds(0, 0, 300, 200);
    std::vector<std::string> log;
    auto& control = form.Make<DroppingControl>(log, "c");
    control.SetBounds(10, 10, 50, 50);
    form.Show();
    d.DoubleClick(form, {3 + 20, 22 + 20});
    EXPECT_EQ(log, (std::vector<std::string>{"c:enter", "c:move@10,10", "c:down@10,10", "c:up@10,10", "c:down2@10,10",
                                             "c:up@10,10"}));
}

class MessageBoxPlacementTest : public ::testing::Test {
protected:
    MessageBoxPlacementTest() : owner(d.App().CreateForm<Form>()) { owner.Show(); }
    // The bounds of a box shown over the owner, taken while it is up.
    gfx::Rect BoxBounds(const std::string& text, const std::string& title) {
        gfx::Rect bounds;
        d.Script([&] {
            bounds = d.TopWindow()->BoundsRect();
            d.PressKey(Key::Return);
        });
        platform::ShowMessageBox(d.App(), text, title, platform::MessageKind::Information);
        return bounds;
    }
    Driver d;
    Form& owner;
};

TEST_F(MessageBoxPlacementTest, KeptInsideTheWorkAreaAtTheRightAndBottomEdges) {
    const gfx::Rect area = d.App().WorkArea();
    owner.SetBounds(area.right - 100, area.bottom - 60, 500, 400);
    const gfx::Rect box = BoxBounds("Печень отвалилась!", "Information");
    EXPECT_EQ(box.right, area.right);
    EXPECT_EQ(box.bottom, area.bottom);
}

TEST_F(MessageBoxPlacementTest, ALongCaptionWidensTheBoxToShowIt) {
    owner.SetBounds(100, 100, 500, 400);
    const std::string caption = "Очень длинный заголовок окна сообщения о бутылках";
    const gfx::Rect narrow = BoxBounds("Да", "Да");
    const gfx::Rect wide = BoxBounds("Да", caption);
    EXPECT_GT(wide.width(), narrow.width());
    EXPECT_GT(wide.width(), gfx::TextWidth(gfx::Font{"MS Sans Serif", -11, gfx::fsBold}, caption));
}

}  // namespace
