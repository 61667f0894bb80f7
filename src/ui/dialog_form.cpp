#include "ui/dialog_form.h"

#include <optional>
#include <utility>

#include "game/consumption.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace ui {

namespace {

constexpr int kSliderWidth = 100;
constexpr int kSliderHeight = 20;
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 25;
constexpr int kRadioHeight = 25;

void ApplySlider(controls::TspSkinTrackBar& bar, const game::SliderSetting& setting) {
    if (setting.min) bar.SetMinValue(*setting.min);
    if (setting.max) bar.SetMaxValue(*setting.max);
    bar.SetValue(setting.value);
    bar.SetEnabled(setting.enabled);
}

}  // namespace

DialogForm::DialogForm(platform::Application& app, Program& program, std::string caption, int clientWidth,
                       int clientHeight, bool sizeable)
    : Form(app), spSkinForm1(Own<skin::TspSkinForm>(this)), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = sizeable ? platform::BorderStyle::Sizeable : platform::BorderStyle::Dialog;
    SetCaption(std::move(caption));
    spSkinForm1.SetBorderIcons(0);
    spSkinForm1.SetHideCaptionButtons(true);
    spSkinForm1.Sizeable = sizeable;
    spSkinForm1.ClientWidth = clientWidth;
    spSkinForm1.ClientHeight = clientHeight;
    spSkinForm1.SetSkinData(&program.Form1().spSkinData1);
    SetClientSize(clientWidth, clientHeight);
}

game::Game& DialogForm::Game() const { return program_.Form2().Game(); }

void DialogForm::Apply(const game::Outcome& outcome) {
    for (const auto& s : outcome.sliders)
        if (auto it = sliders_.find(s.slider); it != sliders_.end()) ApplySlider(*it->second, s);
    for (const auto& c : outcome.captions)
        if (auto it = captions_.find(c.caption); it != captions_.end()) it->second->SetCaption(c.text);
    if (outcome.actionButtonEnabled && actionButton_) actionButton_->SetEnabled(*outcome.actionButtonEnabled);
    program_.Form2().Apply(outcome);
}

void DialogForm::ShowAmount(game::Slider slider, const controls::TspSkinTrackBar& bar) {
    const std::optional<game::CaptionText> amount = game::ConsumptionAmount(Game(), slider, bar.Value());
    if (!amount) return;
    if (auto it = captions_.find(amount->caption); it != captions_.end()) it->second->SetCaption(amount->text);
}

void DialogForm::FormClose(platform::CloseAction& action) { action = platform::CloseAction::None; }

platform::TLabel& DialogForm::AddLabel(int left, int top, int fontHeight, std::string text) {
    auto& label = Make<platform::TLabel>();
    label.SetFont({"MS Sans Serif", -fontHeight, 0, gfx::clWindowText});
    label.SetTransparent(true);
    label.SetBounds(left, top, 0, 0);
    label.SetCaption(std::move(text));
    return label;
}

platform::TLabel& DialogForm::AddWrappedLabel(int left, int top, int width, int height, int fontHeight,
                                              std::string text) {
    return AddWrappedLabel(*this, left, top, width, height, fontHeight, std::move(text));
}

platform::TLabel& DialogForm::AddWrappedLabel(platform::WinControl& parent, int left, int top, int width, int height,
                                              int fontHeight, std::string text) {
    auto& label = parent.Make<platform::TLabel>();
    label.SetFont({"MS Sans Serif", -fontHeight, 0, gfx::clWindowText});
    label.SetTransparent(true);
    label.SetAutoSize(false);
    label.SetWordWrap(true);
    label.SetBounds(left, top, width, height);
    label.SetCaption(std::move(text));
    return label;
}

controls::TspSkinGroupBox& DialogForm::AddGroupBox(int left, int top, int width, int height, std::string caption) {
    auto& box = Make<controls::TspSkinGroupBox>();
    box.SetSkinData(&program_.Form1().spSkinData1);
    box.SetBounds(left, top, width, height);
    box.SetCaption(std::move(caption));
    return box;
}

controls::TspSkinCheckRadioBox& DialogForm::AddRadio(platform::WinControl& parent, int left, int top, int width,
                                                     std::string caption, int group) {
    auto& radio = parent.Make<controls::TspSkinCheckRadioBox>();
    radio.SetSkinData(&program_.Form1().spSkinData1);
    radio.SetSkinDataName("radiobox");
    radio.SetRadio(true);
    radio.SetGroupIndex(group);
    radio.SetBounds(left, top, width, kRadioHeight);
    radio.SetCaption(std::move(caption));
    return radio;
}

controls::TspSkinTrackBar& DialogForm::AddSlider(int left, int top, int minValue, int maxValue, int value) {
    auto& bar = Make<controls::TspSkinTrackBar>();
    bar.SetSkinData(&program_.Form1().spSkinData1);
    bar.SetSkinDataName("htrackbar");
    bar.SetBounds(left, top, kSliderWidth, kSliderHeight);
    bar.SetMinValue(minValue);
    bar.SetMaxValue(maxValue);
    bar.SetValue(value);
    return bar;
}

controls::TspSkinButton& DialogForm::AddButton(int left, int top, std::string caption) {
    auto& button = Make<controls::TspSkinButton>();
    button.SetSkinData(&program_.Form1().spSkinData1);
    button.SetSkinDataName("button");
    button.SetBounds(left, top, kButtonWidth, kButtonHeight);
    button.SetCaption(std::move(caption));
    return button;
}

}  // namespace ui
