#include "gfx/bmp.h"

#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace gfx {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
// Where the bit-field masks start: right after the 40-byte fields, inside a longer header
// or following a 40-byte one.
constexpr std::size_t kMasksAt = kHeadersSize;
constexpr std::uint32_t kBitFields = 3;

[[noreturn]] void Fail(const std::string& what) { throw ImageError("BMP: " + what); }

// Little-endian fields of a header whose bounds the caller has already checked.
std::uint32_t U16At(std::span<const std::uint8_t> d, std::size_t at) { return d[at] | (std::uint32_t{d[at + 1]} << 8); }
std::uint32_t U32At(std::span<const std::uint8_t> d, std::size_t at) { return U16At(d, at) | (U16At(d, at + 2) << 16); }
std::int32_t I32At(std::span<const std::uint8_t> d, std::size_t at) { return static_cast<std::int32_t>(U32At(d, at)); }

// Bytes in one stored row: rows are padded to a multiple of four bytes.
std::uint64_t RowStride(std::uint64_t width, std::uint64_t bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

std::string CompressionName(std::uint32_t compression) {
    switch (compression) {
        case 1:
            return "RLE8 compression";
        case 2:
            return "RLE4 compression";
        case kBitFields:
            return "bit-field masks";
        case 4:
            return "embedded JPEG";
        case 5:
            return "embedded PNG";
        default:
            return "compression method " + std::to_string(compression);
    }
}

// The information headers read: the classic 40-byte one and the 108- and 124-byte ones
// that image editors write (they add masks, colour space and profile fields, all of which
// but the masks are ignored). The others are named so that the error tells which it was.
void CheckInfoHeaderSize(std::uint32_t size) {
    if (size == kInfoHeaderSize || size == 108 || size == 124) return;
    std::string kind;
    if (size == 12) kind = " OS/2";
    if (size == 16 || size == 64) kind = " OS/2 2.x";
    if (size == 52 || size == 56) kind = " Adobe";
    Fail("a " + std::to_string(size) + "-byte" + kind +
         " info header is not supported; only 40-, 108- and 124-byte ones are read");
}

// One colour channel of a 32-bit pixel: the mask's bits, shifted down and scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;  // the mask's value shifted down: 2^bits - 1

    [[nodiscard]] int From(std::uint32_t word) const {
        if (!mask) return 255;
        const std::uint32_t v = (word & mask) >> shift;
        return max == 255 ? static_cast<int>(v) : static_cast<int>((std::uint64_t{v} * 255 + max / 2) / max);
    }
};

Channel MakeChannel(std::uint32_t mask, const char* name) {
    Channel c;
    if (!mask) return c;
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.max = mask >> c.shift;
    if ((c.max & (c.max + 1)) != 0) {
        Fail(std::string("the ") + name + " mask " + std::to_string(mask) + " is not one run of bits");
    }
    return c;
}

// How 32-bit pixels are split into channels.
struct PixelMasks {
    Channel red, green, blue, alpha;
};

// The header fields that describe how the pixel rows are stored.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t paletteAt = 0;
    std::uint32_t paletteSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint64_t stride = 0;
    PixelMasks masks;
};

// The masks of a 32-bit image: the fixed B, G, R, unused bytes when uncompressed, the
// stored ones with bit fields (an alpha mask only where the header is long enough to hold
// one).
PixelMasks ReadMasks(std::span<const std::uint8_t> file, std::uint32_t infoSize, std::uint32_t compression) {
    PixelMasks masks;
    if (compression != kBitFields) {
        masks.red = MakeChannel(0x00FF0000u, "red");
        masks.green = MakeChannel(0x0000FF00u, "green");
        masks.blue = MakeChannel(0x000000FFu, "blue");
        return masks;
    }
    masks.red = MakeChannel(U32At(file, kMasksAt), "red");
    masks.green = MakeChannel(U32At(file, kMasksAt + 4), "green");
    masks.blue = MakeChannel(U32At(file, kMasksAt + 8), "blue");
    if (infoSize > kInfoHeaderSize) masks.alpha = MakeChannel(U32At(file, kMasksAt + 12), "alpha");
    if (!masks.red.mask || !masks.green.mask || !masks.blue.mask) Fail("a colour mask is empty");
    const std::uint32_t all[] = {masks.red.mask, masks.green.mask, masks.blue.mask, masks.alpha.mask};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 4; ++j)
            if (all[i] & all[j]) Fail("the colour masks overlap");
    return masks;
}

