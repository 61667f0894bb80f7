#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/button.h"
#include "platform/headless/driver.h"

namespace {

using platform::Form;
using platform::Key;
using platform::MessageBoxForm;
using platform::MessageKind;
using platform::headless::Driver;

class MessageBoxTest : public ::testing::Test {
protected:
    MessageBoxTest() : owner(d.App().CreateForm<Form>()) {
        owner.SetBounds(100, 50, 500, 400);
        owner.Show();
    }
    // Shows a box and answers it with answer; true when that answer closed it with OK.
    bool ClosesBy(const std::function<void(MessageBoxForm&)>& answer) {
        bool answered = false;
        d.Script([&] {
            auto* box = dynamic_cast<MessageBoxForm*>(d.TopWindow());
            ASSERT_NE(box, nullptr);
            answer(*box);
            answered = box->ModalResult == platform::mrOk;
        });
        platform::ShowMessageBox(d.App(), "Нет бутылок!", "Warning", MessageKind::Warning);
        return answered;
    }

    Driver d;
    Form& owner;
};

TEST_F(MessageBoxTest, ClosedByOkEnterSpaceOrEsc) {
    EXPECT_TRUE(ClosesBy([&](MessageBoxForm& box) { d.ClickControl(box.OkButton()); }));
    EXPECT_TRUE(ClosesBy([&](MessageBoxForm&) { d.PressKey(Key::Return); }));
    EXPECT_TRUE(ClosesBy([&](MessageBoxForm&) { d.PressKey(Key::Space); }));
    EXPECT_TRUE(ClosesBy([&](MessageBoxForm&) { d.PressKey(Key::Escape); }));
    EXPECT_FALSE(ClosesBy([&](MessageBoxForm&) { d.PressKey(Key::Left); })) << "other keys leave it open";
    EXPECT_TRUE(owner.IsActive());
}

TEST_F(MessageBoxTest, ThePointerLeavingABoxThatIsGoneIsNotDelivered) {
    EXPECT_TRUE(ClosesBy([&](MessageBoxForm& box) {
        d.MoveTo(box, {5, 5});
        d.PressKey(Key::Return);
    }));
    d.MoveTo(owner, {20, 20});  // the box under the pointer was destroyed; only the owner hears of it
    EXPECT_EQ(d.TopWindow(), &owner);
}

TEST_F(MessageBoxTest, CentredOverTheActiveWindowAndRecorded) {
    d.Script([&] {
        const gfx::Rect box = d.TopWindow()->BoundsRect();
        EXPECT_NEAR(box.left + box.width() / 2, 100 + 250, 1);
        EXPECT_NEAR(box.top + box.height() / 2, 50 + 200, 1);
        EXPECT_FALSE(owner.IsActive());
        d.PressKey(Key::Return);
    });
    platform::ShowMessageBox(d.App(), "Недостаточно денег!", "Warning", MessageKind::Warning);
    ASSERT_EQ(d.Messages().size(), 1u);
    EXPECT_EQ(d.Messages()[0].title, "Warning");
    EXPECT_EQ(d.Messages()[0].text, "Недостаточно денег!");
}

TEST_F(MessageBoxTest, StaysOnTheWorkAreaWhenItsWindowIsPartlyOffIt) {
    owner.SetBounds(-400, -300, 500, 400);
    d.Script([&] {
        const gfx::Rect box = d.TopWindow()->BoundsRect();
        EXPECT_GE(box.left, 0);
        EXPECT_GE(box.top, 0);
        d.PressKey(Key::Return);
    });
    platform::ShowMessageBox(d.App(), "Печень отвалилась!", "Information", MessageKind::Information);
}

TEST_F(MessageBoxTest, LongTextWrapsWithinALimitedWidth) {
    std::string words;
    for (int i = 0; i < 40; ++i) words += "бутылка ";
    MessageBoxForm box(d.App(), words, "Information", MessageKind::Information);
    EXPECT_LE(box.TextRect().width(), 420);
    EXPECT_GT(box.TextRect().height(), 30);
    EXPECT_GT(box.OkButton().Top(), box.TextRect().bottom);
}

}  // namespace
