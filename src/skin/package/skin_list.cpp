#include "skin/package/skin_list.h"

#include "skin/package/skin_package.h"
#include "skin/package/skn_file.h"

namespace skin {

void TspSkinListItem::ReadSkinStream(std::span<const std::uint8_t> stream) {
    try {
        Skin.SetData(ParseSkn(stream));
    } catch (const SkinVersionError&) {
        Skin.Clear();
    }
}

std::vector<std::uint8_t> TspSkinListItem::WriteSkinStream() const { return FormatSkn(Skin.Data()); }

TspSkinListItem& TspCompressedSkinList::Add() {
    skins_.push_back(std::make_unique<TspSkinListItem>(Count()));
    return *skins_.back();
}

}  // namespace skin
