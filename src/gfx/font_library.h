#pragma once

struct FT_LibraryRec_;

namespace gfx {

// The FreeType library instance every face is opened with; faces must be closed first.
class FontLibrary {
public:
    // Starts FreeType; throws FontError when it cannot.
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    [[nodiscard]] FT_LibraryRec_* Handle() const { return library_; }

private:
    FT_LibraryRec_* library_ = nullptr;
};

}  // namespace gfx
