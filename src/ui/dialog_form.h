#pragma once

#include <map>
#include <string>

#include "controls/buttons/check_radio_box.h"
#include "controls/buttons/skin_button.h"
#include "controls/containers/skin_panel.h"
#include "controls/ranges/skin_track_bar.h"
#include "game/game.h"
#include "game/outcome.h"
#include "platform/form.h"
#include "platform/label.h"
#include "skin/frame/skin_form.h"

namespace ui {

class Program;

// What the eight dialogs share: a skinned frame without caption buttons, centred on the
// desktop, controls drawn from the start window's skin, and one Apply that shows the
// dialog's own part of an outcome (sliders, captions, action button) and hands the rest
// to the main window. Dialogs are created once and only shown and hidden afterwards.
class DialogForm : public platform::Form {
public:
    // The skinned frame; it shows no caption buttons.
    skin::TspSkinForm& spSkinForm1;

    // The game every window acts on.
    [[nodiscard]] game::Game& Game() const;
    // Shows an outcome: the sliders, captions and action button of this dialog, then the
    // main window's part, the messages, the dialog to show or close and the ending.
    void Apply(const game::Outcome& outcome);
    // A close request from the window system is refused: only the dialog's own actions close it.
    void FormClose(platform::CloseAction& action) override;

protected:
    DialogForm(platform::Application& app, Program& program, std::string caption, int clientWidth, int clientHeight,
               bool sizeable);

    // A transparent label in MS Sans Serif of the given pixel height.
    platform::TLabel& AddLabel(int left, int top, int fontHeight, std::string text);
    // A word-wrapped label of a fixed size on the window.
    platform::TLabel& AddWrappedLabel(int left, int top, int width, int height, int fontHeight, std::string text);
    // A word-wrapped label of a fixed size inside a container of the window.
    platform::TLabel& AddWrappedLabel(platform::WinControl& parent, int left, int top, int width, int height,
                                      int fontHeight, std::string text);
    // A captioned group box.
    controls::TspSkinGroupBox& AddGroupBox(int left, int top, int width, int height, std::string caption);
    // A radio box 25 high in a container; boxes of one container with the same group exclude each other.
    controls::TspSkinCheckRadioBox& AddRadio(platform::WinControl& parent, int left, int top, int width,
                                             std::string caption, int group);
    // A 100 x 20 slider from the skin's horizontal track bar.
    controls::TspSkinTrackBar& AddSlider(int left, int top, int minValue, int maxValue, int value);
    // An 89 x 25 skinned push button.
    controls::TspSkinButton& AddButton(int left, int top, std::string caption);

    // Names the label that shows a caption of the rules.
    void MapCaption(game::Caption caption, platform::TLabel& label) { captions_[caption] = &label; }
    // Names the slider that a slider setting of the rules addresses.
    void MapSlider(game::Slider slider, controls::TspSkinTrackBar& bar) { sliders_[slider] = &bar; }
    // The button whose enabled state the rules may set.
    void SetActionButton(controls::TspSkinButton& button) { actionButton_ = &button; }
    // A drink, eat or heal slider moved: its amount label shows the value while its row has stock.
    void ShowAmount(game::Slider slider, const controls::TspSkinTrackBar& bar);

private:
    Program& program_;
    std::map<game::Caption, platform::TLabel*> captions_;
    std::map<game::Slider, controls::TspSkinTrackBar*> sliders_;
    controls::TspSkinButton* actionButton_ = nullptr;
};

}  // namespace ui
