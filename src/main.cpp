// A stand-in for the game until the window system exists: it draws a status panel of the
// main window with the gfx layer and saves it as burdomir-demo.png in the working directory.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "gfx/bitmap.h"
#include "gfx/colour.h"
#include "gfx/font.h"
#include "gfx/painter.h"
#include "gfx/png.h"
#include "gfx/text.h"

namespace {

gfx::Font MakeFont(int height, std::uint8_t style, gfx::Color color) {
    gfx::Font font;
    font.Name = "Arial";
    font.Height = height;
    font.Style = style;
    font.FontColor = color;
    return font;
}

// One gauge of the body tab: caption, a bar of 0..100 and the number out of 100.
void DrawGauge(gfx::Painter& painter, int top, const char* caption, int value) {
    const gfx::Font font = MakeFont(-15, 0, gfx::clBlack);
    painter.DrawText(font, caption, gfx::Rect::from_size(24, top, 150, 20), gfx::dtSingleLine);
    painter.DrawText(font, std::to_string(value) + "/100", gfx::Rect::from_size(176, top, 60, 20), gfx::dtSingleLine);
    const gfx::Rect bar = gfx::Rect::from_size(24, top + 24, 200, 25);
    painter.Frame3D(bar, gfx::ColorToPixel(gfx::clBtnShadow), gfx::ColorToPixel(gfx::clBtnHighlight));
    painter.FillRect(gfx::Rect::from_size(bar.left + 2, bar.top + 2, (bar.width() - 4) * value / 100, bar.height() - 4),
                     gfx::ColorToPixel(gfx::clHighlight));
}

gfx::Bitmap DrawDemo() {
    gfx::Bitmap image(546, 460, gfx::ColorToPixel(gfx::clBtnFace));
    gfx::Painter painter(image);
    painter.Frame3D(image.rect().shrunk(8, 8), gfx::ColorToPixel(gfx::clBtnHighlight),
                    gfx::ColorToPixel(gfx::clBtnShadow));

    painter.DrawText(MakeFont(-16, gfx::fsBold, 0x000080), "Burdomir: тушка алкаша", {16, 16, 530, 56},
                     gfx::dtSingleLine | gfx::dtCenter | gfx::dtVCenter);
    DrawGauge(painter, 64, "Нажратость:", 45);
    DrawGauge(painter, 128, "Сытость:", 80);
    DrawGauge(painter, 192, "Печень:", 63);

    const gfx::Rect explanation = gfx::Rect::from_size(24, 280, 369, 41);
    painter.DrawText(MakeFont(-11, 0, gfx::clBlack),
                     "Меняется если в течении 4-х дней нажратость была выже 50%. С увеличением стадии все "
                     "больше требуется алкоголя и медикаментов, но еды нужно значительно меньше.",
                     explanation, gfx::dtWordBreak);
    painter.DrawFocusRect(explanation.inflated(2, 2));

    const gfx::Font status = MakeFont(-16, gfx::fsBold, gfx::clBlack);
    painter.DrawText(status, "Деньги: 1000", gfx::Rect::from_size(16, 376, 137, 25), gfx::dtSingleLine);
    painter.DrawText(status, "День: 0", gfx::Rect::from_size(152, 376, 88, 25), gfx::dtSingleLine);
    painter.DrawText(status, "Время: 0-00", gfx::Rect::from_size(240, 376, 113, 25), gfx::dtSingleLine);
    painter.DrawText(MakeFont(14, gfx::fsUnderline, 0xFF0000), "Узнай сколько ты можешь выпить!",
                     gfx::Rect::from_size(40, 416, 461, 22), gfx::dtSingleLine | gfx::dtCenter);
    return image;
}

}  // namespace

int main() {
    try {
        const std::filesystem::path path = std::filesystem::absolute("burdomir-demo.png");
        gfx::SavePngFile(DrawDemo(), path.string());
        std::printf("burdomir: wrote %s\n", path.string().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "burdomir: %s\n", e.what());
        return 1;
    }
}
