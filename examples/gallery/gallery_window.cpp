#include "gallery_window.h"

#include <algorithm>
#include <string>

#include "controls/containers/skin_tab_sheet.h"
#include "controls/images/game_pictures.h"
#include "gallery_skin_variant.h"
#include "platform/label.h"
#include "sections/sections.h"
#include "skin/package/default_skin.h"

namespace gallery {

namespace {

constexpr int kMargin = 8;
constexpr int kHeadingHeight = 20;
constexpr int kSkinned = 0;
constexpr int kPlain = 1;

// A column: a plain windowed container the sections fill.
class ColumnPanel : public platform::WinControl {};

platform::TLabel& Heading(platform::WinControl& parent, int top, const std::string& text, bool large) {
    auto& label = parent.Make<platform::TLabel>();
    label.SetFont({"Arial", large ? 16 : 14, large ? std::uint8_t(gfx::fsBold) : std::uint8_t(0), 0x00603010});
    label.SetTransparent(true);
    label.SetBounds(kMargin, top, GalleryWindow::kColumnWidth - 2 * kMargin, kHeadingHeight);
    label.SetCaption(text);
    return label;
}

}  // namespace

GalleryWindow::GalleryWindow(platform::Application& app) : platform::Form(app) {
    SetCaption("Burdomir: галерея элементов");
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Single;
    stored_ = &Own<skin::TspCompressedStoredSkin>();
    skin_ = &Own<skin::TspSkinData>(this);
    stored_->SetData(skin::DefaultSkinData());
    skin_->SetCompressedStoredSkin(stored_);
    morphStored_ = &Own<skin::TspCompressedStoredSkin>();
    morphSkin_ = &Own<skin::TspSkinData>();
    morphStored_->SetData(DefaultSkinWith({{"button", "morphing", "1"}, {"checkbox", "morphing", "1"}}));
    morphSkin_->SetCompressedStoredSkin(morphStored_);

    pages_ = &Make<controls::TspSkinPageControl>();
    pages_->SetSkinData(skin_);
    int height = 0;
    for (const GalleryPage& page : GalleryPages()) {
        auto& sheet = pages_->NewPage<controls::TspSkinTabSheet>(page.Title);
        SectionPage& built = sectionPages_.emplace_back();
        built.columns[kSkinned] = &sheet.Make<ColumnPanel>();
        built.columns[kPlain] = &sheet.Make<ColumnPanel>();
        built.columns[kPlain]->Color = 0x00E8E8E8;
        const int columnHeight =
            std::max(BuildColumn(*built.columns[kSkinned], page.Sections, skin_, morphSkin_, built.focus[kSkinned]),
                     BuildColumn(*built.columns[kPlain], page.Sections, nullptr, nullptr, built.focus[kPlain]));
        height = std::max(height, columnHeight);
    }

    auto& pictures = Own<controls::TspPngImageList>();
    controls::LoadGamePictures(pictures);
    auto& portrait = Own<controls::TspPngImageList>();
    controls::LoadPortraitPicture(portrait);
    auto& mainLike = pages_->NewPage<controls::TspSkinTabSheet>("Как в главном окне");
    notebook_ = &BuildNotebook(mainLike, skin_, pictures, portrait, {kMargin, kMargin});
    height = std::max(height, notebook_->Height() + 2 * kMargin);
    // Every column runs the full height of the page, so the two looks stay side by side to the bottom.
    for (SectionPage& page : sectionPages_) {
        page.columns[kSkinned]->SetBounds(0, 0, kColumnWidth, height);
        page.columns[kPlain]->SetBounds(kColumnWidth, 0, kColumnWidth, height);
    }

    FitPages(2 * kColumnWidth, height);
    SetClientSize(pages_->Width() + 2 * kMargin, pages_->Height() + 2 * kMargin);
}

int GalleryWindow::BuildColumn(platform::WinControl& column, const std::vector<GallerySection>& sections,
                               skin::TspSkinData* skin, skin::TspSkinData* morphSkin,
                               std::vector<platform::WinControl*>& focus) {
    column.SetBounds(0, 0, kColumnWidth, 2000);
    Heading(column, kMargin, skin ? "Наша обложка" : "Без обложки", true);
    int top = kMargin + kHeadingHeight + 6;
    for (const GallerySection& section : sections) {
        Heading(column, top, section.Title, false);
        top += kHeadingHeight;
        SectionContext ctx{column, skin, morphSkin, top, kColumnWidth - 2 * kMargin, &focus};
        top += section.Build(ctx) + 10;
    }
    return top;
}

// The page area is what the skin's tab strip and frame leave of the control, so the control is
// sized once to learn those margins and then to hold the content exactly.
void GalleryWindow::FitPages(int contentWidth, int contentHeight) {
    pages_->SetBounds(kMargin, kMargin, contentWidth, contentHeight);
    const gfx::Rect area = pages_->DisplayRect();
    pages_->SetBounds(kMargin, kMargin, 2 * contentWidth - area.width(), 2 * contentHeight - area.height());
}

platform::WinControl& GalleryWindow::Column(int page, bool skinned) const {
    return *sectionPages_.at(page).columns[skinned ? kSkinned : kPlain];
}

const std::vector<platform::WinControl*>& GalleryWindow::FocusSamples(int page, bool skinned) const {
    return sectionPages_.at(page).focus[skinned ? kSkinned : kPlain];
}

void GalleryWindow::FormShow() {
    const int page = pages_->ActivePageIndex();
    if (page < 0 || page >= SectionPageCount()) return;
    const auto& samples = FocusSamples(page, true);
    if (!samples.empty()) samples.front()->SetFocus();
}

}  // namespace gallery
