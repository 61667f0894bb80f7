#pragma once

#include <array>
#include <memory>
#include <vector>

#include "controls/containers/skin_page_control.h"
#include "gallery_section.h"
#include "platform/form.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/skin_data.h"

namespace gallery {

// The gallery window: a notebook on our skin with a page per group of GalleryPages(), each page
// holding two columns, our skin on the left and the built-in look on the right, and a last page with
// a notebook laid out like the main window's.
class GalleryWindow : public platform::Form {
public:
    // The width of one column.
    static constexpr int kColumnWidth = 330;

    explicit GalleryWindow(platform::Application& app);

    // The gallery's own notebook, whose pages hold the sections and, last, the main-window-like notebook.
    [[nodiscard]] controls::TspSkinPageControl& Pages() const { return *pages_; }
    // How many pages hold sections; the main-window-like notebook's page follows them.
    [[nodiscard]] int SectionPageCount() const { return static_cast<int>(sectionPages_.size()); }
    // The skinned (left) or the plain (right) column of a section page.
    [[nodiscard]] platform::WinControl& Column(int page, bool skinned) const;
    // The controls of a section page's column that show a focused look.
    [[nodiscard]] const std::vector<platform::WinControl*>& FocusSamples(int page, bool skinned) const;

    // The main-window-like notebook on the last page, on our skin.
    [[nodiscard]] controls::TspSkinPageControl& Notebook() const { return *notebook_; }

    // Gives the focus to the first skinned sample of the shown page.
    void FormShow() override;

private:
    // The two columns of one section page and their focus samples, skinned first.
    struct SectionPage {
        std::array<platform::WinControl*, 2> columns{};
        std::array<std::vector<platform::WinControl*>, 2> focus;
    };

    int BuildColumn(platform::WinControl& column, const std::vector<GallerySection>& sections, skin::TspSkinData* skin,
                    skin::TspSkinData* morphSkin, std::vector<platform::WinControl*>& focus);
    void FitPages(int contentWidth, int contentHeight);

    skin::TspCompressedStoredSkin* stored_ = nullptr;
    skin::TspSkinData* skin_ = nullptr;
    skin::TspCompressedStoredSkin* morphStored_ = nullptr;
    skin::TspSkinData* morphSkin_ = nullptr;
    controls::TspSkinPageControl* pages_ = nullptr;
    std::vector<SectionPage> sectionPages_;
    controls::TspSkinPageControl* notebook_ = nullptr;
};

}  // namespace gallery
