#include "ui/dialog_form.h"

#include <utility>

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace ui {

namespace {

constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 25;

}  // namespace

DialogForm::DialogForm(platform::Application& app, Program& program, std::string caption, int clientWidth,
                       int clientHeight, bool sizeable)
    : Form(app), spSkinForm1(Own<skin::TspSkinForm>(this)), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = sizeable ? platform::BorderStyle::Sizeable : platform::BorderStyle::Dialog;
    SetCaption(std::move(caption));
    spSkinForm1.Sizeable = sizeable;
    spSkinForm1.SetBorderIcons(0);
    spSkinForm1.SetHideCaptionButtons(true);
    spSkinForm1.ClientWidth = clientWidth;
    spSkinForm1.ClientHeight = clientHeight;
    spSkinForm1.SetSkinData(&program.Form1().spSkinData1);
    SetClientSize(clientWidth, clientHeight);
}

game::Game& DialogForm::Game() const { return program_.Form2().Game(); }

void DialogForm::Apply(const game::Outcome& outcome) {
    for (const auto& c : outcome.captions)
        if (auto it = captions_.find(c.caption); it != captions_.end()) it->second->SetCaption(c.text);
    program_.Form2().Apply(outcome);
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

controls::TspSkinButton& DialogForm::AddButton(int left, int top, std::string caption) {
    auto& button = Make<controls::TspSkinButton>();
    button.SetSkinData(&program_.Form1().spSkinData1);
    button.SetSkinDataName("button");
    button.SetBounds(left, top, kButtonWidth, kButtonHeight);
    button.SetCaption(std::move(caption));
    return button;
}

}  // namespace ui
