#include "support/golden.h"

#include <gtest/gtest.h>

#include "gfx/bitmap.h"
#include "gfx/colour.h"
#include "gfx/font.h"
#include "gfx/painter.h"
#include "gfx/text.h"

namespace {

using gfx::Rect;

gfx::Font MakeFont(int height, std::uint8_t style = 0, const char* name = "Arial") {
    gfx::Font font;
    font.Name = name;
    font.Height = height;
    font.Style = style;
    font.FontColor = gfx::clBlack;
    return font;
}

// The status line's money label: 137 x 25, bold 16-pixel Arial.
TEST(TextGolden, MoneyLabel) {
    gfx::Bitmap image(137, 25, gfx::ColorToPixel(gfx::clBtnFace));
    gfx::Painter painter(image);
    painter.DrawText(MakeFont(-16, gfx::fsBold), "Деньги: 1000", image.rect(), gfx::dtLeft);
    EXPECT_TRUE(testsupport::MatchesGolden(image, "Text_MoneyLabel"));
}

// The body tab's explanation label: 369 x 41, word-wrapped 11-pixel Arial.
TEST(TextGolden, BodyTabExplanation) {
    gfx::Bitmap image(369, 41, gfx::ColorToPixel(gfx::clBtnFace));
    gfx::Painter painter(image);
    painter.DrawText(MakeFont(-11),
                     "Меняется если в течении 4-х дней нажратость была выже 50%. С увеличением стадии все "
                     "больше требуется алкоголя и медикаментов, но еды нужно значительно меньше.",
                     image.rect(), gfx::dtWordBreak | gfx::dtLeft);
    EXPECT_TRUE(testsupport::MatchesGolden(image, "Text_BodyTabExplanation"));
}

// Accelerators, ellipsis, alignment, tabs and line styles, each in a framed box.
TEST(TextGolden, FormatSheet) {
    gfx::Bitmap image(300, 260, gfx::ColorToPixel(gfx::clWindow));
    gfx::Painter painter(image);
    const gfx::Pixel frame = gfx::ColorToPixel(gfx::clBtnShadow);
    const gfx::Font font = MakeFont(-16);
    auto cell = [&](int row, int column, int columns) {
        const int width = 280 / columns;
        return Rect::from_size(10 + column * width, 8 + row * 28, width - 4, 24);
    };
    auto draw = [&](const Rect& box, const gfx::Font& f, const char* text, unsigned format) {
        painter.FrameRect(box.inflated(1, 1), frame);
        painter.DrawText(f, text, box, format);
    };
    const unsigned line = gfx::dtSingleLine | gfx::dtVCenter;
    draw(cell(0, 0, 3), font, "Лево", line | gfx::dtLeft);
    draw(cell(0, 1, 3), font, "Центр", line | gfx::dtCenter);
    draw(cell(0, 2, 3), font, "Право", line | gfx::dtRight);
    draw(cell(1, 0, 2), font, "&Выпить", line);
    draw(cell(1, 1, 2), font, "Хлеб && соль", line);
    draw(cell(2, 0, 2), font, "&Скрыто", line | gfx::dtHidePrefix);
    draw(cell(2, 1, 2), font, "&Как есть", line | gfx::dtNoPrefix);
    draw(cell(3, 0, 1), font, "Учиться у сенсея Сунь Хрен Вчай и ещё", line | gfx::dtEndEllipsis);
    draw(cell(4, 0, 1), font, "Пиво\t12\tВодка\t60", line | gfx::dtExpandTabs);
    draw(cell(5, 0, 2), MakeFont(-16, gfx::fsUnderline), "Ссылка", line | gfx::dtCenter);
    draw(cell(5, 1, 2), MakeFont(-16, gfx::fsStrikeOut), "Зачёркнуто", line | gfx::dtCenter);
    draw(cell(6, 0, 2), MakeFont(-16, gfx::fsItalic | gfx::fsBold), "Жирный курсив", line);
    draw(cell(6, 1, 2), MakeFont(14, 0, "MS Sans Serif"), "Высота 14", line | gfx::dtBottom);
    gfx::Font coloured = MakeFont(-11, 0, "Times New Roman");
    coloured.FontColor = 0x800000;  // navy in 0x00BBGGRR
    draw(cell(7, 0, 1), coloured, "Times New Roman: белая горячка — цель игры", line);
    gfx::Font mono = MakeFont(-13, 0, "Courier New");
    mono.FontColor = 0x0000C0;
    draw(cell(8, 0, 1), mono, "Courier New: 1000 руб.", line | gfx::dtCenter);
    EXPECT_TRUE(testsupport::MatchesGolden(image, "Text_FormatSheet"));
}

}  // namespace
