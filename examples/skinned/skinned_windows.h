#pragma once

#include "platform/application.h"
#include "skin/frame/skin_form.h"
#include "skin/skin_data.h"

namespace skinned {

// A window with a skinned frame drawn from the given skin.
class SkinnedWindow : public platform::Form {
public:
    SkinnedWindow(platform::Application& app, skin::TspSkinData* data, const char* caption, gfx::Rect bounds,
                  skin::TspBorderIcons icons, bool sizeable);

    skin::TspSkinForm& Frame() { return *frame_; }

protected:
    skin::TspSkinForm* frame_ = nullptr;
};

// The principal window: it owns the skin and shows the other two windows with itself.
class MainWindow : public SkinnedWindow {
public:
    explicit MainWindow(platform::Application& app);

    void FormCreate() override;
    void FormShow() override;

private:
    platform::Form* sizeable_ = nullptr;
    platform::Form* dialog_ = nullptr;
};

}  // namespace skinned
