#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>

#include "gfx/font_face.h"
#include "gfx/font_library.h"
#include "gfx/font_resolver.h"

namespace {

int Ink(const gfx::Glyph& glyph) { return std::accumulate(glyph.coverage.begin(), glyph.coverage.end(), 0); }

class FontFaceTest : public ::testing::Test {
protected:
    gfx::FontLibrary library;
    gfx::FontResolver resolver;
};

TEST_F(FontFaceTest, DesignedBoldAndItalicFacesAreFound) {
    const gfx::FontFile bold = resolver.Resolve("Arial", true, false);
    EXPECT_EQ(bold.family, "Liberation Sans");
    EXPECT_TRUE(bold.bold);
    EXPECT_FALSE(bold.italic);
    const gfx::FontFile italic = resolver.Resolve("Arial", false, true);
    EXPECT_TRUE(italic.italic);
    EXPECT_NE(bold.path, italic.path);
    EXPECT_NE(resolver.Resolve("Arial", false, false).path, bold.path);
}

TEST_F(FontFaceTest, BoldIsSynthesisedWhenTheFileIsRegular) {
    const gfx::FontFile regular = resolver.Resolve("Arial", false, false);
    gfx::FontFace plain(library, regular, -16, false, false);
    gfx::FontFace emboldened(library, regular, -16, true, false);
    EXPECT_GT(emboldened.Advance(U'Ж'), plain.Advance(U'Ж'));
    EXPECT_GT(Ink(emboldened.GlyphFor(U'Ж')), Ink(plain.GlyphFor(U'Ж')));
    // A face that is bold already is not thickened again.
    gfx::FontFace designed(library, resolver.Resolve("Arial", true, false), -16, true, false);
    gfx::FontFace designedOnly(library, resolver.Resolve("Arial", true, false), -16, false, false);
    EXPECT_EQ(designed.GlyphFor(U'Ж').coverage, designedOnly.GlyphFor(U'Ж').coverage);
}

TEST_F(FontFaceTest, ItalicIsSlantedWhenTheFileIsUpright) {
    const gfx::FontFile regular = resolver.Resolve("Arial", false, false);
    gfx::FontFace upright(library, regular, -16, false, false);
    gfx::FontFace slanted(library, regular, -16, false, true);
    // A slanted vertical stem covers more columns than an upright one.
    EXPECT_GT(slanted.GlyphFor(U'I').width, upright.GlyphFor(U'I').width);
    EXPECT_EQ(slanted.Advance(U'I'), upright.Advance(U'I'));
}

TEST_F(FontFaceTest, CyrillicGlyphsHaveInkAndSpacesHaveNone) {
    gfx::FontFace face(library, resolver.Resolve("MS Sans Serif", false, false), -11, false, false);
    for (const char32_t cp : std::u32string(U"ДеньгиЁЙЩЫЯ")) {
        const gfx::Glyph& glyph = face.GlyphFor(cp);
        EXPECT_GT(Ink(glyph), 0) << static_cast<unsigned>(cp);
        EXPECT_GT(glyph.advance, 0);
        EXPECT_EQ(glyph.coverage.size(), static_cast<std::size_t>(glyph.width * glyph.height));
    }
    EXPECT_EQ(Ink(face.GlyphFor(U' ')), 0);
    EXPECT_GT(face.Advance(U' '), 0);
}

TEST_F(FontFaceTest, CachedGlyphIsTheSameObject) {
    gfx::FontFace face(library, resolver.Resolve("Arial", false, false), 14, false, false);
    const gfx::Glyph* first = &face.GlyphFor(U'ж');
    (void)face.GlyphFor(U'Ж');
    EXPECT_EQ(&face.GlyphFor(U'ж'), first);
}

TEST_F(FontFaceTest, LinesStayInsideTheCell) {
    for (const int height : {-8, -11, -16, 14, 25}) {
        gfx::FontFace face(library, resolver.Resolve("Arial", false, false), height, false, false);
        const gfx::FontMetrics& m = face.Metrics();
        EXPECT_GE(face.Underline().offset, 0) << height;
        EXPECT_LE(face.Underline().offset + face.Underline().thickness, m.Descent) << height;
        EXPECT_LT(face.StrikeOut().offset, 0) << height;
        EXPECT_GT(face.StrikeOut().offset, -m.Ascent) << height;
    }
}

TEST_F(FontFaceTest, MissingOrDamagedFileIsAClearError) {
    gfx::FontFile missing{"/nonexistent/burdomir-font.ttf", 0, "Nowhere"};
    try {
        gfx::FontFace face(library, missing, -16, false, false);
        FAIL() << "no exception";
    } catch (const gfx::FontError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/burdomir-font.ttf"), std::string::npos) << e.what();
    }

    const std::filesystem::path junk = std::filesystem::temp_directory_path() / "burdomir-not-a-font.ttf";
    std::ofstream(junk) << "this is no font at all";
    gfx::FontFile damaged{junk.string(), 0, "Junk"};
    EXPECT_THROW(gfx::FontFace(library, damaged, -16, false, false), gfx::FontError);
    std::filesystem::remove(junk);
}

}  // namespace
