#include <gtest/gtest.h>

#include "platform/headless/driver.h"
#include "sections/menu_sample_button.h"
#include "sections/sections.h"
#include "skin/menu/skin_popup_window.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace {

// The menu section built alone on a window with our skin.
class MenuSection : public ::testing::Test {
protected:
    MenuSection() : form(d.App().CreateForm<platform::Form>()), skin(form.Own<skin::TspSkinData>(&form)) {
        skin.LoadCompressedStream(skin::DefaultSkinData());
        form.SetBounds(100, 100, 400, 200);
        gallery::SectionContext ctx{form, &skin, nullptr, 10, 380, nullptr};
        gallery::BuildMenuSection(ctx);
        button = dynamic_cast<gallery::MenuSampleButton*>(form.Controls().back().get());
        form.Show();
    }
    platform::headless::Driver d;
    platform::Form& form;
    skin::TspSkinData& skin;
    gallery::MenuSampleButton* button = nullptr;
};

TEST_F(MenuSection, TheButtonOpensAMenuOfEveryItemKindThatScrolls) {
    ASSERT_NE(button, nullptr);
    d.ClickControl(*button);
    ASSERT_NE(button->Menu(), nullptr);
    ASSERT_TRUE(button->Menu()->IsOpen());
    const skin::TspSkinPopupWindow& level = button->Menu()->Level(0);
    EXPECT_TRUE(level.Skinned());
    EXPECT_TRUE(level.Scrolling()) << "more items than the level shows at once";
    bool shortcut = false, disabled = false, separator = false, titled = false, checked = false, radio = false,
         submenu = false;
    for (const auto& shown : level.Items()) {
        const skin::TMenuItem& item = shown->Item();
        shortcut |= !item.ShortCutText.empty();
        disabled |= !item.Enabled && !item.IsTitledSeparator();
        separator |= item.IsSeparator();
        titled |= item.IsTitledSeparator();
        checked |= item.Checked && !item.RadioItem;
        radio |= item.Checked && item.RadioItem;
        submenu |= item.Count() > 0;
    }
    EXPECT_TRUE(shortcut && disabled && separator && titled && checked && radio && submenu);
    EXPECT_EQ(level.BoundsRect().top, button->ClientToScreen({0, button->Height()}).y) << "below the button";
}

}  // namespace
