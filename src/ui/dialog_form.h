#pragma once

#include <map>
#include <string>

#include "controls/buttons/skin_button.h"
#include "game/game.h"
#include "game/outcome.h"
#include "platform/form.h"
#include "platform/label.h"
#include "skin/frame/skin_form.h"

namespace ui {

class Program;

// What the eight dialogs share: a skinned frame without caption buttons, centred on the
// desktop, controls drawn from the start window's skin, and one Apply that shows the
// dialog's own part of an outcome (its captions) and hands the rest to the main
// window. Dialogs are created once and only shown and hidden afterwards.
class DialogForm : public platform::Form {
public:
    // The skinned frame; it shows no caption buttons.
    skin::TspSkinForm& spSkinForm1;

    // The game every window acts on.
    [[nodiscard]] game::Game& Game() const;
    // Shows an outcome: the captions of this dialog, then the main
    // window's part, the messages, the dialog to show or close and the ending.
    void Apply(const game::Outcome& outcome);
    // A close request from the window system is refused: only the dialog's own actions close it.
    void FormClose(platform::CloseAction& action) override;

protected:
    DialogForm(platform::Application& app, Program& program, std::string caption, int clientWidth, int clientHeight,
               bool sizeable);

    // A transparent label in MS Sans Serif of the given pixel height.
    platform::TLabel& AddLabel(int left, int top, int fontHeight, std::string text);
    // An 89 x 25 skinned push button.
    controls::TspSkinButton& AddButton(int left, int top, std::string caption);

    // Names the label that shows a caption of the rules.
    void MapCaption(game::Caption caption, platform::TLabel& label) { captions_[caption] = &label; }

private:
    Program& program_;
    std::map<game::Caption, platform::TLabel*> captions_;
};

}  // namespace ui
