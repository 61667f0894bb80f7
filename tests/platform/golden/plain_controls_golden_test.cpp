#include <gtest/gtest.h>

#include "platform/headless/driver.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "support/golden.h"

namespace {

using platform::Form;
using platform::MessageKind;
using platform::headless::Driver;

// The pixels of the message box as it is shown, taken from inside its modal loop.
gfx::Bitmap MessageBoxPixels(MessageKind kind, const std::string& title, const std::string& text) {
    Driver d;
    auto& owner = d.App().CreateForm<Form>();
    owner.SetBounds(100, 100, 400, 300);
    owner.Show();
    gfx::Bitmap pixels;
    d.Script([&] {
        pixels = d.Pixels(*d.TopWindow());
        d.PressKey(platform::Key::Return);
    });
    platform::ShowMessageBox(d.App(), text, title, kind);
    return pixels;
}

TEST(PlainControlsGolden, MessageBoxOfEachKind) {
    EXPECT_TRUE(testsupport::MatchesGolden(
        MessageBoxPixels(MessageKind::Information, "Information", "Алкаш умер от голода!"), "MessageBox_Information"));
    EXPECT_TRUE(testsupport::MatchesGolden(MessageBoxPixels(MessageKind::Warning, "Warning", "Недостаточно денег!"),
                                           "MessageBox_Warning"));
    EXPECT_TRUE(testsupport::MatchesGolden(
        MessageBoxPixels(MessageKind::Error, "Burdomir",
                         "Не удаётся открыть файл sound/drink.wav: файл не найден. Проверьте, что папка sound "
                         "лежит рядом с программой, и попробуйте ещё раз."),
        "MessageBox_Error"));
}

TEST(PlainControlsGolden, LabelWordWrappedUnderlinedAndTransparentOverAColouredParent) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.BorderStyle = platform::BorderStyle::None;
    form.SetFrameHook(nullptr);
    form.SetBounds(0, 0, 150, 60);
    form.Color = 0x0080C0E0;  // 0x00BBGGRR: a warm sand colour
    auto& label = form.Make<platform::TLabel>();
    label.SetBounds(8, 6, 129, 33);
    label.SetWordWrap(true);
    label.SetTransparent(true);
    label.SetFont({"Arial", -11, gfx::fsUnderline, 0x00800000});
    label.SetCaption("Цель игры - допиться до белой горячки.");
    form.Show();
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(form), "Label_WordWrapUnderlineTransparent"));
}

TEST(PlainControlsGolden, ProgressBarsAtAndBeyondTheirEnds) {
    for (const auto& [position, name] : std::vector<std::pair<int, std::string>>{
             {-10, "ProgressBar_Minus10"}, {0, "ProgressBar_0"}, {40, "ProgressBar_40"}, {100, "ProgressBar_100"}}) {
        Driver d;
        auto& form = d.App().CreateForm<Form>();
        form.BorderStyle = platform::BorderStyle::None;
        form.SetFrameHook(nullptr);
        form.SetBounds(0, 0, 158, 24);
        auto& bar = form.Make<platform::TProgressBar>();
        bar.SetBounds(4, 4, 150, 16);
        bar.SetPosition(position);
        form.Show();
        EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(form), name)) << name;
    }
}

}  // namespace

namespace {

TEST(PlainControlsGolden, PlainFrameActiveAndInactive) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.SetCaption("Burdomir - Вася");
    form.SetBounds(0, 0, 200, 80);
    auto& other = d.App().CreateForm<Form>();
    form.Show();
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(form), "Frame_PlainActive"));
    other.Show();
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(form), "Frame_PlainInactive"));
}

}  // namespace
