#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/images/png_image.h"
#include "platform/image_list.h"

namespace controls {

class TspPngImageList;

// One picture of a PNG image list and its name.
class TspPngImageItem {
public:
    // The item's own name; a new item is named "PngImage<index>".
    std::string Name;

    // The item's place in its list.
    [[nodiscard]] int Index() const { return index_; }
    [[nodiscard]] const TspPngImage& PngImage() const { return image_; }
    // Copies the picture in and tells the list's users that it changed.
    void SetPngImage(const TspPngImage& image);
    // Decodes a PNG stream into the item. A damaged stream raises gfx::ImageError naming the
    // item and leaves its picture as it was.
    void LoadFromStream(std::span<const std::uint8_t> stream);
    // Copies another item's picture and name.
    void Assign(const TspPngImageItem& other);
    // The name shown for the item: Name, or the item class's name when Name is empty.
    [[nodiscard]] std::string DisplayName() const;

private:
    friend class TspPngImageCollection;
    friend class TspPngImageList;
    TspPngImageItem(TspPngImageList& list, int index);

    TspPngImageList* list_;
    int index_;
    TspPngImage image_;
};

// The owned items of a PNG image list, in index order.
class TspPngImageCollection {
public:
    explicit TspPngImageCollection(TspPngImageList& list) : list_(list) {}

    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    // Unchecked: callers stay within 0..Count-1.
    [[nodiscard]] TspPngImageItem& operator[](int index) { return *items_[static_cast<std::size_t>(index)]; }
    [[nodiscard]] const TspPngImageItem& operator[](int index) const {
        return *items_[static_cast<std::size_t>(index)];
    }
    // Appends an empty item named after its index.
    TspPngImageItem& Add();
    // Removes the item at index (nothing outside the list); the later ones move up.
    void Delete(int index);
    // Removes every item.
    void Clear();

private:
    friend class TspPngImageList;
    void Renumber();

    TspPngImageList& list_;
    std::vector<std::unique_ptr<TspPngImageItem>> items_;
};

// One picture of a list as the program stores it: the item's name and its PNG stream.
struct StoredPngImage {
    std::string_view name;
    std::span<const std::uint8_t> stream;
};

// An image list of PNG pictures drawn with their alpha; a disabled picture is drawn at half
// opacity. Its users (image views) register a change link to repaint when it changes.
class TspPngImageList : public platform::ImageList {
public:
    explicit TspPngImageList(Component* owner = nullptr);

    // The pictures, in index order.
    [[nodiscard]] TspPngImageCollection& PngImages() { return images_; }
    [[nodiscard]] const TspPngImageCollection& PngImages() const { return images_; }

    // The size every picture is drawn at. Changing either one empties the list.
    [[nodiscard]] int PngWidth() const { return Width(); }
    void SetPngWidth(int width);
    [[nodiscard]] int PngHeight() const { return Height(); }
    void SetPngHeight(int height);

    // Replaces size and pictures with stored ones in one step. When a stream is damaged it
    // raises gfx::ImageError naming the list and the item, and the list stays as it was.
    void LoadStored(int width, int height, std::span<const StoredPngImage> images);

    [[nodiscard]] int Count() const override { return images_.Count(); }
    void Draw(gfx::Painter& painter, int index, int x, int y, bool enabled) const override;

    // Calls changed whenever pictures or size change; returns the key to remove it with.
    int AddChangeLink(std::function<void()> changed);
    void RemoveChangeLink(int key);

private:
    friend class TspPngImageItem;
    friend class TspPngImageCollection;
    void Changed();

    TspPngImageCollection images_;
    std::vector<std::pair<int, std::function<void()>>> links_;
    int nextLinkKey_ = 1;
};

}  // namespace controls
