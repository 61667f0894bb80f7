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
      spSkinButton1(Make<controls::TspSkinButton>()),
      Label1(Make<platform::TLabel>()),
      program_(program) {
    SetCaption("Burdomir");
    Position = platform::FormPosition::DesktopCenter;
    SetClientSize(289, 119);

    spCompressedStoredSkin1.SetData(skin::DefaultSkinData());
    spSkinData1.SetCompressedStoredSkin(&spCompressedStoredSkin1);

    spSkinButton1.SetSkinData(&spSkinData1);
    spSkinButton1.SetSkinDataName("button");
    spSkinButton1.SetBounds(8, 80, 137, 25);
    spSkinButton1.SetCaption("Начать игру");
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };

    Label1.SetBounds(152, 80, 129, 33);
    Label1.SetAutoSize(false);
    Label1.SetWordWrap(true);
    Label1.SetTransparent(true);
    Label1.SetCaption("Цель игры - допиться до белой горячки.");
}

void TForm1::FormCreate() {}

void TForm1::spSkinButton1Click() {}

}  // namespace ui
