#include "gallery_skin_variant.h"

#include <stdexcept>
#include <string_view>

#include "skin/package/default_skin.h"
#include "skin/package/skin_package.h"

namespace gallery {

namespace {

void SetKey(std::string& text, const SkinKeyChange& change) {
    const std::size_t start = text.find("[" + change.Section + "]");
    const std::size_t at = start == std::string::npos ? start : text.find("\n" + change.Key + "=", start);
    const std::size_t next = text.find("\n[", start == std::string::npos ? 0 : start + 1);
    if (at == std::string::npos || at > next) {
        throw std::invalid_argument("no key " + change.Key + " in [" + change.Section + "]");
    }
    const std::size_t end = text.find_first_of("\r\n", at + 1);
    text.replace(at + 1, end - at - 1, change.Key + "=" + change.Value);
}

}  // namespace

std::vector<std::uint8_t> DefaultSkinWith(const std::vector<SkinKeyChange>& changes) {
    const skin::SkinBytes package = skin::InflateSkin(skin::DefaultSkinData());
    std::string_view definition;
    (void)skin::ReadSkinBitmaps(package, definition);
    const auto bitmaps = definition.data() - reinterpret_cast<const char*>(package.data());
    std::string text(definition);
    for (const SkinKeyChange& change : changes) SetKey(text, change);
    std::vector<std::uint8_t> changed(package.begin(), package.begin() + bitmaps);
    changed.insert(changed.end(), text.begin(), text.end());
    return skin::DeflateSkin(changed);
}

}  // namespace gallery
