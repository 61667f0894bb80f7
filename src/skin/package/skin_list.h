#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/component.h"
#include "skin/package/compressed_stored_skin.h"

namespace skin {

// One skin of a skin list: its names and the stored skin it owns.
class TspSkinListItem {
public:
    explicit TspSkinListItem(int index) : Name("spSkin" + std::to_string(index)) {}

    std::string Name;
    std::string Description;
    std::string FileName;
    std::string CompressedFileName;
    TspCompressedStoredSkin Skin;

    // Fills the stored skin from the item's streamed form, a compressed skin file image.
    // A version above the newest package layout leaves the item empty; a truncated image
    // throws SkinPackageError and changes nothing.
    void ReadSkinStream(std::span<const std::uint8_t> stream);
    // The item's streamed form: version 2, the length, the compressed stream.
    [[nodiscard]] std::vector<std::uint8_t> WriteSkinStream() const;
};

// An ordered list of stored skins for a skin data component to choose from by index.
class TspCompressedSkinList : public platform::Component {
public:
    explicit TspCompressedSkinList(platform::Component* owner = nullptr) : platform::Component(owner) {}

    // Appends an item named after its position.
    TspSkinListItem& Add();
    // The number of items.
    [[nodiscard]] int Count() const { return static_cast<int>(skins_.size()); }
    // The item at index; callers check the index against Count().
    [[nodiscard]] TspSkinListItem& Item(int index) { return *skins_.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] const TspSkinListItem& Item(int index) const { return *skins_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::unique_ptr<TspSkinListItem>> skins_;
};

}  // namespace skin
