#pragma once

#include <gtest/gtest.h>

#include "platform/headless/driver.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace controlstest {

// A shown window on the headless driver and our own skin, loaded.
class SkinnedWindow : public ::testing::Test {
protected:
    SkinnedWindow() : form(d.App().CreateForm<platform::Form>()) {
        skin.LoadCompressedStream(skin::DefaultSkinData());
        form.SetBounds(100, 100, 300, 200);
        form.Show();
    }
    // The window point of a control's local point.
    static gfx::Point At(const platform::Control& c, gfx::Point local) { return c.ClientToWindow(local); }

    platform::headless::Driver d;
    skin::TspSkinData skin;
    platform::Form& form;
};

}  // namespace controlstest
