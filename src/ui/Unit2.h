#pragma once

#include <array>
#include <map>
#include <vector>

#include "controls/buttons/check_radio_box.h"
#include "controls/buttons/skin_button.h"
#include "controls/containers/skin_page_control.h"
#include "controls/containers/skin_panel.h"
#include "controls/containers/skin_tab_sheet.h"
#include "controls/images/png_image_list.h"
#include "controls/images/png_image_view.h"
#include "controls/labels/skin_link_label.h"
#include "controls/ranges/skin_track_bar.h"
#include "controls/ranges/skin_up_down.h"
#include "game/catalogue.h"
#include "game/game.h"
#include "game/outcome.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/progress_bar.h"
#include "platform/timer.h"
#include "skin/frame/skin_form.h"
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

    // The skinned frame: minimise only, fixed size.
    skin::TspSkinForm& spSkinForm1;
    // Components without a place on screen.
    sound::TMediaPlayer& Player1;
    platform::Timer& Timer1;
    controls::TspPngImageList& spPngImageList1;  // twelve 96 x 96: goods, brigade, shop assistant
    controls::TspPngImageList& spPngImageList2;  // the drunkard's 128 x 146 portrait

    // Status line.
    platform::TLabel* Label40 = nullptr;  // money
    platform::TLabel* Label44 = nullptr;  // day
    platform::TLabel* Label41 = nullptr;  // hour
    platform::TLabel* Label45 = nullptr;  // speed
    controls::TspSkinUpDown* spSkinUpDown1 = nullptr;
    controls::TspSkinLinkLabel* spSkinLinkLabel1 = nullptr;

    // The five tabs, "Тушка" on top at the first show.
    controls::TspSkinPageControl* spSkinPageControl1 = nullptr;
    controls::TspSkinTabSheet *spSkinTabSheet1 = nullptr, *spSkinTabSheet2 = nullptr, *spSkinTabSheet3 = nullptr;
    controls::TspSkinTabSheet *spSkinTabSheet4 = nullptr, *spSkinTabSheet5 = nullptr;
    // The groups: grocery, pharmacy, market goods, market actions, brigade, street actions.
    controls::TspSkinGroupBox *spSkinGroupBox1 = nullptr, *spSkinGroupBox2 = nullptr, *spSkinGroupBox3 = nullptr;
    controls::TspSkinGroupBox *spSkinGroupBox4 = nullptr, *spSkinGroupBox5 = nullptr, *spSkinGroupBox6 = nullptr;

    // Tab "Ресурсы": the eleven stock lines.
    platform::TLabel *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr;
    platform::TLabel *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr;
    platform::TLabel *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr;

    // Tab "Тушка": the gauges, the dialog buttons, the stage and its explanation, the portrait.
    platform::TLabel *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr;
    platform::TProgressBar *ProgressBar1 = nullptr, *ProgressBar2 = nullptr, *ProgressBar3 = nullptr;
    platform::TLabel *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr;
    controls::TspSkinButton *spSkinButton3 = nullptr, *spSkinButton4 = nullptr, *spSkinButton6 = nullptr;
    platform::TLabel *Label24 = nullptr, *Label28 = nullptr, *Label42 = nullptr, *Label43 = nullptr;
    controls::TspPngImageView* spPngImageView5 = nullptr;

    // Tab "Город": the brigade's rank boxes and lines, the street actions and their hint.
    controls::TspSkinCheckRadioBox *spSkinCheckRadioBox11 = nullptr, *spSkinCheckRadioBox12 = nullptr;
    controls::TspSkinCheckRadioBox *spSkinCheckRadioBox13 = nullptr, *spSkinCheckRadioBox14 = nullptr;
    controls::TspSkinCheckRadioBox* spSkinCheckRadioBox15 = nullptr;
    platform::TLabel *Label15 = nullptr, *Label16 = nullptr, *Label20 = nullptr;
    controls::TspPngImageView* spPngImageView4 = nullptr;
    platform::TLabel *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr;
    platform::TLabel* Label14 = nullptr;

    // Tab "Рынок": the market counter, Dunka and Petrovich with their hint.
    platform::TLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;

    // The three counters: goods radio boxes, quantity, price and hint lines, picture, "Купить".
    controls::TspSkinCheckRadioBox *spSkinCheckRadioBox1 = nullptr, *spSkinCheckRadioBox2 = nullptr;
    controls::TspSkinCheckRadioBox *spSkinCheckRadioBox3 = nullptr, *spSkinCheckRadioBox4 = nullptr;
    controls::TspSkinCheckRadioBox *spSkinCheckRadioBox5 = nullptr, *spSkinCheckRadioBox6 = nullptr;
    controls::TspSkinCheckRadioBox *spSkinCheckRadioBox7 = nullptr, *spSkinCheckRadioBox8 = nullptr;
    controls::TspSkinCheckRadioBox *spSkinCheckRadioBox9 = nullptr, *spSkinCheckRadioBox10 = nullptr;
    platform::TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    platform::TLabel *Label8 = nullptr, *Label9 = nullptr;
    controls::TspSkinTrackBar *spSkinTrackBar1 = nullptr, *spSkinTrackBar2 = nullptr, *spSkinTrackBar3 = nullptr;
    platform::TLabel *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr;
    controls::TspPngImageView *spPngImageView1 = nullptr, *spPngImageView2 = nullptr, *spPngImageView3 = nullptr;
    controls::TspSkinButton *spSkinButton1 = nullptr, *spSkinButton2 = nullptr, *spSkinButton5 = nullptr;

    // One game hour.
    void Timer1Timer();
    // The speed up-down's buttons: one step faster or slower.
    void spSkinUpDown1UpButtonClick();
    void spSkinUpDown1DownButtonClick();
    // The tabs' refreshes, run each time the tab becomes the visible one.
    void spSkinTabSheet1Show();
    void spSkinTabSheet2Show();
    void spSkinTabSheet3Show();
    // The player switched tabs; runs after the new tab refreshed.
    void spSkinPageControl1Change();
    // The pointer entered the stage countdown: the explanation is replaced for good.
    void Label42MouseEnter();
    // The help link: a page that was not found, or a desktop that cannot open it, is said
    // in a warning rather than leaving the click without an answer.
    void spSkinLinkLabel1Click();
    bool OpenHelpPage(const std::string& url);

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
    // Hands the clicks of those controls to the handlers above.
    void ConnectDialogControls();

