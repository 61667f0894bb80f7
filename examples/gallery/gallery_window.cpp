#include "gallery_window.h"

#include <string>

#include "controls/images/game_pictures.h"
#include "gallery_section.h"
#include "gallery_skin_variant.h"
#include "platform/label.h"
#include "sections/sections.h"
#include "skin/package/default_skin.h"

namespace gallery {

namespace {

constexpr int kMargin = 8;
constexpr int kHeadingHeight = 20;

// A column: a plain windowed container the sections fill.
class Column : public platform::WinControl {};

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

    skinnedColumn_ = &Make<Column>();
    plainColumn_ = &Make<Column>();
    plainColumn_->Color = 0x00E8E8E8;
    const int height = std::max(BuildColumn(*skinnedColumn_, skin_, morphSkin_, skinnedFocus_),
                                BuildColumn(*plainColumn_, nullptr, nullptr, plainFocus_));
    skinnedColumn_->SetBounds(0, 0, kColumnWidth, height);
    plainColumn_->SetBounds(kColumnWidth, 0, kColumnWidth, height);
    auto& pictures = Own<controls::TspPngImageList>();
    controls::LoadGamePictures(pictures);
    auto& portrait = Own<controls::TspPngImageList>();
    controls::LoadPortraitPicture(portrait);
    Heading(*this, height, "Как в главном окне", true);
    const int notebookTop = height + kHeadingHeight + 4;
    notebook_ = &BuildNotebook(*this, skin_, pictures, portrait, {kMargin, notebookTop});
    SetClientSize(2 * kColumnWidth, notebookTop + notebook_->Height() + kMargin);
}

int GalleryWindow::BuildColumn(platform::WinControl& column, skin::TspSkinData* skin, skin::TspSkinData* morphSkin,
                               std::vector<platform::WinControl*>& focus) {
    column.SetBounds(0, 0, kColumnWidth, 2000);
    Heading(column, kMargin, skin ? "Наша обложка" : "Без обложки", true);
    int top = kMargin + kHeadingHeight + 6;
    for (const GallerySection& section : GallerySections()) {
        Heading(column, top, section.Title, false);
        top += kHeadingHeight;
        SectionContext ctx{column, skin, morphSkin, top, kColumnWidth - 2 * kMargin, &focus};
        top += section.Build(ctx) + 10;
    }
    return top;
}

gfx::Rect GalleryWindow::ColumnRect(bool skinned) const {
    return (skinned ? skinnedColumn_ : plainColumn_)->BoundsRect();
}

void GalleryWindow::FormShow() {
    if (!skinnedFocus_.empty()) skinnedFocus_.front()->SetFocus();
}

}  // namespace gallery