BmpLayout ReadLayout(std::span<const std::uint8_t> file, std::uint32_t infoSize, std::size_t available) {
    BmpLayout layout;
    const std::int32_t width = I32At(file, 18);
    const std::int32_t height = I32At(file, 22);
    const std::uint32_t planes = U16At(file, 26);
    const std::uint32_t bits = U16At(file, 28);
    const std::uint32_t compression = U32At(file, 30);
    const std::uint32_t coloursUsed = U32At(file, 46);
    layout.pixelOffset = U32At(file, 10);

    if (planes != 1) Fail("the image has " + std::to_string(planes) + " colour planes instead of 1");
    if (bits != 1 && bits != 8 && bits != 24 && bits != 32) {
        Fail(std::to_string(bits) + " bits per pixel are not supported (only 1, 8, 24 and 32)");
    }
    if (compression != 0 && !(compression == kBitFields && bits == 32)) {
        Fail(CompressionName(compression) + " is not supported with " + std::to_string(bits) +
             " bits per pixel; only uncompressed images and 32-bit ones with bit-field masks are read");
    }
    if (width < 0) Fail("the width " + std::to_string(width) + " is negative");
    const std::int64_t rows = std::llabs(std::int64_t{height});
    if (width == 0 || rows == 0) {
        Fail("the size " + std::to_string(width) + " x " + std::to_string(height) + " has no pixels");
    }
    if (width > kMaxImageSide || rows > kMaxImageSide || std::int64_t{width} * rows > kMaxImagePixels) {
        Fail("the image is " + std::to_string(width) + " x " + std::to_string(rows) + " pixels, larger than the " +
             std::to_string(kMaxImageSide) + " pixels a side and " + std::to_string(kMaxImagePixels) +
             " pixels in all this program accepts");
    }
    layout.width = width;
    layout.height = static_cast<int>(rows);
    layout.topDown = height < 0;
    layout.bitsPerPixel = static_cast<int>(bits);
    layout.stride = RowStride(static_cast<std::uint64_t>(width), bits);

    std::uint64_t tableEnd = kFileHeaderSize + infoSize;
    // A 40-byte header keeps its three masks after itself; a longer one holds them.
    if (compression == kBitFields && infoSize == kInfoHeaderSize) tableEnd += 12;
    if (tableEnd > file.size()) {
        Fail("the headers end at byte " + std::to_string(tableEnd) + ", past the " + std::to_string(file.size()) +
             " bytes of the file");
    }
    if (bits == 32) layout.masks = ReadMasks(file, infoSize, compression);
    layout.paletteAt = static_cast<std::uint32_t>(tableEnd);
    if (bits <= 8) {
        const std::uint32_t maxColours = 1u << bits;
        if (coloursUsed > maxColours) {
            Fail("the colour table claims " + std::to_string(coloursUsed) + " colours, more than the " +
                 std::to_string(maxColours) + (bits == 8 ? " an " : " a ") + std::to_string(bits) +
                 "-bit image can use");
        }
        layout.paletteSize = coloursUsed ? coloursUsed : maxColours;
        tableEnd += std::uint64_t{layout.paletteSize} * 4;
    }
    if (layout.pixelOffset < tableEnd) {
        Fail("the pixel rows start at offset " + std::to_string(layout.pixelOffset) +
             ", inside the headers and colour table that end at " + std::to_string(tableEnd));
    }
    const std::uint64_t pixelBytes = layout.stride * static_cast<std::uint64_t>(rows);
    if (layout.pixelOffset > file.size() || pixelBytes > file.size() - layout.pixelOffset) {
        const std::string need = "the pixel rows need " + std::to_string(pixelBytes) + " bytes from offset " +
                                 std::to_string(layout.pixelOffset);
        if (available == file.size())
            Fail(need + " but the file is only " + std::to_string(file.size()) + " bytes long");
        // More bytes follow than the size field admits: the field is wrong, not (only) the data short.
        Fail(need + " but the file header's size field is too small: it gives " + std::to_string(file.size()) +
             " bytes, and " + std::to_string(available) + " are there");
    }
    return layout;
}

// Colours of an indexed image; indices beyond the stored table give black, as the table
// is filled up to its full size.
std::array<Pixel, 256> ReadPalette(std::span<const std::uint8_t> file, const BmpLayout& layout) {
    std::array<Pixel, 256> palette;
    palette.fill(MakePixel(0, 0, 0));
    for (std::uint32_t i = 0; i < layout.paletteSize; ++i) {
        const std::size_t at = layout.paletteAt + std::size_t{i} * 4;
        palette[i] = MakePixel(file[at + 2], file[at + 1], file[at]);
    }
    return palette;
}

