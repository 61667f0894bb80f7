#include "gallery_section.h"
#include "sections/sections.h"

namespace gallery {

const std::vector<GalleryPage>& GalleryPages() {
    static const std::vector<GalleryPage> pages{
        {"Кнопки и флажки",
         {
             {"Кнопки", BuildButtonSection},
             {"Флажки и переключатели", BuildCheckRadioSection},
         }},
        {"Ползунки и поля",
         {
             {"Ползунки", BuildTrackBarSection},
             {"Счётчики", BuildUpDownSection},
             {"Поля ввода", BuildEditSection},
         }},
        {"Рамки и надписи",
         {
             {"Рамки групп", BuildGroupBoxSection},
             {"Надписи и ссылка", BuildLabelSection},
         }},
        {"Вкладки и меню",
         {
             {"Вкладки", BuildPageControlSection},
             {"Меню", BuildMenuSection},
         }},
    };
    return pages;
}

}  // namespace gallery
