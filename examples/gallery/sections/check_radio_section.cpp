#include "controls/buttons/check_radio_box.h"
#include "sections/sections.h"

namespace gallery {

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 25;

controls::TspSkinCheckRadioBox& Box(SectionContext& ctx, int index, const char* caption, bool radio) {
    auto& b = ctx.Column.Make<controls::TspSkinCheckRadioBox>();
    const int col = index % 2;
    const int row = index / 2;
    b.SetBounds(8 + col * (kWidth + 6), ctx.Top + row * kHeight, kWidth, kHeight);
    b.SetRadio(radio);
    b.SetSkinDataName(radio ? "radiobox" : "checkbox");
    b.SetCaption(caption);
    b.SetCanFocused(true);
    Bind(b, ctx);
    return b;
}

}  // namespace

int BuildCheckRadioSection(SectionContext& ctx) {
    Box(ctx, 0, "Водка", true).SetGroupIndex(1);
    auto& checked = Box(ctx, 1, "Пиво (выбрано)", true);
    checked.SetGroupIndex(1);
    checked.SetChecked(true);
    Box(ctx, 2, "Наведено", true).MouseEnter();
    auto& disabledRadio = Box(ctx, 3, "Недоступно", true);
    disabledRadio.SetChecked(true);
    disabledRadio.SetEnabled(false);
    Box(ctx, 4, "Флажок", false);
    Box(ctx, 5, "Отмечен", false).SetChecked(true);
    auto& grayed = Box(ctx, 6, "Третье состояние", false);
    grayed.SetAllowGrayed(true);
    grayed.SetState(controls::TCheckBoxState::cbGrayed);
    auto& hotChecked = Box(ctx, 7, "Наведён, отмечен", false);
    hotChecked.SetChecked(true);
    hotChecked.MouseEnter();
    auto& disabled = Box(ctx, 8, "Недоступен", false);
    disabled.SetChecked(true);
    disabled.SetEnabled(false);
    ctx.FocusSamples->push_back(&Box(ctx, 9, "Фокус", false));

    // Framed boxes draw their section's whole picture behind the mark and the caption.
    const int framedTop = 5 * kHeight + 4;
    auto framed = [&](int index, const char* caption) -> controls::TspSkinCheckRadioBox& {
        auto& b = Box(ctx, index, caption, false);
        b.SetFlat(false);
        b.SetBounds(8 + (index % 2) * (kWidth + 6), ctx.Top + framedTop + (index / 2 - 5) * kHeight, kWidth, kHeight);
        b.ApplySkinChange();
        return b;
    };
    framed(10, "В рамке");
    auto& framedHot = framed(11, "В рамке, наведён");
    framedHot.SetChecked(true);
    framedHot.MouseEnter();
    auto& framedGrayed = framed(12, "В рамке, третье");
    framedGrayed.SetState(controls::TCheckBoxState::cbGrayed);
    auto& morph = framed(13, "Переход");
    if (ctx.MorphSkin) {
        morph.SetSkinData(ctx.MorphSkin);
        morph.SetMorphLevel(0.5);
    } else {
        morph.SetCaption("Без перехода");
    }
    return framedTop + 2 * kHeight;
}

}  // namespace gallery
