#include "controls/labels/label_text.h"

#include "gfx/text.h"

namespace controls {

std::string LabelText(const gfx::Font& font, std::string_view caption, int width, TspEllipsType ellips) {
    if (ellips == TspEllipsType::spetNoneEllips) return std::string(caption);
    return gfx::EllipsizeEnd(font, caption, width);
}

gfx::Point LabelTextOrigin(const gfx::Rect& area, int textWidth, int textHeight, platform::Alignment alignment) {
    const int top = area.top + area.height() / 2 - textHeight / 2;
    switch (alignment) {
        case platform::Alignment::Left:
            return {area.left, top};
        case platform::Alignment::Right:
            return {area.right - textWidth, top};
        case platform::Alignment::Center:
            return {area.left + area.width() / 2 - textWidth / 2, top};
    }
    return {area.left, top};
}

}  // namespace controls
