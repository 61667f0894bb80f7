#include "png_builder.h"

#include <algorithm>
#include <array>

namespace codectest {
namespace {

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

}  // namespace

std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min<std::size_t>(data.size() - offset, 65535);
        const bool last = offset + length == data.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                   data.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < data.size());
    PutBig32(out, Adler32(data));
    return out;
}

PngBuilder::PngBuilder(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType, int interlace) {
    bytes_ = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBig32(header, width);
    PutBig32(header, height);
    header.push_back(static_cast<std::uint8_t>(bitDepth));
    header.push_back(static_cast<std::uint8_t>(colourType));
    header.push_back(0);
    header.push_back(0);
    header.push_back(static_cast<std::uint8_t>(interlace));
    Chunk("IHDR", header);
}

PngBuilder& PngBuilder::Chunk(const std::string& type, const std::vector<std::uint8_t>& payload) {
    PutBig32(bytes_, static_cast<std::uint32_t>(payload.size()));
    const std::size_t typeStart = bytes_.size();
    bytes_.insert(bytes_.end(), type.begin(), type.end());
    bytes_.insert(bytes_.end(), payload.begin(), payload.end());
    PutBig32(bytes_, Crc32(bytes_.data() + typeStart, bytes_.size() - typeStart));
    return *this;
}

PngBuilder& PngBuilder::ImageData(const std::vector<std::uint8_t>& scanlines) {
    return Chunk("IDAT", StoredZlib(scanlines));
}

std::vector<std::uint8_t> PngBuilder::Finish() {
    Chunk("IEND", {});
    return bytes_;
}

}  // namespace codectest
