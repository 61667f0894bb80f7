#include <gtest/gtest.h>

#include <functional>

#include "controls/text/skin_edit.h"
#include "gfx/painter.h"
#include "platform/headless/driver.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"
#include "support/golden.h"

namespace {

using controls::TspSkinEdit;

// Every state of the edit, one below the other, with the skin's "edit" section or without
// one: empty, with text, a selection, focused with the caret, disabled, read-only.
class EditGolden : public ::testing::Test {
protected:
    EditGolden() : form(d.App().CreateForm<platform::Form>()) {
        skin.LoadCompressedStream(skin::DefaultSkinData());
        form.SetBounds(0, 0, 260, 80);
        form.Show();
    }

    gfx::Bitmap Sheet(bool skinned) {
        const std::vector<std::function<void(TspSkinEdit&)>> states = {
            [](TspSkinEdit&) {},
            [](TspSkinEdit& e) { e.SetText("Вася Пупкин"); },
            [this](TspSkinEdit& e) {
                e.SetText("Вася Пупкин");
                e.SetFocus();
                e.SetSelection(5, 6);
            },
            [](TspSkinEdit& e) {
                e.SetText("Вася");
                e.SetFocus();
                e.SetSelection(4, 0);
            },
            [](TspSkinEdit& e) {
                e.SetText("Вася Пупкин");
                e.SetEnabled(false);
            },
            [](TspSkinEdit& e) {
                e.SetText("Только чтение");
                e.SetReadOnly(true);
            },
        };
        const int w = 160, step = 26;
        gfx::Bitmap sheet(w + 8, step * static_cast<int>(states.size()) + 4, gfx::ColorToPixel(gfx::clBtnFace));
        gfx::Painter out(sheet);
        for (std::size_t i = 0; i < states.size(); ++i) {
            auto& edit = form.Make<TspSkinEdit>();
            if (skinned) edit.SetSkinData(&skin);
            edit.SetBounds(10, 10, w, 21);
            states[i](edit);
            const gfx::Bitmap& pixels = d.Pixels(form);
            const gfx::Point at = edit.ClientToWindow({0, 0});
            out.Copy(pixels, gfx::Rect::from_size(at.x, at.y, edit.Width(), edit.Height()),
                     {4, 4 + step * static_cast<int>(i)});
            edit.Hide();
        }
        return sheet;
    }

    platform::headless::Driver d;
    skin::TspSkinData skin;
    platform::Form& form;
};

TEST_F(EditGolden, SkinnedStates) { EXPECT_TRUE(testsupport::MatchesGolden(Sheet(true), "Edit_SkinStates")); }

TEST_F(EditGolden, PlainStates) { EXPECT_TRUE(testsupport::MatchesGolden(Sheet(false), "Edit_PlainStates")); }

}  // namespace
