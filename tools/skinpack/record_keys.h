#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gfx/geometry.h"
#include "skin/definition/key_exchange.h"

namespace skinpack {

// Collects the geometry keys of a record as its Exchange lists them, for printing and
// checking without knowing each record class.
class RecordKeys final : public skin::KeyExchange {
public:
    std::vector<std::pair<std::string, gfx::Rect>> rects;
    std::vector<std::pair<std::string, gfx::Point>> points;
    // Keys ending in "pictureindex".
    std::vector<std::pair<std::string, int>> pictureIndices;

    void Int(std::string_view key, int& value) override;
    void Color(std::string_view, gfx::Color&) override {}
    void Bool(std::string_view, bool&) override {}
    void Point(std::string_view key, gfx::Point& value) override { points.emplace_back(key, value); }
    void Rect(std::string_view key, gfx::Rect& value) override { rects.emplace_back(key, value); }
    void String(std::string_view, std::string&) override {}
    void FontStyle(std::string_view, std::uint8_t&) override {}
    void EnumValue(std::string_view, int&, const skin::EnumTexts&) override {}
    void List(std::string_view, std::vector<std::string>&) override {}
    void Lines(std::string_view, std::vector<std::string>&) override {}

    // The rectangle or point of a key, or the empty default when the record has none.
    [[nodiscard]] gfx::Rect RectOf(std::string_view key) const;
    // The picture index of a key, or -1.
    [[nodiscard]] int PictureIndexOf(std::string_view key) const;
};

// "left,top,right,bottom" and "x,y", the way the definition writes them.
[[nodiscard]] std::string FormatRect(const gfx::Rect& r);
[[nodiscard]] std::string FormatPoint(gfx::Point p);

}  // namespace skinpack
