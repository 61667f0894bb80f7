#pragma once

#include <gtest/gtest.h>

#include "platform/headless/driver.h"
#include "skin/frame/skin_form.h"
#include "skin/objects/button_objects.h"
#include "skin/objects/caption_object.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace testfixtures {

// The program's own skin loaded on a principal window, and skinned windows made on demand.
class SkinnedWindows : public ::testing::Test {
protected:
    SkinnedWindows() : main(d.App().CreateForm<platform::Form>()), data(main.Own<skin::TspSkinData>(&main)) {
        data.LoadCompressedStream(skin::DefaultSkinData());
        mainFrame = &main.Own<skin::TspSkinForm>(&main);
        mainFrame->SetSkinData(&data);
        main.SetBounds(600, 10, 300, 200);
    }

    // A skinned window (not the principal one) of that size at (x, y).
    skin::TspSkinForm& Window(int width, int height, skin::TspBorderIcons icons = skin::biMinimize, int x = 40,
                              int y = 40) {
        platform::Form& form = d.App().CreateForm<platform::Form>();
        form.SetCaption("Окно");
        auto& frame = form.Own<skin::TspSkinForm>(&form);
        frame.SetSkinData(&data);
        frame.SetBorderIcons(icons);
        form.SetBounds(x, y, width, height);
        return frame;
    }

    // The first frame object of a class and, for buttons, a command.
    template <typename T>
    static T* Find(const skin::TspSkinForm& frame) {
        for (const auto& o : frame.Objects())
            if (auto* t = dynamic_cast<T*>(o.get())) return t;
        return nullptr;
    }
    static skin::TspSkinStdButtonObject* Button(const skin::TspSkinForm& frame, skin::TspCommand command) {
        for (const auto& o : frame.Objects())
            if (auto* b = dynamic_cast<skin::TspSkinStdButtonObject*>(o.get()); b && b->Command == command) return b;
        return nullptr;
    }
    static gfx::Point Middle(const gfx::Rect& r) { return {r.left + r.width() / 2, r.top + r.height() / 2}; }

    platform::headless::Driver d;
    platform::Form& main;
    skin::TspSkinData& data;
    skin::TspSkinForm* mainFrame = nullptr;
};

}  // namespace testfixtures
