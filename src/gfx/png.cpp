#include "gfx/png.h"

#include <png.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <string_view>

namespace gfx {
namespace {

// libpng reports errors by calling back and never returning, so every call into it runs
// inside one of the small C-style functions below that set a jump point. Those functions
// and the callbacks hold only plain data, so jumping out of them skips no destructor; the
// C++ objects (the bitmap, the row table, the output vector) live in the callers.

// libpng's last error text, copied out before the jump, and its warnings so far: for a
// bad header libpng warns with the specific reasons ("Invalid color type in IHDR") and
// then fails with a generic one.
struct ErrorText {
    char message[240];
    char warning[240];
};

// The bytes being decoded; reads never go past size.
struct ByteSource {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
};

// The geometry libpng reports once the transformations are set up.
struct DecodedLayout {
    png_uint_32 width;
    png_uint_32 height;
    std::size_t rowBytes;
};

void StoreErrorAndJump(png_structp png, png_const_charp message) {
    auto* text = static_cast<ErrorText*>(png_get_error_ptr(png));
    std::snprintf(text->message, sizeof text->message, "%s", message ? message : "unknown error");
    png_longjmp(png, 1);
}

void StoreWarning(png_structp png, png_const_charp message) {
    auto* text = static_cast<ErrorText*>(png_get_error_ptr(png));
    const std::size_t used = std::strlen(text->warning);
    std::snprintf(text->warning + used, sizeof text->warning - used, "%s%s", used ? "; " : "", message ? message : "");
}

void ReadFromSource(png_structp png, png_bytep out, std::size_t length) {
    auto* source = static_cast<ByteSource*>(png_get_io_ptr(png));
    if (length > source->size - source->position) png_error(png, "the data ends before the image does");
    std::memcpy(out, source->data + source->position, length);
    source->position += length;
}

void AppendToVector(png_structp png, png_bytep data, std::size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    if (!stored) png_error(png, "out of memory while encoding");
}

void FlushNothing(png_structp) {}

// Our Pixel is 0xAARRGGBB in a native integer: bytes B, G, R, A on a little-endian machine
// and A, R, G, B on a big-endian one. libpng's RGBA rows are rearranged to match.
void UseNativePixelOrder(png_structp png) {
    if constexpr (std::endian::native == std::endian::little) {
        png_set_bgr(png);
    } else {
        png_set_swap_alpha(png);
    }
}

bool ReadLayout(png_structp png, png_infop info, DecodedLayout* layout, PngFormat* format) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_byte colourType = png_get_color_type(png, info);
    format->colour = colourType == PNG_COLOR_TYPE_PALETTE       ? PngColour::Palette
                     : (colourType & PNG_COLOR_MASK_COLOR) != 0 ? PngColour::TrueColour
                                                                : PngColour::Grey;
    format->alphaChannel = (colourType & PNG_COLOR_MASK_ALPHA) != 0;
    format->transparencyChunk = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    // Palette, grey below 8 bits and the transparency chunk all become 8-bit channels
    // with alpha; 16-bit samples are scaled down with rounding.
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    UseNativePixelOrder(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    layout->width = png_get_image_width(png, info);
    layout->height = png_get_image_height(png, info);
    layout->rowBytes = png_get_rowbytes(png, info);
    return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

bool WriteRows(png_structp png, png_infop info, png_uint_32 width, png_uint_32 height, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    UseNativePixelOrder(png);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

// Owns a libpng read or write structure with its info structure.
class PngHandle {
public:
    PngHandle(bool reading, ErrorText* text) : reading_(reading) {
        png_ = reading ? png_create_read_struct(PNG_LIBPNG_VER_STRING, text, StoreErrorAndJump, StoreWarning)
                       : png_create_write_struct(PNG_LIBPNG_VER_STRING, text, StoreErrorAndJump, StoreWarning);
        if (png_) info_ = png_create_info_struct(png_);
        if (!png_ || !info_) {
            Release();
            throw ImageError("PNG: libpng could not start (out of memory)");
        }
    }
    ~PngHandle() { Release(); }
    PngHandle(const PngHandle&) = delete;
    PngHandle& operator=(const PngHandle&) = delete;

    [[nodiscard]] png_structp png() const { return png_; }
    [[nodiscard]] png_infop info() const { return info_; }

private:
    void Release() {
        if (!png_) return;
        if (reading_) {
            png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr);
        } else {
            png_destroy_write_struct(&png_, info_ ? &info_ : nullptr);
        }
        png_ = nullptr;
        info_ = nullptr;
    }

    bool reading_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

[[noreturn]] void Fail(const ErrorText& text) {
    std::string what = std::string("PNG: ") + text.message;
    if (text.warning[0] && what.find(text.warning) == std::string::npos) what += std::string(" (") + text.warning + ")";
    throw ImageError(what);
}

// Whether the chunks run in order to IEND without an IDAT among them; a file that breaks
// off or is damaged before that answers false, so its own error stands.
bool EndsWithoutImageData(std::span<const std::uint8_t> data) {
    std::size_t at = 8;
    while (data.size() - at >= 8) {
        const std::uint32_t length = (std::uint32_t{data[at]} << 24) | (std::uint32_t{data[at + 1]} << 16) |
                                     (std::uint32_t{data[at + 2]} << 8) | data[at + 3];
        const std::string_view type(reinterpret_cast<const char*>(data.data() + at + 4), 4);
        if (type == "IDAT") return false;
        if (type == "IEND") return true;
        if (data.size() - at < 12 || length > data.size() - at - 12) return false;
        at += 12 + std::size_t{length};
    }
    return false;
}

}  // namespace

Bitmap ReadPng(std::span<const std::uint8_t> data) {
    PngFormat unused;
    return ReadPng(data, unused);
}

Bitmap ReadPng(std::span<const std::uint8_t> data, PngFormat& format) {
    constexpr std::size_t kSignatureSize = 8;
    if (data.size() < kSignatureSize || png_sig_cmp(data.data(), 0, kSignatureSize) != 0) {
        throw ImageError("PNG: the data does not start with the PNG signature");
    }
    ErrorText text{};
    PngHandle handle(true, &text);
    ByteSource source{data.data(), data.size(), 0};
    png_set_read_fn(handle.png(), &source, ReadFromSource);
    png_set_user_limits(handle.png(), kMaxImageSide, kMaxImageSide);

    DecodedLayout layout{};
    PngFormat stored;
    if (!ReadLayout(handle.png(), handle.info(), &layout, &stored)) {
        if (EndsWithoutImageData(data)) throw ImageError("PNG: the file has no image data (no IDAT chunk)");
        Fail(text);
    }
    const auto pixels = std::int64_t{layout.width} * layout.height;
    if (pixels > kMaxImagePixels) {
        throw ImageError("PNG: the image is " + std::to_string(layout.width) + " x " + std::to_string(layout.height) +
                         " pixels, more than the " + std::to_string(kMaxImagePixels) + " this program accepts");
    }
    if (layout.rowBytes != std::size_t{layout.width} * sizeof(Pixel)) {
        throw ImageError("PNG: the image could not be converted to 32-bit pixels");
    }

    Bitmap image(static_cast<int>(layout.width), static_cast<int>(layout.height), 0);
    std::vector<png_bytep> rows(layout.height);
    for (png_uint_32 y = 0; y < layout.height; ++y) {
        rows[y] = reinterpret_cast<png_bytep>(image.row(static_cast<int>(y)));
    }
    if (!ReadRows(handle.png(), rows.data())) Fail(text);
    format = stored;
    return image;
}

std::vector<std::uint8_t> WritePng(const Bitmap& image) {
    if (image.empty()) throw ImageError("PNG: an empty image cannot be written");
    ErrorText text{};
    PngHandle handle(false, &text);
    std::vector<std::uint8_t> out;
    png_set_write_fn(handle.png(), &out, AppendToVector, FlushNothing);

    // libpng copies each row before rearranging its bytes, so the pixels are only read.
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        rows[static_cast<std::size_t>(y)] = reinterpret_cast<png_bytep>(const_cast<Pixel*>(image.row(y)));
    }
    if (!WriteRows(handle.png(), handle.info(), static_cast<png_uint_32>(image.width()),
                   static_cast<png_uint_32>(image.height()), rows.data())) {
        Fail(text);
    }
    return out;
}

Bitmap LoadPngFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open the PNG file '" + path + "': " + std::strerror(errno));
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw std::runtime_error("cannot read the PNG file '" + path + "'");
    try {
        return ReadPng(bytes);
    } catch (const ImageError& e) {
        throw ImageError(path + ": " + e.what());
    }
}

void SavePngFile(const Bitmap& image, const std::string& path) {
    const std::vector<std::uint8_t> bytes = WritePng(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("cannot create the PNG file '" + path + "': " + std::strerror(errno));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write the PNG file '" + path + "'");
}

}  // namespace gfx
