#include "ui/Unit2.h"

#include <string>

#include "controls/images/game_pictures.h"
#include "game/clock.h"
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
      Player1(Own<sound::TMediaPlayer>(AudioOf(app), this)),
      Timer1(Own<platform::Timer>(app, this)),
      spPngImageList1(Own<controls::TspPngImageList>(this)),
      spPngImageList2(Own<controls::TspPngImageList>(this)),
      Label40(Make<platform::TLabel>()),
      Label44(Make<platform::TLabel>()),
      Label41(Make<platform::TLabel>()),
      Label45(Make<platform::TLabel>()),
      program_(program),
      game_(program.Clock(), [this](game::Cue cue) { Player1.PlayCue(std::string(game::CueFile(cue))); }) {
    Position = platform::FormPosition::DesktopCenter;
    SetClientSize(546, 460);
    Timer1.SetEnabled(false);
    Timer1.SetInterval(1000);
    Timer1.OnTimer = [this](platform::Timer&) { Timer1Timer(); };
    controls::LoadGamePictures(spPngImageList1);
    controls::LoadPortraitPicture(spPngImageList2);
    BuildStatusLine();
}

void TForm2::BuildStatusLine() {
    const gfx::Font bold{"Arial", -16, gfx::fsBold, gfx::clBlack};
    const struct {
        platform::TLabel& label;
        game::Caption caption;
        int left;
        int width;
        std::string text;
    } status[] = {
        {Label40, game::Caption::Money, 16, 137, game::MoneyText(game_.State.Money)},
        {Label44, game::Caption::Day, 152, 0, game::DayText(game_.State.Day)},
        {Label41, game::Caption::Hour, 240, 113, game::HourText(game_.State.Hour)},
        {Label45, game::Caption::Speed, 368, 0, game::SpeedText(game_.State.Speed)},
    };
    for (const auto& s : status) {
        s.label.SetFont(bold);
        s.label.SetTransparent(true);
        if (s.width > 0) {
            s.label.SetAutoSize(false);
            s.label.SetBounds(s.left, 376, s.width, 25);
        } else {
            s.label.SetBounds(s.left, 376, 0, 0);
        }
        s.label.SetCaption(s.text);
        captions_[s.caption] = &s.label;
    }
}

platform::TLabel* TForm2::CaptionLabel(game::Caption caption) const {
    auto it = captions_.find(caption);
    return it == captions_.end() ? nullptr : it->second;
}

void TForm2::Apply(const game::Outcome& outcome) {
    for (const auto& c : outcome.captions)
        if (platform::TLabel* label = CaptionLabel(c.caption)) label->SetCaption(c.text);
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

void TForm2::FormShow() { SetCaption("Burdomir - " + program_.Form1().PlayerName); }

void TForm2::FormActivate() {
    if (game_.Ended() == game::Ending::None) Timer1.SetEnabled(true);
}

void TForm2::FormDeactivate() { Timer1.SetEnabled(false); }

void TForm2::FormClose(platform::CloseAction& /*action*/) { App().Terminate(); }

void TForm2::Timer1Timer() { Apply(game::Tick(game_)); }

}  // namespace ui
