#include "controls/containers/skin_panel.h"
#include "controls/containers/skin_tab_sheet.h"
#include "controls/images/png_image_view.h"
#include "controls/labels/skin_label.h"
#include "controls/labels/skin_link_label.h"
#include "sections/sections.h"

namespace gallery {

namespace {

controls::TspSkinLabel& Label(platform::WinControl& parent, skin::TspSkinData* skin, gfx::Rect r, const char* text) {
    auto& l = parent.Make<controls::TspSkinLabel>();
    l.SetBounds(r);
    l.SetCaption(text);
    if (skin) l.SetSkinData(skin);
    return l;
}

controls::TspSkinGroupBox& Group(platform::WinControl& parent, skin::TspSkinData* skin, int top, const char* caption) {
    auto& g = parent.Make<controls::TspSkinGroupBox>();
    g.SetBounds(8, top, 497, 150);
    g.SetCaption(caption);
    if (skin) g.SetSkinData(skin);
    return g;
}

void Picture(platform::Control& parent, controls::TspPngImageList& list, int index, gfx::Point at, bool enabled) {
    auto& view = dynamic_cast<platform::WinControl&>(parent).Make<controls::TspPngImageView>();
    view.SetPngImageList(&list);
    view.SetImageIndex(index);
    view.SetBounds(at.x, at.y, list.PngWidth(), list.PngHeight());
    view.SetEnabled(enabled);
}

// The twelve pictures of the first list in rows of five.
void PictureGrid(platform::WinControl& page, controls::TspPngImageList& pictures, bool enabled) {
    for (int i = 0; i < pictures.Count(); ++i)
        Picture(page, pictures, i, {6 + (i % 5) * 100, 6 + (i / 5) * 102}, enabled);
}

}  // namespace

controls::TspSkinPageControl& BuildNotebook(platform::WinControl& parent, skin::TspSkinData* skin,
                                            controls::TspPngImageList& pictures, controls::TspPngImageList& portrait,
                                            gfx::Point at) {
    auto& pc = parent.Make<controls::TspSkinPageControl>();
    pc.SetBounds(at.x, at.y, 513, 353);
    pc.UseSkinFont = false;
    auto& resources = pc.NewPage<controls::TspSkinTabSheet>("Ресурсы");
    auto& body = pc.NewPage<controls::TspSkinTabSheet>("Тушка");
    auto& shop = pc.NewPage<controls::TspSkinTabSheet>("Магазин");
    auto& town = pc.NewPage<controls::TspSkinTabSheet>("Город");
    auto& market = pc.NewPage<controls::TspSkinTabSheet>("Рынок");

    PictureGrid(resources, pictures, true);

    Label(body, skin, {24, 24, 204, 45}, "Нажратость: 50/100");
    Label(body, skin, {24, 88, 204, 109}, "Сытость: 70/100");
    Label(body, skin, {24, 152, 204, 173}, "Печень: 90/100");
    auto& stage = Label(body, skin, {24, 232, 204, 253}, "Стадия алкоголизма: Злоупотребляющий");
    stage.SetEllipsType(controls::TspEllipsType::spetEllips);
    Picture(body, portrait, 0, {216, 24}, false);
    Picture(body, portrait, 0, {360, 24}, true);

    PictureGrid(shop, pictures, false);

    auto& brigade = Group(town, skin, 8, "Бригада алкашей собирателей бутылок");
    Label(brigade, skin, {136, 28, 336, 49}, "Зарплата: 50");
    Label(brigade, skin, {136, 124, 336, 145}, "Уровень: 1");
    Picture(brigade, pictures, 10, {384, 40}, true);
    auto& actions = Group(town, skin, 168, "Действия");
    Label(actions, skin, {8, 28, 300, 49}, "Искать пустые бутылки");
    auto& link = actions.Make<controls::TspSkinLinkLabel>();
    link.SetBounds(8, 60, 0, 0);
    link.SetCaption("burdomir.example - Узнай сколько ты можешь выпить!");
    if (skin) link.SetSkinData(skin);

    auto& goods = Group(market, skin, 8, "Товары");
    goods.SetCheckedMode(true);
    goods.SetChecked(true);
    Picture(goods, pictures, 8, {384, 40}, true);
    auto& courting = Group(market, skin, 168, "Действия");
    Label(courting, skin, {8, 28, 300, 49}, "Соблазнить продавщицу Дуньку");
    Picture(courting, pictures, 11, {384, 40}, false);

    pc.SetActivePage(&body);
    if (skin) pc.SetSkinData(skin);
    return pc;
}

}  // namespace gallery
