#include <gtest/gtest.h>

#include <functional>

#include "controls/ranges/skin_track_bar.h"
#include "controls/ranges/skin_up_down.h"
#include "controls/support/skinned_form.h"
#include "gfx/painter.h"
#include "support/golden.h"

namespace {

using controls::TspSkinTrackBar;
using controls::TspSkinUpDown;
using controls::TUDOrientation;

// Each state of a control made fresh in the window, copied from the window's pixels into
// one sheet, one row per state.
class RangesGolden : public controltest::SkinnedForm {
protected:
    template <typename T>
    gfx::Bitmap Sheet(const std::vector<std::function<void(T&)>>& states, int width, int step) {
        gfx::Bitmap sheet(width + 8, step * static_cast<int>(states.size()) + 4, gfx::ColorToPixel(gfx::clBtnFace));
        gfx::Painter out(sheet);
        for (std::size_t i = 0; i < states.size(); ++i) {
            T& control = form->Make<T>();
            control.SetBounds(10, 10, width, step - 4);
            states[i](control);
            const gfx::Bitmap& pixels = driver.Pixels(*form);
            const gfx::Point at = control.ClientToWindow({0, 0});
            out.Copy(pixels, gfx::Rect::from_size(at.x, at.y, control.Width(), control.Height()),
                     {4, 4 + step * static_cast<int>(i)});
            // Whatever the state held (a press, the pointer) ends before the next one.
            driver.MouseUp(*form, {1, 1});
            driver.Leave(*form);
            control.Hide();
        }
        return sheet;
    }

    // Minimum, middle, maximum, the focused (active) thumb and a drag under way.
    std::vector<std::function<void(TspSkinTrackBar&)>> TrackStates(bool skinned) {
        auto setup = [this, skinned](TspSkinTrackBar& b) {
            if (skinned) b.SetSkinData(data);
        };
        return {
            [=](TspSkinTrackBar& b) {
                setup(b);
                b.SetValue(0);
            },
            [=](TspSkinTrackBar& b) { setup(b); },
            [=](TspSkinTrackBar& b) {
                setup(b);
                b.SetValue(100);
            },
            [=](TspSkinTrackBar& b) {
                setup(b);
                b.SetCanFocused(true);
                b.SetValue(30);
                b.SetFocus();
            },
            [=, this](TspSkinTrackBar& b) {
                setup(b);
                b.SetValue(70);
                const gfx::Rect t = b.ThumbRect().thumb;
                driver.MouseDown(*form, b.ClientToWindow({t.left + t.width() / 2, t.top + t.height() / 2}));
            },
        };
    }

    // Each orientation at rest, with the up button hot and with the down button pressed.
    std::vector<std::function<void(TspSkinUpDown&)>> UpDownStates(std::function<void(TspSkinUpDown&)> setup) {
        std::vector<std::function<void(TspSkinUpDown&)>> states;
        for (TUDOrientation o : {TUDOrientation::udHorizontal, TUDOrientation::udVertical}) {
            auto prepare = [=](TspSkinUpDown& u) {
                u.SetOrientation(o);
                if (o == TUDOrientation::udVertical) u.SetSkinDataName("vupdown");
                setup(u);
            };
            auto middle = [](TspSkinUpDown& u, int button) {
                const gfx::Rect r = u.ButtonRect(button);
                return u.ClientToWindow({r.left + r.width() / 2, r.top + r.height() / 2});
            };
            states.push_back(prepare);
            states.push_back([=, this](TspSkinUpDown& u) {
                prepare(u);
                driver.MoveTo(*form, middle(u, TspSkinUpDown::kUp));
            });
            states.push_back([=, this](TspSkinUpDown& u) {
                prepare(u);
                driver.MouseDown(*form, middle(u, TspSkinUpDown::kDown));
            });
        }
        return states;
    }
};

TEST_F(RangesGolden, TrackBarSkinned) {
    const gfx::Bitmap sheet = Sheet<TspSkinTrackBar>(TrackStates(true), 100, 24);
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "TrackBar_SkinStates"));
}

TEST_F(RangesGolden, TrackBarPlain) {
    const gfx::Bitmap sheet = Sheet<TspSkinTrackBar>(TrackStates(false), 100, 24);
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "TrackBar_PlainStates"));
}

TEST_F(RangesGolden, UpDownAtTheSkinsSize) {
    const gfx::Bitmap sheet =
        Sheet<TspSkinUpDown>(UpDownStates([this](TspSkinUpDown& u) { u.SetSkinData(data); }), 40, 36);
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "UpDown_SkinStates"));
}

TEST_F(RangesGolden, UpDownResizedFromResizeButton) {
    const gfx::Bitmap sheet = Sheet<TspSkinUpDown>(UpDownStates([this](TspSkinUpDown& u) {
                                                       u.SetUseSkinSize(false);
                                                       u.SetSkinData(data);
                                                   }),
                                                   40, 36);
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "UpDown_ResizeButtonStates"));
}

TEST_F(RangesGolden, UpDownPlain) {
    const gfx::Bitmap sheet = Sheet<TspSkinUpDown>(UpDownStates([](TspSkinUpDown&) {}), 40, 36);
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "UpDown_PlainStates"));
}

}  // namespace
