#include "controls/labels/skin_label.h"
#include "controls/labels/skin_link_label.h"
#include "sections/sections.h"

namespace gallery {

int BuildLabelSection(SectionContext& ctx) {
    const int w = ctx.Width;
    const char* text = "Выберите имя алкаша:";
    auto label = [&](int top, int width, const char* caption) -> controls::TspSkinLabel& {
        auto& l = ctx.Column.Make<controls::TspSkinLabel>();
        l.SetBounds(8, ctx.Top + top, width, 21);
        l.SetCaption(caption);
        Bind(l, ctx);
        return l;
    };
    label(0, w / 2 - 4, text);
    auto& cut = label(0, w / 2 - 4, text);
    cut.SetLeft(8 + w / 2 + 4);
    cut.SetEllipsType(controls::TspEllipsType::spetEllips);
    label(26, w / 2 - 4, "Город").SetAlignment(platform::Alignment::Center);
    auto& right = label(26, w / 2 - 4, "Рынок");
    right.SetLeft(8 + w / 2 + 4);
    right.SetAlignment(platform::Alignment::Right);
    auto& grown = label(52, 40, "По размеру текста");
    grown.SetAutoSize(true);

    auto& link = ctx.Column.Make<controls::TspSkinLinkLabel>();
    link.SetBounds(8, ctx.Top + 80, 0, 0);
    link.SetCaption("Узнай сколько ты можешь выпить!");
    link.URL = "https://burdomir.example/";
    Bind(link, ctx);
    return 80 + link.Height();
}

}  // namespace gallery
