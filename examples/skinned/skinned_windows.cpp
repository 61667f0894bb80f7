#include "skinned_windows.h"

#include "skin/package/default_skin.h"

namespace skinned {

SkinnedWindow::SkinnedWindow(platform::Application& app, skin::TspSkinData* data, const char* caption, gfx::Rect bounds,
                             skin::TspBorderIcons icons, bool sizeable)
    : platform::Form(app) {
    SetCaption(caption);
    frame_ = &Own<skin::TspSkinForm>(this);
    frame_->Sizeable = sizeable;
    frame_->SetBorderIcons(icons);
    frame_->SetSkinData(data);
    SetBounds(bounds);
}

namespace {

// The skin lives on the principal window, which must exist before its frame can use it.
skin::TspSkinData* LoadSkin(platform::Form& owner) {
    auto& data = owner.Own<skin::TspSkinData>(&owner);
    data.LoadCompressedStream(skin::DefaultSkinData());
    return &data;
}

}  // namespace

MainWindow::MainWindow(platform::Application& app)
    : SkinnedWindow(app, nullptr, "Скины: главное окно", {40, 40, 440, 300}, skin::biMinimize, false) {
    frame_->SetSkinData(LoadSkin(*this));
}

void MainWindow::FormCreate() {
    skin::TspSkinData* data = frame_->SkinData();
    sizeable_ = &App().CreateForm<SkinnedWindow>(data, "Скины: размер", gfx::Rect{480, 40, 780, 240},
                                                 skin::biMinimize | skin::biMaximize, true);
    dialog_ =
        &App().CreateForm<SkinnedWindow>(data, "Скины: диалог", gfx::Rect{40, 380, 341, 538}, skin::biMinimize, false);
}

void MainWindow::FormShow() {
    sizeable_->Show();
    dialog_->Show();
}

}  // namespace skinned
