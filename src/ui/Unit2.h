#pragma once

#include <map>

#include "controls/images/png_image_list.h"
#include "game/game.h"
#include "game/outcome.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/progress_bar.h"
#include "platform/timer.h"
#include "sound/media_player.h"

namespace ui {

class Program;

// The main window: it holds the one game of the run, the game clock, the cue player and the
// picture lists, shows the state on its status line and five tabs, and starts every action.
// Dialogs reach the game through Game() and show what an action changed through Apply.
class TForm2 : public platform::Form {
public:
    TForm2(platform::Application& app, Program& program);

    // The game every window acts on.
    [[nodiscard]] game::Game& Game() { return game_; }
    [[nodiscard]] const game::Game& Game() const { return game_; }

    // Shows what an operation asks for: the rank boxes, the main window's captions and
    // gauges, the clock's interval, the messages one after another, the dialog to show or
    // close, and last the ending, which ends the program. Captions and sliders of a dialog
    // are left to that dialog, which applies them before handing the outcome on here.
    void Apply(const game::Outcome& outcome);

    // The label that shows a caption on the main window, or null when it lives elsewhere.
    [[nodiscard]] platform::TLabel* CaptionLabel(game::Caption caption) const;

    void FormShow() override;
    void FormActivate() override;
    void FormDeactivate() override;
    void FormClose(platform::CloseAction& action) override;

    // The sound cue player, never visible.
    sound::TMediaPlayer& Player1;
    // The game clock: one tick is one game hour; created stopped.
    platform::Timer& Timer1;
    // The twelve 96 x 96 pictures (goods, brigade, shop assistant) and the drunkard's portrait.
    controls::TspPngImageList& spPngImageList1;
    controls::TspPngImageList& spPngImageList2;

    // The status line.
    platform::TLabel& Label40;  // money
    platform::TLabel& Label44;  // day
    platform::TLabel& Label41;  // hour
    platform::TLabel& Label45;  // speed

    // One game hour.
    void Timer1Timer();

    // The controls that open the dialogs (defined in Unit2_dialogs.cpp): each plays the start
    // cue, then shows its dialog or says why it cannot.
    void spSkinButton3Click();  // "Выпить"
    void spSkinButton4Click();  // "Пожрать"
    void spSkinButton6Click();  // "Лечить"
    void Label10Click();        // "Искать пустые бутылки"
    void Label11Click();        // "Просить милостыню", shown modally
    void Label12Click();        // "Учиться у сенсея Сунь Хрен Вчай"
    void Label13Click();        // "Сдать бутылки"
    void Label5Click();         // "Соблазнить продавщицу Дуньку"

private:
    void BuildStatusLine();

    Program& program_;
    game::Game game_;
    std::map<game::Caption, platform::TLabel*> captions_;
};

}  // namespace ui
