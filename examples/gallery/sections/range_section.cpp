#include "controls/ranges/skin_track_bar.h"
#include "controls/ranges/skin_up_down.h"
#include "sections/sections.h"

namespace gallery {

namespace {

constexpr int kBarWidth = 100;
constexpr int kRow = 24;

controls::TspSkinTrackBar& Bar(SectionContext& ctx, int index, int value) {
    auto& b = ctx.Column.Make<controls::TspSkinTrackBar>();
    b.SetBounds(8 + (index % 2) * (kBarWidth + 40), ctx.Top + (index / 2) * kRow, kBarWidth, 20);
    Bind(b, ctx);
    b.SetValue(value);
    return b;
}

controls::TspSkinUpDown& UpDown(SectionContext& ctx, gfx::Rect bounds, controls::TUDOrientation orientation,
                                bool skinSize) {
    auto& u = ctx.Column.Make<controls::TspSkinUpDown>();
    u.SetOrientation(orientation);
    if (orientation == controls::TUDOrientation::udVertical) u.SetSkinDataName("vupdown");
    u.SetUseSkinSize(skinSize);
    u.SetBounds(bounds);
    Bind(u, ctx);
    return u;
}

gfx::Point Middle(const gfx::Rect& r) { return {r.left + r.width() / 2, r.top + r.height() / 2}; }

}  // namespace

int BuildTrackBarSection(SectionContext& ctx) {
    Bar(ctx, 0, 0);
    Bar(ctx, 1, 50);
    Bar(ctx, 2, 100);
    // A focusable bar shows its active thumb while it has the focus.
    auto& focusable = Bar(ctx, 3, 30);
    focusable.SetCanFocused(true);
    ctx.FocusSamples->push_back(&focusable);
    auto& dragged = Bar(ctx, 4, 70);
    dragged.MouseDown(platform::MouseButton::Left, platform::ssLeft, Middle(dragged.ThumbRect().thumb));
    return 3 * kRow;
}

int BuildUpDownSection(SectionContext& ctx) {
    using controls::TspSkinUpDown;
    using controls::TUDOrientation;
    int x = 8;
    int top = ctx.Top;
    // Each look three times: at rest, the up button hot, the down button pressed.
    const auto three = [&](TUDOrientation orientation, bool skinSize, gfx::Size size) {
        for (int state = 0; state < 3; ++state) {
            auto& u = UpDown(ctx, gfx::Rect::from_size(x, top, size.width, size.height), orientation, skinSize);
            // A held button without a step does not repeat, so the sample stays still.
            u.Increment = 0;
            if (state == 1) u.MouseMove(0, Middle(u.ButtonRect(TspSkinUpDown::kUp)));
            if (state == 2)
                u.MouseDown(platform::MouseButton::Left, platform::ssLeft, Middle(u.ButtonRect(TspSkinUpDown::kDown)));
            x += u.Width() + 6;
        }
        x += 12;
    };
    three(TUDOrientation::udHorizontal, true, {34, 17});
    three(TUDOrientation::udVertical, true, {15, 31});
    // The game's speed control: no skin size, buttons composed from "resizebutton".
    x = 8;
    top += 37;
    three(TUDOrientation::udHorizontal, false, {40, 20});
    return 37 + 20;
}

}  // namespace gallery
