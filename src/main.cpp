// Burdomir, while its skinned windows are being built: one plain window that runs the real
// game clock from the rules library, hour by hour, with the status line and the three body
// gauges, and ends with the game's own ending message.
#include <exception>
#include <iostream>
#include <map>
#include <memory>
#include <string_view>

#include "game/clock.h"
#include "game/game.h"
#include "game/texts.h"
#include "platform/application.h"
#include "platform/button.h"
#include "platform/clock.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/timer.h"
#include "sound/media_player.h"

namespace {

class ClockWindow : public platform::Form {
public:
    explicit ClockWindow(platform::Application& app)
        : Form(app),
          player_(Own<sound::TMediaPlayer>(*app.GetAudio(), this)),
          game_([] { return platform::Clock::SeedValue(); },
                [this](game::Cue cue) { player_.PlayCue(std::string(game::CueFile(cue))); }),
          timer_(Own<platform::Timer>(app, this)) {
        SetCaption("Burdomir");
        SetClientSize(360, 210);
        Position = platform::FormPosition::DesktopCenter;

        AddLabel(game::Caption::Money, 12, 10, game::MoneyText(game_.State.Money));
        AddLabel(game::Caption::Day, 150, 10, game::DayText(game_.State.Day));
        AddLabel(game::Caption::Hour, 250, 10, game::HourText(game_.State.Hour));
        AddGauge(game::Gauge::Drunkenness, "Опьянение", 44, game_.State.Drunkenness);
        AddGauge(game::Gauge::Satiety, "Сытость", 78, game_.State.Satiety);
        AddGauge(game::Gauge::Liver, "Печень", 112, game_.State.Liver);

        auto& goal = Make<platform::TLabel>();
        goal.SetBounds(12, 146, 336, 0);
        goal.SetCaption("Цель игры - допиться до белой горячки.");
        auto& exit = Make<platform::TButton>();
        exit.SetCaption("&Выход");
        exit.SetBounds(263, 174, 85, 25);
        exit.OnClick = [this](platform::TButton&) { App().Terminate(); };

        timer_.SetInterval(1000);
        timer_.OnTimer = [this](platform::Timer&) { Apply(game::Tick(game_)); };
    }

private:
    struct GaugeView {
        platform::TProgressBar* bar;
        platform::TLabel* value;
    };

    void AddLabel(game::Caption caption, int left, int top, const std::string& text) {
        auto& label = Make<platform::TLabel>();
        label.SetBounds(left, top, 0, 0);
        label.SetFont({"Arial", -16, gfx::fsBold, gfx::clBlack});
        label.SetCaption(text);
        labels_[caption] = &label;
    }

    void AddGauge(game::Gauge gauge, const char* name, int top, int value) {
        auto& title = Make<platform::TLabel>();
        title.SetBounds(12, top, 90, 0);
        title.SetCaption(name);
        auto& bar = Make<platform::TProgressBar>();
        bar.SetBounds(100, top, 180, 18);
        bar.SetPosition(value);
        auto& number = Make<platform::TLabel>();
        number.SetBounds(290, top, 60, 0);
        number.SetCaption(game::GaugeText(value));
        gauges_[gauge] = {&bar, &number};
    }

    void Apply(const game::Outcome& out) {
        for (const auto& c : out.captions)
            if (auto it = labels_.find(c.caption); it != labels_.end()) it->second->SetCaption(c.text);
        for (const auto& g : out.gauges) {
            gauges_[g.gauge].bar->SetPosition(g.position);
            gauges_[g.gauge].value->SetCaption(g.text);
        }
        if (out.tickIntervalMs) timer_.SetInterval(*out.tickIntervalMs);
        if (out.ending != game::Ending::None) timer_.SetEnabled(false);
        for (const auto& m : out.messages)
            platform::ShowMessageBox(App(), m.text, std::string(m.Title()),
                                     m.kind == game::MessageKind::Warning ? platform::MessageKind::Warning
                                                                          : platform::MessageKind::Information);
        if (out.ending != game::Ending::None) App().Terminate();
    }

    sound::TMediaPlayer& player_;
    game::Game game_;
    platform::Timer& timer_;
    std::map<game::Caption, platform::TLabel*> labels_;
    std::map<game::Gauge, GaugeView> gauges_;
};

constexpr std::string_view kUsage =
    "Usage: burdomir [--help] [--version]\n"
    "A life-simulation game: keep a down-and-out drunkard alive hour by hour.\n"
    "Needs a graphical display (X11); reads its sound cues from sound/ in the working folder.\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (option == "--version") {
            std::cout << "burdomir " << BURDOMIR_VERSION << "\n";
            return 0;
        }
        std::cerr << "burdomir: unknown option '" << option << "'\n" << kUsage;
        return 2;
    }
    try {
        platform::Application app(std::make_unique<platform::SdlBackend>());
        app.SetTitle("Burdomir");
        app.CreateForm<ClockWindow>();
        app.Run();
    } catch (const std::exception& e) {
        std::cerr << "burdomir: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
