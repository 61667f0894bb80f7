#include "platform/label.h"

#include <gtest/gtest.h>

#include "gfx/text.h"
#include "platform/headless/driver.h"

namespace {

using platform::TLabel;

TEST(LabelTest, AutoSizeFitsOneLineAndAWrappedLabelKeepsItsWidth) {
    TLabel label;
    label.SetCaption("Деньги: 1000");
    const gfx::Font font = label.Font();
    EXPECT_EQ(label.Width(), gfx::TextWidth(font, "Деньги: 1000"));
    EXPECT_EQ(label.Height(), gfx::TextHeight(font));

    label.SetBounds(0, 0, 60, 10);
    label.SetWordWrap(true);
    label.SetCaption("Цель игры - допиться до белой горячки.");
    EXPECT_EQ(label.Width(), 60);
    EXPECT_GE(label.Height(), 3 * gfx::TextHeight(font));
}

TEST(LabelTest, WithoutAutoSizeTheBoundsStay) {
    TLabel label;
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 10, 10);
    label.SetCaption("Длинный текст метки");
    EXPECT_EQ(label.BoundsRect(), (gfx::Rect{0, 0, 10, 10}));
}

TEST(LabelTest, EventsCarryTheSenderAndThePointer) {
    platform::headless::Driver d;
    auto& form = d.App().CreateForm<platform::Form>();
    form.SetBounds(0, 0, 200, 100);
    auto& label = form.Make<TLabel>();
    label.SetCaption("Купить");
    label.ControlCursor = platform::Cursor::HandPoint;
    std::vector<std::string> log;
    label.OnMouseEnter = [&](TLabel& l) { log.push_back("enter " + l.Caption()); };
    label.OnMouseMove = [&](TLabel&, unsigned, int x, int y) {
        log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    label.OnClick = [&](TLabel&) { log.push_back("click"); };
    form.Show();
    d.MoveTo(form, label.ClientToWindow({2, 3}));
    EXPECT_EQ(d.Backend().CurrentCursor(), platform::Cursor::HandPoint);
    d.Click(form, label.ClientToWindow({2, 3}));
    EXPECT_EQ(log, (std::vector<std::string>{"enter Купить", "move 2,3", "click"}));
    d.MoveTo(form, {150, 80});
    EXPECT_EQ(d.Backend().CurrentCursor(), platform::Cursor::Arrow);
}

}  // namespace
