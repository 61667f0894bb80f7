#include "ui/Unit2.h"

#include <stdexcept>
#include <string>

#include "controls/images/game_pictures.h"
#include "game/clock.h"
#include "game/tabs.h"
#include "game/texts.h"
#include "platform/message_box.h"
#include "ui/Unit1.h"
#include "ui/program.h"

namespace ui {

namespace {

platform::Audio& AudioOf(platform::Application& app) {
    platform::Audio* audio = app.GetAudio();
    if (!audio) throw std::runtime_error("the window system offers no sound output");
    return *audio;
}

platform::MessageKind KindOf(game::MessageKind kind) {
    return kind == game::MessageKind::Warning ? platform::MessageKind::Warning : platform::MessageKind::Information;
}

}  // namespace

TForm2::TForm2(platform::Application& app, Program& program)
    : Form(app),
      spSkinForm1(Own<skin::TspSkinForm>(this)),
      Player1(Own<sound::TMediaPlayer>(AudioOf(app), this)),
      Timer1(Own<platform::Timer>(app, this)),
      spPngImageList1(Own<controls::TspPngImageList>(this)),
      spPngImageList2(Own<controls::TspPngImageList>(this)),
      program_(program),
      game_(program.Clock(), [this](game::Cue cue) { Player1.PlayCue(std::string(game::CueFile(cue))); }) {
    Position = platform::FormPosition::DesktopCenter;
    spSkinForm1.SetBorderIcons(skin::biMinimize);
    spSkinForm1.Sizeable = false;
    spSkinForm1.ClientWidth = 546;
    spSkinForm1.ClientHeight = 460;
    spSkinForm1.SetSkinData(&program.Form1().spSkinData1);
    SetClientSize(546, 460);
    Timer1.SetEnabled(false);
    Timer1.SetInterval(1000);
    Timer1.OnTimer = [this](platform::Timer&) { Timer1Timer(); };
    controls::LoadGamePictures(spPngImageList1);
    controls::LoadPortraitPicture(spPngImageList2);
    BuildPages();
    ConnectDialogControls();
    BuildStatusLine();
}

platform::TLabel* TForm2::CaptionLabel(game::Caption caption) const {
    auto it = captions_.find(caption);
    return it == captions_.end() ? nullptr : it->second;
}

void TForm2::Apply(const game::Outcome& outcome) {
    for (const auto& box : outcome.rankBoxes)
        if (auto it = rankBoxes_.find(box.rank); it != rankBoxes_.end()) it->second->SetEnabled(box.enabled);
    for (const auto& c : outcome.captions)
        if (platform::TLabel* label = CaptionLabel(c.caption)) label->SetCaption(c.text);
    for (const auto& g : outcome.gauges) {
        if (auto it = gauges_.find(g.gauge); it != gauges_.end()) {
            it->second.bar->SetPosition(g.position);
            it->second.value->SetCaption(g.text);
        }
    }
    if (outcome.tickIntervalMs) Timer1.SetInterval(*outcome.tickIntervalMs);
    if (outcome.ending != game::Ending::None) Timer1.SetEnabled(false);
    for (const auto& m : outcome.messages)
        platform::ShowMessageBox(App(), m.text, std::string(m.Title()), KindOf(m.kind));
    if (platform::Form* shown = program_.DialogWindow(outcome.show)) {
        if (outcome.show == game::Dialog::Begging)
            shown->ShowModal();
        else
            shown->Show();
    }
    if (platform::Form* closed = program_.DialogWindow(outcome.close)) closed->Hide();
    if (outcome.ending != game::Ending::None) App().Terminate();
}

void TForm2::FormShow() {
    SetCaption(game::MainWindowTitle(program_.Form1().PlayerName));
    // The tab on top counts as shown when the window itself is shown.
    controls::TTabSheet* top = spSkinPageControl1->ActivePage();
    if (top && top->OnShow) top->OnShow(*top);
}

// The clock runs only while this window is the active one among the program's windows, so
// every dialog and message box pauses it, and it resumes with a full interval.
void TForm2::FormActivate() {
    if (game_.Ended() == game::Ending::None) Timer1.SetEnabled(true);
}

void TForm2::FormDeactivate() { Timer1.SetEnabled(false); }

void TForm2::FormClose(platform::CloseAction& /*action*/) { App().Terminate(); }

void TForm2::Timer1Timer() { Apply(game::Tick(game_)); }

void TForm2::spSkinUpDown1UpButtonClick() { Apply(game::SpeedUp(game_)); }

void TForm2::spSkinUpDown1DownButtonClick() { Apply(game::SpeedDown(game_)); }

void TForm2::spSkinTabSheet1Show() { Apply(game::ShowResourcesTab(game_)); }

void TForm2::spSkinTabSheet2Show() { Apply(game::ShowBodyTab(game_)); }

void TForm2::spSkinTabSheet3Show() { Apply(game::ShowCityTab(game_)); }

void TForm2::spSkinPageControl1Change() { game::TabSwitched(game_); }

}  // namespace ui
