#include "controls/buttons/skin_button.h"
#include "gfx/painter.h"
#include "sections/sections.h"

namespace gallery {

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 25;
constexpr int kGap = 7;

// A two-cell glyph strip (normal, disabled) of 16 x 16 cells on magenta, the transparent colour.
gfx::Bitmap BottleGlyph() {
    gfx::Bitmap strip(32, 16, gfx::MakePixel(255, 0, 255));
    gfx::Painter painter(strip);
    for (int cell = 0; cell < 2; ++cell) {
        const int x = cell * 16;
        const gfx::Pixel glass = cell == 0 ? gfx::MakePixel(40, 130, 60) : gfx::MakePixel(150, 150, 150);
        const gfx::Pixel label = cell == 0 ? gfx::MakePixel(240, 230, 200) : gfx::MakePixel(210, 210, 210);
        painter.FillRect({x + 7, 1, x + 9, 5}, glass);
        painter.FillRect({x + 5, 5, x + 11, 15}, glass);
        painter.FillRect({x + 6, 8, x + 10, 12}, label);
    }
    return strip;
}

controls::TspSkinButton& Button(SectionContext& ctx, int index, const char* caption) {
    auto& b = ctx.Column.Make<controls::TspSkinButton>();
    const int col = index % 3;
    const int row = index / 3;
    b.SetBounds(8 + col * (kWidth + kGap), ctx.Top + row * (kHeight + kGap), kWidth, kHeight);
    b.SetCaption(caption);
    Bind(b, ctx);
    return b;
}

}  // namespace

int BuildButtonSection(SectionContext& ctx) {
    Button(ctx, 0, "Обычная");
    Button(ctx, 1, "Наведена").MouseEnter();
    auto& pressed = Button(ctx, 2, "Нажата");
    pressed.MouseEnter();
    pressed.SetDown(true);
    ctx.FocusSamples->push_back(&Button(ctx, 3, "Фокус"));
    Button(ctx, 4, "Недоступна").SetEnabled(false);
    auto& glyph = Button(ctx, 5, "Бутылка");
    glyph.SetGlyph(BottleGlyph());
    glyph.SetNumGlyphs(2);
    auto& disabledGlyph = Button(ctx, 6, "Бутылка");
    disabledGlyph.SetGlyph(BottleGlyph());
    disabledGlyph.SetNumGlyphs(2);
    disabledGlyph.SetEnabled(false);
    auto& grouped = Button(ctx, 7, "В группе");
    grouped.SetGroupIndex(1);
    grouped.SetDown(true);
    auto& morph = Button(ctx, 8, "Переход");
    if (ctx.MorphSkin) {
        morph.SetSkinData(ctx.MorphSkin);
        morph.SetMorphLevel(0.5);
    } else {
        morph.SetCaption("Без перехода");
    }
    // Free size: the picture is spread around its client rectangle to any height.
    auto& tall = Button(ctx, 9, "Своя высота");
    tall.SetUseSkinSize(false);
    tall.SetBounds(tall.Left(), tall.Top(), 2 * kWidth + kGap, 40);
    return 3 * (kHeight + kGap) + 40 + kGap;
}

}  // namespace gallery
