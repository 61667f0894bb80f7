#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace codectest {

// Assembles PNG files byte by byte (stored deflate blocks, real checksums), so that tests
// can make every colour type and every kind of damage without another encoder.
class PngBuilder {
public:
    // Starts a file with the signature and an IHDR chunk.
    PngBuilder(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType, int interlace = 0);

    // Appends a chunk of the given type with its length and CRC.
    PngBuilder& Chunk(const std::string& type, const std::vector<std::uint8_t>& payload);
    // Appends an IDAT holding the given filtered scanlines (each starting with its filter byte).
    PngBuilder& ImageData(const std::vector<std::uint8_t>& scanlines);
    // Appends IEND and returns the file.
    [[nodiscard]] std::vector<std::uint8_t> Finish();

private:
    std::vector<std::uint8_t> bytes_;
};

// The zlib stream of data in stored (uncompressed) blocks.
[[nodiscard]] std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& data);

}  // namespace codectest
