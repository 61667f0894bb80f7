#pragma once

#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/headless/driver.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace controltest {

// A shown window without a frame and the program's own skin loaded, for driving skinned controls
// through the headless window system.
class SkinnedForm : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(skin::DefaultSkinData().empty()) << "the build embedded no skin";
        form = &driver.App().CreateForm<platform::Form>();
        form->BorderStyle = platform::BorderStyle::None;
        form->SetBounds(0, 0, 320, 200);
        stored = &form->Own<skin::TspCompressedStoredSkin>();
        data = &form->Own<skin::TspSkinData>(form);
        stored->SetData(skin::DefaultSkinData());
        data->SetCompressedStoredSkin(stored);
        form->Show();
    }

    // Makes a control on the window, bound to the skin, at bounds.
    template <typename T>
    T& Make(gfx::Rect bounds, bool skinned = true) {
        T& c = form->Make<T>();
        c.SetBounds(bounds);
        if (skinned) c.SetSkinData(data);
        return c;
    }

    // The window point of a control's local point.
    static gfx::Point At(const platform::Control& c, gfx::Point local) { return c.ClientToWindow(local); }

    platform::headless::Driver driver;
    platform::Form* form = nullptr;
    skin::TspCompressedStoredSkin* stored = nullptr;
    skin::TspSkinData* data = nullptr;
};

}  // namespace controltest
