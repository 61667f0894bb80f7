#include "gallery_section.h"
#include "sections/sections.h"

namespace gallery {

const std::vector<GallerySection>& GallerySections() {
    static const std::vector<GallerySection> sections{
        {"Кнопки", BuildButtonSection},
        {"Флажки и переключатели", BuildCheckRadioSection},
        {"Ползунки", BuildTrackBarSection},
        {"Счётчики", BuildUpDownSection},
        {"Поля ввода", BuildEditSection},
        {"Рамки групп", BuildGroupBoxSection},
        {"Надписи и ссылка", BuildLabelSection},
        {"Вкладки", BuildPageControlSection},
        {"Меню", BuildMenuSection},
    };
    return sections;
}

}  // namespace gallery