// Four bytes in host order, from any alignment.
std::uint32_t LoadWord(const std::uint8_t* p) {
    std::uint32_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// Each decoder writes all `width` pixels of one row. They take plain values rather than the
// layout so that the compiler need not reload them after every store through `out`.
void DecodeRow24Words(const std::uint8_t* src, int width, Pixel* out) {
    static_assert(std::endian::native == std::endian::little, "the word-wise row decoder reads little-endian words");
    int x = 0;
    // Four pixels are twelve bytes: three little-endian words hold B G R B | G R B G | R B G R.
    for (; x + 4 <= width; x += 4, src += 12) {
        const std::uint32_t w0 = LoadWord(src);
        const std::uint32_t w1 = LoadWord(src + 4);
        const std::uint32_t w2 = LoadWord(src + 8);
        out[x] = 0xFF000000u | (w0 & 0xFFFFFFu);
        out[x + 1] = 0xFF000000u | (w0 >> 24) | ((w1 & 0xFFFFu) << 8);
        out[x + 2] = 0xFF000000u | (w1 >> 16) | ((w2 & 0xFFu) << 16);
        out[x + 3] = 0xFF000000u | (w2 >> 8);
    }
    for (; x < width; ++x, src += 3) out[x] = MakePixel(src[2], src[1], src[0]);
}

#if defined(__x86_64__) || defined(__i386__)
// Skins are mostly 24-bit pictures, and widening them is most of the work of reading one
// once it is inflated; one byte shuffle widens four pixels. A 16-byte load takes 12 bytes of
// pixels and 4 of the next, so the vector loop stops while at least six pixels (18 bytes)
// are left and never reads past the row.
__attribute__((target("ssse3"))) void DecodeRow24Shuffle(const std::uint8_t* src, int width, Pixel* out) {
    const __m128i widen = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    for (; x + 6 <= width; x += 4, src += 12) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_or_si128(_mm_shuffle_epi8(bgr, widen), opaque));
    }
    DecodeRow24Words(src, width - x, out + x);
}

void DecodeRow24(const std::uint8_t* src, int width, Pixel* out) {
    static const bool shuffle = __builtin_cpu_supports("ssse3");
    if (shuffle) {
        DecodeRow24Shuffle(src, width, out);
    } else {
        DecodeRow24Words(src, width, out);
    }
}
#else
void DecodeRow24(const std::uint8_t* src, int width, Pixel* out) { DecodeRow24Words(src, width, out); }
#endif

void DecodeRow8(const std::uint8_t* src, int width, const std::array<Pixel, 256>& palette, Pixel* out) {
    for (int x = 0; x < width; ++x) out[x] = palette[src[x]];
}

void DecodeRow1(const std::uint8_t* src, int width, const std::array<Pixel, 256>& palette, Pixel* out) {
    const Pixel colours[2] = {palette[0], palette[1]};
    int x = 0;
    for (; x + 8 <= width; x += 8, ++src) {
        const unsigned bits = *src;
        for (int bit = 0; bit < 8; ++bit) out[x + bit] = colours[(bits >> (7 - bit)) & 1];
    }
    for (int bit = 0; x < width; ++x, ++bit) out[x] = colours[(*src >> (7 - bit)) & 1];
}

void DecodeRow32(const std::uint8_t* src, int width, const PixelMasks& m, Pixel* out) {
    for (int x = 0; x < width; ++x, src += 4) {
        const std::uint32_t w =
            src[0] | (std::uint32_t{src[1]} << 8) | (std::uint32_t{src[2]} << 16) | (std::uint32_t{src[3]} << 24);
        out[x] = MakePixel(m.red.From(w), m.green.From(w), m.blue.From(w), m.alpha.From(w));
    }
}

