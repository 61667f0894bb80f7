#include "record_keys.h"

namespace skinpack {

void RecordKeys::Int(std::string_view key, int& value) {
    if (key.ends_with("pictureindex")) pictureIndices.emplace_back(key, value);
}

gfx::Rect RecordKeys::RectOf(std::string_view key) const {
    for (const auto& [name, rect] : rects) {
        if (name == key) return rect;
    }
    return {};
}

int RecordKeys::PictureIndexOf(std::string_view key) const {
    for (const auto& [name, index] : pictureIndices) {
        if (name == key) return index;
    }
    return -1;
}

std::string FormatRect(const gfx::Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string FormatPoint(gfx::Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

}  // namespace skinpack
