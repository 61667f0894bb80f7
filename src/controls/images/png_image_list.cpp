#include "controls/images/png_image_list.h"

#include <utility>

#include "gfx/bmp.h"

namespace controls {
namespace {

// Names the list (when it has a name), the index and the item in a decoding error.
gfx::ImageError DamagedPicture(const std::string& list, int index, const std::string& item, const char* why) {
    const std::string where = list.empty() ? "PNG image list" : "PNG image list '" + list + "'";
    return gfx::ImageError(where + ": the picture " + std::to_string(index) + " '" + item + "' cannot be read: " + why);
}

}  // namespace

TspPngImageItem::TspPngImageItem(TspPngImageList& list, int index)
    : Name("PngImage" + std::to_string(index)), list_(&list), index_(index) {}

void TspPngImageItem::SetPngImage(const TspPngImage& image) {
    image_ = image;
    list_->Changed();
}

void TspPngImageItem::LoadFromStream(std::span<const std::uint8_t> stream) {
    TspPngImage image;
    try {
        image.LoadFromStream(stream);
    } catch (const gfx::ImageError& e) {
        throw DamagedPicture(list_->Name, index_, DisplayName(), e.what());
    }
    image_ = std::move(image);
    list_->Changed();
}

void TspPngImageItem::Assign(const TspPngImageItem& other) {
    Name = other.Name;
    SetPngImage(other.image_);
}

std::string TspPngImageItem::DisplayName() const { return Name.empty() ? "TspPngImageItem" : Name; }

TspPngImageItem& TspPngImageCollection::Add() {
    items_.push_back(std::unique_ptr<TspPngImageItem>(new TspPngImageItem(list_, Count())));
    list_.Changed();
    return *items_.back();
}

void TspPngImageCollection::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    Renumber();
    list_.Changed();
}

void TspPngImageCollection::Clear() {
    if (items_.empty()) return;
    items_.clear();
    list_.Changed();
}

void TspPngImageCollection::Renumber() {
    for (int i = 0; i < Count(); ++i) items_[static_cast<std::size_t>(i)]->index_ = i;
}

TspPngImageList::TspPngImageList(Component* owner) : ImageList(owner), images_(*this) {}

void TspPngImageList::SetPngWidth(int width) {
    if (width == Width()) return;
    SetImageSize(width, Height());
    images_.items_.clear();
    Changed();
}

void TspPngImageList::SetPngHeight(int height) {
    if (height == Height()) return;
    SetImageSize(Width(), height);
    images_.items_.clear();
    Changed();
}

void TspPngImageList::LoadStored(int width, int height, std::span<const StoredPngImage> images) {
    // Everything is decoded into a new collection first, so a damaged stream leaves the list
    // exactly as it was.
    TspPngImageCollection loaded(*this);
    for (const StoredPngImage& stored : images) {
        auto item = std::unique_ptr<TspPngImageItem>(new TspPngImageItem(*this, loaded.Count()));
        item->Name = std::string(stored.name);
        try {
            item->image_.LoadFromStream(stored.stream);
        } catch (const gfx::ImageError& e) {
            throw gfx::ImageError("PNG image list '" + Name + "': the picture " + std::to_string(item->Index()) + " '" +
                                  item->DisplayName() + "' cannot be read: " + e.what());
        }
        loaded.items_.push_back(std::move(item));
    }
    SetImageSize(width, height);
    images_.items_ = std::move(loaded.items_);
    Changed();
}

void TspPngImageList::Draw(gfx::Painter& painter, int index, int x, int y, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    images_[index].PngImage().Draw(painter, gfx::Rect::from_size(x, y, Width(), Height()), enabled);
}

int TspPngImageList::AddChangeLink(std::function<void()> changed) {
    links_.emplace_back(nextLinkKey_, std::move(changed));
    return nextLinkKey_++;
}

void TspPngImageList::RemoveChangeLink(int key) {
    std::erase_if(links_, [key](const auto& link) { return link.first == key; });
}

void TspPngImageList::Changed() {
    // A link may remove itself or others while being told, so the links are walked as copied.
    const auto links = links_;
    for (const auto& link : links) link.second();
}

}  // namespace controls