void DecodeRow(const std::uint8_t* src, const BmpLayout& layout, const std::array<Pixel, 256>& palette, Pixel* out) {
    switch (layout.bitsPerPixel) {
        case 32:
            DecodeRow32(src, layout.width, layout.masks, out);
            break;
        case 24:
            DecodeRow24(src, layout.width, out);
            break;
        case 8:
            DecodeRow8(src, layout.width, palette, out);
            break;
        default:
            DecodeRow1(src, layout.width, palette, out);
            break;
    }
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// Writes both headers (and a black-and-white colour table for 1-bit images); the rows follow.
std::vector<std::uint8_t> StartFile(const Bitmap& image, int bitsPerPixel) {
    if (image.empty()) Fail("an empty image cannot be written");
    if (image.width() > kMaxImageSide || image.height() > kMaxImageSide ||
        std::int64_t{image.width()} * image.height() > kMaxImagePixels) {
        Fail("the image is " + std::to_string(image.width()) + " x " + std::to_string(image.height()) +
             " pixels, larger than this program reads back");
    }
    const std::uint32_t paletteBytes = bitsPerPixel == 1 ? 8 : 0;
    const auto stride = static_cast<std::uint32_t>(RowStride(static_cast<std::uint64_t>(image.width()), bitsPerPixel));
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height());
    const std::uint32_t offset = static_cast<std::uint32_t>(kHeadersSize) + paletteBytes;

    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, offset + pixelBytes);
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(image.width()));
    PutU32(out, static_cast<std::uint32_t>(image.height()));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(bitsPerPixel));
    PutU32(out, 0);
    PutU32(out, pixelBytes);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, paletteBytes / 4);
    PutU32(out, 0);
    if (bitsPerPixel == 1) {
        PutU32(out, 0x00000000);
        PutU32(out, 0x00FFFFFF);
    }
    return out;
}

void PadRow(std::vector<std::uint8_t>& out, std::size_t rowStart, std::size_t stride) {
    out.resize(rowStart + stride, 0);
}

}  // namespace

BmpImage ReadBmp(std::span<const std::uint8_t> data, std::size_t* consumed) {
    if (data.size() < kFileHeaderSize) {
        Fail("the data is " + std::to_string(data.size()) + " bytes long, too short for a file header");
    }
    if (data[0] != 'B' || data[1] != 'M') Fail("the data does not start with \"BM\"");
    // The kind of header comes first: the sizes checked after it depend on it.
    if (data.size() < kFileHeaderSize + 4) {
        Fail("the data is " + std::to_string(data.size()) + " bytes long, too short for an info header");
    }
    const std::uint32_t infoSize = U32At(data, kFileHeaderSize);
    CheckInfoHeaderSize(infoSize);
    const std::uint32_t fileSize = U32At(data, 2);
    const std::uint32_t headersSize = static_cast<std::uint32_t>(kFileHeaderSize) + infoSize;
    if (fileSize < headersSize) {
        Fail("the file header gives a size of " + std::to_string(fileSize) + " bytes, less than the " +
             std::to_string(headersSize) + " bytes of the headers alone");
    }
    if (fileSize > data.size()) {
        Fail("the file header gives a size of " + std::to_string(fileSize) + " bytes but only " +
             std::to_string(data.size()) + " are there (truncated)");
    }
    const auto file = data.first(fileSize);
    const BmpLayout layout = ReadLayout(file, infoSize, data.size());
    const auto palette = ReadPalette(file, layout);

    BmpImage result;
    result.bitsPerPixel = layout.bitsPerPixel;
    // Every row is decoded in full below, so filling the pixels first would be wasted.
    result.pixels.ResetForOverwrite(layout.width, layout.height);
    for (int stored = 0; stored < layout.height; ++stored) {
        const int y = layout.topDown ? stored : layout.height - 1 - stored;
        const std::uint8_t* src = file.data() + layout.pixelOffset + static_cast<std::size_t>(stored) * layout.stride;
        DecodeRow(src, layout, palette, result.pixels.row(y));
    }
    if (consumed) *consumed = fileSize;
    return result;
}

std::vector<std::uint8_t> WriteBmp24(const Bitmap& image) {
    std::vector<std::uint8_t> out = StartFile(image, 24);
    const auto stride = static_cast<std::size_t>(RowStride(static_cast<std::uint64_t>(image.width()), 24));
    for (int y = image.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width(); ++x) {
            const Pixel p = image.row(y)[x];
            out.push_back(static_cast<std::uint8_t>(PixelB(p)));
            out.push_back(static_cast<std::uint8_t>(PixelG(p)));
            out.push_back(static_cast<std::uint8_t>(PixelR(p)));
        }
        PadRow(out, rowStart, stride);
    }
    return out;
}

std::vector<std::uint8_t> WriteBmp1(const Bitmap& image) {
    std::vector<std::uint8_t> out = StartFile(image, 1);
    const auto stride = static_cast<std::size_t>(RowStride(static_cast<std::uint64_t>(image.width()), 1));
    for (int y = image.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        PadRow(out, rowStart, stride);
        for (int x = 0; x < image.width(); ++x) {
            const bool white = (image.row(y)[x] & 0x00FFFFFFu) != 0;
            if (white) out[rowStart + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return out;
}

}  // namespace gfx
