#pragma once

#include <memory>
#include <vector>

#include "controls/containers/skin_page_control.h"
#include "platform/form.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/skin_data.h"

namespace gallery {

// The gallery window: two columns, our skin on the left and the built-in look on the right, each
// with every section of GallerySections().
class GalleryWindow : public platform::Form {
public:
    // The width of one column.
    static constexpr int kColumnWidth = 330;

    explicit GalleryWindow(platform::Application& app);

    // The controls that show a focused look, for the skinned (left) or the plain (right) column.
    [[nodiscard]] const std::vector<platform::WinControl*>& FocusSamples(bool skinned) const {
        return skinned ? skinnedFocus_ : plainFocus_;
    }
    // The column's rectangle in the client area.
    [[nodiscard]] gfx::Rect ColumnRect(bool skinned) const;

    // The main-window-like notebook below the columns, on our skin.
    [[nodiscard]] controls::TspSkinPageControl& Notebook() const { return *notebook_; }

    void FormShow() override;

private:
    int BuildColumn(platform::WinControl& column, skin::TspSkinData* skin, skin::TspSkinData* morphSkin,
                    std::vector<platform::WinControl*>& focus);

    skin::TspCompressedStoredSkin* stored_ = nullptr;
    skin::TspSkinData* skin_ = nullptr;
    skin::TspCompressedStoredSkin* morphStored_ = nullptr;
    skin::TspSkinData* morphSkin_ = nullptr;
    platform::WinControl* skinnedColumn_ = nullptr;
    platform::WinControl* plainColumn_ = nullptr;
    std::vector<platform::WinControl*> skinnedFocus_;
    std::vector<platform::WinControl*> plainFocus_;
    controls::TspSkinPageControl* notebook_ = nullptr;
};

}  // namespace gallery
