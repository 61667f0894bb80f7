#include "controls/containers/skin_panel.h"
#include "controls/labels/skin_label.h"
#include "sections/sections.h"

namespace gallery {

int BuildGroupBoxSection(SectionContext& ctx) {
    const int half = ctx.Width / 2 - 4;
    auto& brigade = ctx.Column.Make<controls::TspSkinGroupBox>();
    brigade.SetBounds(8, ctx.Top, ctx.Width, 70);
    brigade.SetCaption("Бригада алкашей собирателей бутылок");
    Bind(brigade, ctx);
    auto& inside = brigade.Make<controls::TspSkinLabel>();
    inside.SetBounds(12, 30, 150, 21);
    inside.SetCaption("Зарплата: 50");
    Bind(inside, ctx);

    auto& checked = ctx.Column.Make<controls::TspSkinGroupBox>();
    checked.SetBounds(8, ctx.Top + 76, half, 60);
    checked.SetCaption("Аптека");
    checked.SetCheckedMode(true);
    checked.SetChecked(true);
    Bind(checked, ctx);

    auto& unchecked = ctx.Column.Make<controls::TspSkinGroupBox>();
    unchecked.SetBounds(8 + half + 8, ctx.Top + 76, half, 60);
    unchecked.SetCaption("Рынок");
    unchecked.SetCheckedMode(true);
    Bind(unchecked, ctx);
    auto& off = unchecked.Make<controls::TspSkinLabel>();
    off.SetBounds(10, 28, half - 20, 21);
    off.SetCaption("Выключено");
    Bind(off, ctx);
    unchecked.SetChecked(false);
    return 136;
}

}  // namespace gallery
