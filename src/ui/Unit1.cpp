#include "ui/Unit1.h"

#include "game/game.h"
#include "game/start.h"
#include "platform/message_box.h"
#include "skin/package/default_skin.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace ui {

TForm1::TForm1(platform::Application& app, Program& program)
    : Form(app),
      spCompressedStoredSkin1(Own<skin::TspCompressedStoredSkin>(this)),
      spSkinData1(Own<skin::TspSkinData>(this)),
      spSkinForm1(Own<skin::TspSkinForm>(this)),
      spSkinLabel1(Make<controls::TspSkinLabel>()),
      spSkinEdit1(Make<controls::TspSkinEdit>()),
      spSkinButton1(Make<controls::TspSkinButton>()),
      Label1(Make<platform::TLabel>()),
      program_(program) {
    SetCaption("Burdomir");
    Position = platform::FormPosition::DesktopCenter;
    spCompressedStoredSkin1.SetData(skin::DefaultSkinData());
    spSkinData1.SetCompressedStoredSkin(&spCompressedStoredSkin1);
    spSkinForm1.SetBorderIcons(skin::biMinimize);
    spSkinForm1.Sizeable = false;
    spSkinForm1.ClientWidth = 289;
    spSkinForm1.ClientHeight = 119;
    spSkinForm1.SetSkinData(&spSkinData1);
    SetClientSize(289, 119);

    spSkinLabel1.SetSkinData(&spSkinData1);
    spSkinLabel1.SetBorderStyle(controls::TspBorderStyle::bvFrame);
    spSkinLabel1.SetAutoSize(true);
    spSkinLabel1.SetBounds(8, 16, spSkinLabel1.Width(), spSkinLabel1.Height());

    spSkinEdit1.SetSkinData(&spSkinData1);
    spSkinEdit1.UseSkinFont = false;
    spSkinEdit1.SetDefaultFont({"Arial", -16, 0, gfx::clBlack});
    spSkinEdit1.SetBounds(8, 48, 177, 22);

    spSkinButton1.SetSkinData(&spSkinData1);
    spSkinButton1.SetBounds(8, 80, 137, 25);
    spSkinButton1.SetCaption("Начать игру");
    spSkinButton1.SetDefault(true);
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };

    Label1.SetAutoSize(false);
    Label1.SetWordWrap(true);
    Label1.SetTransparent(true);
    Label1.SetBounds(152, 80, 129, 33);
    Label1.SetCaption("Цель игры - допиться до белой горячки.");

    SetActiveControl(&spSkinEdit1);
}

void TForm1::FormCreate() {
    // The main window, which holds the game's generator, is created after this one. Every
    // draw of the rules follows a re-seed from the clock, so a generator of its own, seeded
    // the same way, draws exactly the prompt the shared one would.
    game::Game seeded(program_.Clock(), {});
    spSkinLabel1.SetCaption(std::string(game::ChoosePrompt(seeded)));
}

void TForm1::spSkinButton1Click() {
    std::string typed = spSkinEdit1.Text();
    if (auto refusal = game::RefuseName(typed)) {
        platform::ShowMessageBox(App(), refusal->text, std::string(refusal->Title()), platform::MessageKind::Warning);
        return;
    }
    PlayerName = std::move(typed);
    Hide();
    program_.Form2().Show();
}

}  // namespace ui
