#include "controls/containers/skin_page_control.h"
#include "controls/containers/skin_tab_sheet.h"
#include "controls/labels/skin_label.h"
#include "sections/sections.h"

namespace gallery {

int BuildPageControlSection(SectionContext& ctx) {
    // Narrower than the main window's, so its five tabs run past the right edge.
    auto& pc = ctx.Column.Make<controls::TspSkinPageControl>();
    pc.SetBounds(8, ctx.Top, ctx.Width, 90);
    for (const char* caption : {"Ресурсы", "Тушка", "Магазин", "Город", "Рынок"}) {
        auto& page = pc.NewPage<controls::TspSkinTabSheet>(caption);
        auto& label = page.Make<controls::TspSkinLabel>();
        label.SetBounds(10, 10, 200, 21);
        label.SetCaption(std::string("Вкладка «") + caption + "»");
        Bind(label, ctx);
    }
    pc.SetActivePageIndex(1);
    Bind(pc, ctx);
    ctx.FocusSamples->push_back(&pc);
    return 90;
}

}  // namespace gallery
