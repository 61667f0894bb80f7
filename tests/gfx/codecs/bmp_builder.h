#pragma once

#include <cstdint>
#include <vector>

namespace codectest {

// Assembles BMP files with any of the info headers image editors write, so that tests can
// make each kind of header, depth and mask without an editor at hand.
struct BmpLayout {
    std::uint32_t infoSize = 124;
    std::int32_t width = 1;
    std::int32_t height = 1;  // negative: rows stored top-down
    std::uint16_t bits = 32;
    std::uint32_t compression = 0;
    // Red, green, blue and alpha masks: inside a long header, or after a 40-byte one when
    // compression is bit fields (three of them).
    std::uint32_t masks[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};
    std::vector<std::uint32_t> palette;           // 0x00RRGGBB entries
    std::vector<std::vector<std::uint8_t>> rows;  // in stored order, padded here
};

inline void PutLe(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout) {
    std::vector<std::uint8_t> file(14 + layout.infoSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutLe(file, 14, layout.infoSize, 4);
    PutLe(file, 18, static_cast<std::uint32_t>(layout.width), 4);
    PutLe(file, 22, static_cast<std::uint32_t>(layout.height), 4);
    PutLe(file, 26, 1, 2);
    PutLe(file, 28, layout.bits, 2);
    PutLe(file, 30, layout.compression, 4);
    PutLe(file, 46, static_cast<std::uint32_t>(layout.palette.size()), 4);
    const int maskCount = layout.infoSize > 40 ? 4 : (layout.compression == 3 ? 3 : 0);
    if (layout.infoSize == 40) file.resize(file.size() + 4 * static_cast<std::size_t>(maskCount), 0);
    for (int i = 0; i < maskCount; ++i) PutLe(file, 54 + 4 * static_cast<std::size_t>(i), layout.masks[i], 4);
    for (const std::uint32_t colour : layout.palette) {
        file.resize(file.size() + 4, 0);
        PutLe(file, file.size() - 4, colour, 4);
    }
    PutLe(file, 10, static_cast<std::uint32_t>(file.size()), 4);
    for (std::vector<std::uint8_t> row : layout.rows) {
        row.resize((row.size() + 3) / 4 * 4, 0);
        file.insert(file.end(), row.begin(), row.end());
    }
    PutLe(file, 2, static_cast<std::uint32_t>(file.size()), 4);
    return file;
}

}  // namespace codectest
