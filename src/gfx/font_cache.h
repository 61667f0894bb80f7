#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <utility>

#include "gfx/font.h"
#include "gfx/font_face.h"
#include "gfx/font_library.h"
#include "gfx/font_resolver.h"

namespace gfx {

// Every face the program has used, by logical name, height and weight/slant, so that
// fontconfig is asked once per name and style and FreeType opens each size once. One cache
// serves the process; it lives until exit and, once built, is used from the UI thread only.
class FontCache {
public:
    // The process's cache, created on first use; throws FontError when FreeType or
    // fontconfig cannot start.
    [[nodiscard]] static FontCache& Instance();

    // Builds the cache on a thread of its own, which the returned thread joins when it goes.
    // fontconfig reads and parses its configuration (some forty files) before the first text
    // can be measured; a program overlaps that with its own start, such as connecting to the
    // display. The first Instance() on the UI thread waits for the build. A failure is left
    // to that call, which raises it where the program reports errors.
    [[nodiscard]] static std::jthread WarmUp();

    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The face that draws font (colour, underline and strike-out do not matter here).
    [[nodiscard]] FontFace& Face(const Font& font);
    // The family a logical name resolves to in its regular style.
    [[nodiscard]] std::string Family(std::string_view logicalName);

private:
    FontCache();

    // The file fontconfig chose for a logical name and style (fsBold, fsItalic). Every
    // height shares it: a match costs fontconfig a pass over every installed face, and the
    // windows ask for one name at several heights.
    const FontFile& File(std::string_view logicalName, int style);

    struct Key {
        std::string name;
        int height;
        int style;
    };
    struct KeyView {
        std::string_view name;
        int height;
        int style;
    };
    struct KeyLess {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return std::tuple<int, int, std::string_view>(a.height, a.style, a.name) <
                   std::tuple<int, int, std::string_view>(b.height, b.style, b.name);
        }
    };

    FontLibrary library_;
    FontResolver resolver_;
    std::map<std::pair<std::string, int>, FontFile> files_;
    // Declared after the library so that faces are closed before it.
    std::map<Key, std::unique_ptr<FontFace>, KeyLess> faces_;
};

}  // namespace gfx
