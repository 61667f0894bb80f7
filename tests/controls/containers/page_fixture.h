#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/containers/skin_page_control.h"
#include "controls/containers/skin_tab_sheet.h"
#include "platform/headless/driver.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace testfixtures {

// A page control that counts how often it is painted.
class CountingPageControl : public controls::TspSkinPageControl {
public:
    void Paint(gfx::Painter& painter) override {
        ++Paints;
        TspSkinPageControl::Paint(painter);
    }
    int Paints = 0;
};

// A window with the main window's notebook: five tabs at 16, 16, 513 x 353, optionally on our skin.
class PageFixture : public ::testing::Test {
protected:
    void Build(bool skinned) {
        form = &d.App().CreateForm<platform::Form>();
        form->SetBounds(0, 0, 560, 420);
        if (skinned) {
            data = &form->Own<skin::TspSkinData>(form);
            data->LoadCompressedStream(skin::DefaultSkinData());
        }
        pc = &form->Make<CountingPageControl>();
        pc->SetBounds(16, 16, 513, 353);
        for (const char* caption : {"Ресурсы", "Тушка", "Магазин", "Город", "Рынок"})
            pages.push_back(&pc->NewPage<controls::TspSkinTabSheet>(caption));
        if (skinned) pc->SetSkinData(data);
        form->Show();
    }
    // The window point of a spot in the page control.
    [[nodiscard]] gfx::Point At(gfx::Point local) const { return pc->ClientToWindow(local); }
    // The middle of a visible tab, in window coordinates.
    [[nodiscard]] gfx::Point TabCenter(int tab) const {
        const gfx::Rect r = pc->TabRect(tab);
        return At({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    // Paints what is due and returns how many times the page control was painted since the last call.
    int PaintsSinceLastLook() {
        static_cast<void>(d.Pixels(*form));
        const int n = pc->Paints;
        pc->Paints = 0;
        return n;
    }

    platform::headless::Driver d;
    platform::Form* form = nullptr;
    skin::TspSkinData* data = nullptr;
    CountingPageControl* pc = nullptr;
    std::vector<controls::TspSkinTabSheet*> pages;
};

}  // namespace testfixtures