private:
    // The controls of one purchase counter.
    struct CounterView {
        std::vector<std::pair<game::Good, controls::TspSkinCheckRadioBox*>> goods;
        controls::TspSkinTrackBar* slider = nullptr;
        platform::TLabel* quantity = nullptr;
        platform::TLabel* price = nullptr;
        platform::TLabel* hint = nullptr;
        controls::TspPngImageView* picture = nullptr;
        controls::TspSkinButton* buy = nullptr;
    };
    struct GaugeView {
        platform::TProgressBar* bar = nullptr;
        platform::TLabel* value = nullptr;
    };

    void BuildStatusLine();
    void BuildPages();
    // Makes a captioned group box on a tab.
    controls::TspSkinGroupBox& AddGroup(platform::WinControl& sheet, gfx::Rect bounds, std::string caption);
    void BuildResourcesTab(platform::WinControl& sheet);
    void BuildBodyTab(platform::WinControl& sheet);
    void BuildBrigadeGroup(controls::TspSkinGroupBox& group);
    void BuildStreetGroup(controls::TspSkinGroupBox& group);
    void BuildMarketActionsGroup(controls::TspSkinGroupBox& group);
    void BuildGroceryCounter(controls::TspSkinGroupBox& group);
    void BuildPharmacyCounter(controls::TspSkinGroupBox& group);
    void BuildMarketCounter(controls::TspSkinGroupBox& group);

    // Makes a label on parent at the given place with its font and caption.
    platform::TLabel& AddLabel(platform::WinControl& parent, gfx::Rect bounds, const gfx::Font& font,
                               std::string caption);
    // Makes a skinned radio box on parent, drawn from the skin's "radiobox" section.
    controls::TspSkinCheckRadioBox& AddRadio(platform::WinControl& parent, gfx::Rect bounds, int group,
                                             std::string caption);
    // Makes a skinned push button on parent.
    controls::TspSkinButton& AddButton(platform::WinControl& parent, gfx::Rect bounds, std::string caption);
    // Makes a picture view of a list's picture, centred in its place.
    controls::TspPngImageView& AddPicture(platform::WinControl& parent, gfx::Rect bounds,
                                          controls::TspPngImageList& list, int index);
    // Adds a good's radio box to its counter and wires its selection and its hover hint.
    controls::TspSkinCheckRadioBox& AddGood(platform::WinControl& group, game::Good good, gfx::Rect bounds);
    // Where a counter's own lines sit in its group and which captions show them: the price line
    // and "Купить" share their left edge; the picture is shown until the pointer finds a good.
    struct CounterLayout {
        int priceLeft = 0;
        gfx::Rect hint;
        int picture = 0;
        game::Caption quantityCaption{};
        game::Caption priceCaption{};
    };
    // Makes a counter's quantity slider (1 to 10), quantity, price and hint lines, picture and
    // "Купить", wires them and its group's surface, and registers its caption labels.
    const CounterView& BuildCounterLines(controls::TspSkinGroupBox& group, game::Counter counter,
                                         const CounterLayout& layout);
    // Makes an underlined action label of a hint group: blue with its hint while the pointer
    // is on it.
    platform::TLabel& AddActionLabel(platform::WinControl& group, gfx::Point at, std::string caption,
                                     platform::TLabel& hintLabel, std::string_view hint);
    // The pointer reached a group's own surface: its hint empties and its action labels
    // return to the button-text colour.
    void ClearActionHints(platform::TLabel& hintLabel);

    Program& program_;
    game::Game game_;
    std::map<game::Caption, platform::TLabel*> captions_;
    std::map<game::Gauge, GaugeView> gauges_;
    std::map<int, controls::TspSkinCheckRadioBox*> rankBoxes_;
    std::array<CounterView, 3> counters_;
    std::map<platform::TLabel*, std::vector<platform::TLabel*>> actionGroups_;  // by hint label
};

}  // namespace ui
