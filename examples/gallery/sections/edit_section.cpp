#include "controls/text/skin_edit.h"
#include "sections/sections.h"

namespace gallery {

namespace {

constexpr int kWidth = 150;
constexpr int kRow = 26;

controls::TspSkinEdit& Edit(SectionContext& ctx, int index, const char* text) {
    auto& e = ctx.Column.Make<controls::TspSkinEdit>();
    e.SetBounds(8 + (index % 2) * (kWidth + 6), ctx.Top + (index / 2) * kRow, kWidth, 21);
    Bind(e, ctx);
    e.SetText(text);
    return e;
}

}  // namespace

int BuildEditSection(SectionContext& ctx) {
    Edit(ctx, 0, "");
    Edit(ctx, 1, "Вася Пупкин");
    // A selection shown without the focus.
    auto& selected = Edit(ctx, 2, "Вася Пупкин");
    selected.SetHideSelection(false);
    selected.SetSelection(5, 6);
    ctx.FocusSamples->push_back(&Edit(ctx, 3, "Фокус"));
    Edit(ctx, 4, "Недоступно").SetEnabled(false);
    Edit(ctx, 5, "Только чтение").SetReadOnly(true);
    // The start window's edit: its own 16-pixel Arial makes it 22 high.
    auto& start = Edit(ctx, 6, "Своим шрифтом");
    start.UseSkinFont = false;
    start.SetDefaultFont({"Arial", -16, 0, gfx::clBlack});
    return 4 * kRow;
}

}  // namespace gallery
