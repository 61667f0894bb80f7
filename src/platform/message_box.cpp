#include "platform/message_box.h"

#include <algorithm>
#include <memory>

#include "gfx/text.h"
#include "platform/application.h"
#include "platform/button.h"

namespace platform {

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kMaxTextWidth = 420;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

// Fills the disc of the given diameter at origin, row by row.
void FillDisc(gfx::Painter& painter, gfx::Point origin, int diameter, gfx::Pixel colour) {
    const int r2 = diameter * diameter;
    for (int y = 0; y < diameter; ++y) {
        const int dy = 2 * y + 1 - diameter;
        int half = 0;
        while ((2 * half + 2) * (2 * half + 2) + dy * dy <= r2) ++half;
        painter.FillRect(
            {origin.x + diameter / 2 - half - 1, origin.y + y, origin.x + diameter / 2 + half + 1, origin.y + y + 1},
            colour);
    }
}

void DrawInformationIcon(gfx::Painter& painter, gfx::Point o) {
    FillDisc(painter, o, kIconSize, gfx::MakePixel(0, 0, 0));
    FillDisc(painter, {o.x + 1, o.y + 1}, kIconSize - 2, gfx::MakePixel(40, 90, 220));
    const gfx::Pixel white = gfx::MakePixel(255, 255, 255);
    painter.FillRect({o.x + 14, o.y + 6, o.x + 18, o.y + 10}, white);
    painter.FillRect({o.x + 14, o.y + 13, o.x + 18, o.y + 26}, white);
    painter.FillRect({o.x + 12, o.y + 13, o.x + 14, o.y + 15}, white);
    painter.FillRect({o.x + 12, o.y + 24, o.x + 20, o.y + 26}, white);
}

void DrawWarningIcon(gfx::Painter& painter, gfx::Point o) {
    // A triangle pointing up, one row at a time, outlined in black.
    for (int y = 0; y < 30; ++y) {
        const int half = (y + 1) / 2 + 1;
        painter.FillRect({o.x + 16 - half, o.y + 1 + y, o.x + 16 + half, o.y + 2 + y}, gfx::MakePixel(0, 0, 0));
        if (y > 1 && y < 29)
            painter.FillRect({o.x + 17 - half, o.y + 1 + y, o.x + 15 + half, o.y + 2 + y}, gfx::MakePixel(250, 210, 0));
    }
    const gfx::Pixel black = gfx::MakePixel(0, 0, 0);
    painter.FillRect({o.x + 14, o.y + 10, o.x + 18, o.y + 22}, black);
    painter.FillRect({o.x + 14, o.y + 24, o.x + 18, o.y + 28}, black);
}

void DrawErrorIcon(gfx::Painter& painter, gfx::Point o) {
    FillDisc(painter, o, kIconSize, gfx::MakePixel(0, 0, 0));
    FillDisc(painter, {o.x + 1, o.y + 1}, kIconSize - 2, gfx::MakePixel(220, 30, 30));
    const gfx::Pixel white = gfx::MakePixel(255, 255, 255);
    for (int i = 0; i < 14; ++i) {
        painter.FillRect({o.x + 9 + i, o.y + 9 + i, o.x + 12 + i, o.y + 10 + i}, white);
        painter.FillRect({o.x + 20 - i, o.y + 9 + i, o.x + 23 - i, o.y + 10 + i}, white);
    }
}

}  // namespace

gfx::Font MessageFont() { return {"MS Sans Serif", -11, 0, gfx::clWindowText}; }

MessageBoxForm::MessageBoxForm(Application& app, std::string text, std::string title, MessageKind kind)
    : Form(app), text_(std::move(text)), kind_(kind) {
    BorderStyle = platform::BorderStyle::Dialog;
    SetCaption(std::move(title));
    const gfx::Font font = MessageFont();
    const unsigned format = gfx::dtWordBreak | gfx::dtNoPrefix | gfx::dtExpandTabs;
    const gfx::Rect measured = gfx::MeasureText(font, text_, {0, 0, kMaxTextWidth, 0}, format);
    const int textWidth = std::min(kMaxTextWidth, std::max(measured.width(), 1));
    const int textHeight = measured.height();
    const int textLeft = kMargin + kIconSize + kMargin;
    const int top = kMargin + std::max(0, (kIconSize - textHeight) / 2);
    textRect_ = {textLeft, top, textLeft + textWidth, top + textHeight};
    const int contentBottom = std::max(kMargin + kIconSize, textRect_.bottom);
    const int captionWidth = gfx::TextWidth(gfx::Font{"MS Sans Serif", -11, gfx::fsBold}, Caption()) + 40;
    const int clientWidth = std::max({textRect_.right + kMargin, kButtonWidth + 2 * kMargin, captionWidth, 160});
    const int clientHeight = contentBottom + kMargin + kButtonHeight + kMargin;

    ok_ = &Make<TButton>();
    ok_->SetCaption("OK");
    ok_->Default = true;
    ok_->Cancel = true;
    ok_->ModalResult = mrOk;
    ok_->SetBounds((clientWidth - kButtonWidth) / 2, contentBottom + kMargin, kButtonWidth, kButtonHeight);
    SetClientSize(clientWidth, clientHeight);
}

void MessageBoxForm::Paint(gfx::Painter& painter) {
    const gfx::Point icon{kMargin, kMargin};
    switch (kind_) {
        case MessageKind::Information:
            DrawInformationIcon(painter, icon);
            break;
        case MessageKind::Warning:
            DrawWarningIcon(painter, icon);
            break;
        case MessageKind::Error:
            DrawErrorIcon(painter, icon);
            break;
    }
    painter.DrawText(MessageFont(), text_, textRect_, gfx::dtWordBreak | gfx::dtNoPrefix | gfx::dtExpandTabs);
}

void ShowMessageBox(Application& app, const std::string& text, const std::string& title, MessageKind kind) {
    auto box = std::make_unique<MessageBoxForm>(app, text, title, kind);
    const gfx::Rect area = app.WorkArea();
    const gfx::Rect over = app.ActiveForm() ? app.ActiveForm()->BoundsRect() : area;
    int left = over.left + over.width() / 2 - box->Width() / 2;
    int top = over.top + over.height() / 2 - box->Height() / 2;
    // Keep the box on the desktop even when the window it belongs to is partly off it.
    left = std::max(area.left, std::min(left, area.right - box->Width()));
    top = std::max(area.top, std::min(top, area.bottom - box->Height()));
    box->SetBounds(left, top, box->Width(), box->Height());
    box->ShowModal();
}

}  // namespace platform
